// One language at a time: every text has both translations, and a whole MEC16xx session on
// the command line reads in one language.
#include "support/Pattern.h"
#include "support/Process.h"
#include "support/SimFixture.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

namespace {
struct Message {
    std::string source, translation, type;
};

// The messages of a .ts file (Qt Linguist's XML; plain enough for a pattern).
std::vector<Message> Messages(const std::string& ts) {
    static const std::regex message(
        R"re(<message>\s*<source>([^<]*)</source>\s*)re"
        R"re(<translation(?: type="([a-z]+)")?>([^<]*)</translation>)re");
    std::vector<Message> found;
    for (std::sregex_iterator it(ts.begin(), ts.end(), message), end; it != end; ++it)
        found.push_back({(*it)[1], (*it)[3], (*it)[2]});
    return found;
}

std::set<std::string> Placeholders(const std::string& text) {
    static const std::regex placeholder("%[1-9]");
    std::set<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), placeholder), end; it != end; ++it)
        found.insert(it->str());
    return found;
}

bool HasCyrillic(const std::string& line) {
    // Cyrillic letters are U+0400..U+04FF: UTF-8 lead bytes D0..D3.
    return std::any_of(line.begin(), line.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b >= 0xD0 && b <= 0xD3;
    });
}

// A line without Cyrillic that holds an English word: a word of three letters or more with a
// small letter. Hex numbers, register names (FF3910h has digits), acronyms, file names and
// paths (they hold dots or slashes) and units pass.
bool EnglishSentence(const std::string& line) {
    if (HasCyrillic(line))
        return false;
    std::istringstream words(line);
    for (std::string w; words >> w;) {
        const std::size_t first = w.find_first_not_of("([\"'-><");
        const std::size_t last = w.find_last_not_of(")]\"',.:;!?");
        if (first == std::string::npos || last == std::string::npos || last < first)
            continue;
        w = w.substr(first, last - first + 1);
        const auto lower = [](char c) { return c >= 'a' && c <= 'z'; };
        const auto letter = [&](char c) { return lower(c) || (c >= 'A' && c <= 'Z'); };
        if (w.size() >= 3 && std::all_of(w.begin(), w.end(), letter) &&
            std::any_of(w.begin(), w.end(), lower))
            return true;
    }
    return false;
}

std::vector<std::string> Lines(const ProcessResult& r) {
    std::vector<std::string> lines;
    std::istringstream in(r.out + r.err);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
} // namespace

// Translations are gathered again from the sources: a text added without its translations
// shows as unfinished.
TEST(Translations, EveryTextHasBothTranslationsWithItsPlaceholders) {
    TempDir dir;
    for (const char* name : {"tolvane_en.ts", "tolvane_ru.ts"})
        std::filesystem::copy_file(std::string(TOLVANE_SOURCE_DIR) + "/translations/" + name,
                                   dir.File(name));
    const ProcessResult r =
        RunProgram(std::string(TOLVANE_SOURCE_DIR) + "/scripts/update-translations", {dir.Path()});
    ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
    std::size_t counts[2] = {};
    int file = 0;
    for (const char* name : {"tolvane_en.ts", "tolvane_ru.ts"}) {
        SCOPED_TRACE(name);
        const std::vector<Message> messages = Messages(ReadFileText(dir.File(name)));
        EXPECT_GT(messages.size(), 200u);
        counts[file++] = messages.size();
        for (const Message& m : messages) {
            EXPECT_TRUE(m.type.empty()) << m.type << ": " << m.source;
            EXPECT_FALSE(m.translation.empty() && !m.source.empty()) << m.source;
            EXPECT_EQ(Placeholders(m.source), Placeholders(m.translation)) << m.source;
        }
    }
    EXPECT_EQ(counts[0], counts[1]);
}

// Check, read, erase, a write the chip refuses halfway and a read the JIG stops answering, then
// the common commands: under en no Cyrillic, under ru no English sentence.
TEST(Translations, AMecSessionOnTheCommandLineIsInOneLanguage) {
    for (const char* lang : {"en", "ru"}) {
        SCOPED_TRACE(lang);
        TempDir dir, user;
        WriteFileBytes(dir.File("chip.bin"), Pattern(198656, 13, 0, 10, 7));
        WriteFileBytes(dir.File("in.bin"), Pattern(196608, 37, 5, 9));
        WriteFileBytes(dir.File("s.json"), R"({"chips": {"mec": {"file": "chip.bin"}}})");
        WriteFileBytes(dir.File("bad.json"),
                       R"({"chips": {"mec": {"file": "chip.bin", "badStatusAtBlock": 5}}})");
        WriteFileBytes(dir.File("silent.json"),
                       R"({"chips": {"mec": {"file": "chip.bin", "silentAtBlock": 3}}})");
        const std::vector<std::vector<std::string>> runs = {
            {"mec", "check", "--scenario", "s.json"},
            {"mec", "read", "out.bin", "--info", "--read-twice", "--scenario", "s.json"},
            {"mec", "erase", "--scenario", "s.json"},
            {"mec", "write", "in.bin", "--no-backup", "--scenario", "bad.json"},
            {"mec", "read", "late.bin", "--scenario", "silent.json"},
        };
        const int exits[] = {0, 0, 0, 1, 1};
        for (std::size_t i = 0; i < runs.size(); ++i) {
            std::vector<std::string> args = runs[i];
            args.insert(args.end(),
                        {"--device", "sim:pcb2-v42", "--timing", "instant", "--lang", lang});
            const ProcessResult r =
                RunProgram("tolvane-jig-cli", args, dir.Path(), {"XDG_DATA_HOME=" + user.Path()});
            EXPECT_EQ(r.exitCode, exits[i]) << args[1] << "\n" << r.out << r.err;
            for (const std::string& line : Lines(r))
                if (std::string(lang) == "en")
                    EXPECT_FALSE(HasCyrillic(line)) << args[1] << ": " << line;
                else
                    EXPECT_FALSE(EnglishSentence(line)) << args[1] << ": " << line;
        }
        // The common commands after it, the firmware switch and the help (CLI11's own words
        // too), the language taken from the environment as a technician's shell gives it.
        const std::vector<std::vector<std::string>> common = {
            {"compare", "out.bin", "in.bin"},
            {"start", "--mode", "ITE", "--device", "sim:pcb2-v42", "--timing", "instant"},
            {"--help"},
            {"start", "--help"},
        };
        const int commonExits[] = {1, 0, 0, 0};
        for (std::size_t i = 0; i < common.size(); ++i) {
            const ProcessResult r =
                RunProgram("tolvane-jig-cli", common[i], dir.Path(),
                           {"XDG_DATA_HOME=" + user.Path(), std::string("TOLVANE_LANG=") + lang});
            EXPECT_EQ(r.exitCode, commonExits[i]) << common[i][0] << "\n" << r.out << r.err;
            for (const std::string& line : Lines(r))
                if (std::string(lang) == "en")
                    EXPECT_FALSE(HasCyrillic(line)) << common[i][0] << ": " << line;
                else
                    EXPECT_FALSE(EnglishSentence(line)) << common[i][0] << ": " << line;
        }
    }
}
