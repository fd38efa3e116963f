// One language at a time: every text has both translations, and whole sessions on the command
// line read in one language.
#include "support/Pattern.h"
#include "support/Process.h"
#include "support/SimFixture.h"

#include <algorithm>
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

struct SessionRun {
    std::vector<std::string> args;
    int exitCode;
    // The language from TOLVANE_LANG, as a technician's shell gives it, and nothing added to
    // the command; otherwise --device (unless the run names its own), --timing instant, --lang.
    bool languageFromEnvironment = false;
};

// Each command in `dir` under the language `lang`: under en no Cyrillic, under ru no English
// sentence.
void ExpectOneLanguage(const std::string& lang, const std::vector<SessionRun>& runs,
                       const TempDir& dir, const std::string& device) {
    TempDir user;
    for (const SessionRun& run : runs) {
        std::vector<std::string> args = run.args;
        std::vector<std::string> env = {"XDG_DATA_HOME=" + user.Path()};
        if (run.languageFromEnvironment) {
            env.push_back("TOLVANE_LANG=" + lang);
        } else {
            if (std::find(args.begin(), args.end(), "--device") == args.end())
                args.insert(args.end(), {"--device", device});
            args.insert(args.end(), {"--timing", "instant", "--lang", lang});
        }
        const ProcessResult r = RunProgram("tolvane-jig-cli", args, dir.Path(), env);
        const std::string name = args.size() > 1 ? args[0] + " " + args[1] : args[0];
        EXPECT_EQ(r.exitCode, run.exitCode) << name << "\n" << r.out << r.err;
        for (const std::string& line : Lines(r))
            if (lang == "en")
                EXPECT_FALSE(HasCyrillic(line)) << name << ": " << line;
            else
                EXPECT_FALSE(EnglishSentence(line)) << name << ": " << line;
    }
}

// MEC: check, read, erase, a write the chip refuses halfway and a read the JIG stops answering;
// NPCE, Nuvoton JTAG and ENE (both boards): a read and a failing write; EDID: read, show and a
// refused write; a keyboard scan; ITE: check, read, a write (erase, write, read back), a write
// the EC stops answering in, a read with a bad block and a wiring the tool refuses; then the
// common commands: compare and a firmware switch.
TEST(Translations, EachModesSessionOnTheCommandLineIsInOneLanguage) {
    const auto ite = [](std::vector<std::string> args) {
        args.insert(args.begin(), "ite");
        args.insert(args.end(), {"--device", "sim:pcb3", "--pins",
                                 "PD0=12 PD1=13 PD2=14 PD3=15 PD4=16 PD5=17 PD6=18 PD7=19 BUSY=21 "
                                 "STB=5 AFD=6 INIT=7 SLIN=8 KSI4=9 KSI5=10"});
        return args;
    };
    for (const char* lang : {"en", "ru"}) {
        SCOPED_TRACE(lang);
        TempDir dir;
        WriteFileBytes(dir.File("chip.bin"), Pattern(198656, 13, 0, 10, 7));
        WriteFileBytes(dir.File("in.bin"), Pattern(196608, 37, 5, 9));
        WriteFileBytes(dir.File("s.json"), R"({"chips": {"mec": {"file": "chip.bin"}}})");
        WriteFileBytes(dir.File("bad.json"),
                       R"({"chips": {"mec": {"file": "chip.bin", "badStatusAtBlock": 5}}})");
        WriteFileBytes(dir.File("silent.json"),
                       R"({"chips": {"mec": {"file": "chip.bin", "silentAtBlock": 3}}})");
        WriteFileBytes(dir.File("npce.json"), R"({"chips": {"npce-spi": {"failBlock": 5}}})");
        WriteFileBytes(dir.File("jtag.json"),
                       R"({"chips": {"npceJtag": {"commitStatus": {"block": 7}}}})");
        WriteFileBytes(dir.File("ene.bin"), Pattern(131072, 11));
        WriteFileBytes(dir.File("ene-sum.json"),
                       R"({"chips": {"ene": {"checksumAnswer": [1, 2, 3, 4]}}})");
        WriteFileBytes(dir.File("ene-bad.json"), R"({"chips": {"ene": {"failBlock": 9}}})");
        WriteFileBytes(dir.File("edid-bad.bin"), Pattern(256, 3));
        WriteFileBytes(dir.File("ite.bin"), Pattern(131072, 29, 3, 11));
        WriteFileBytes(dir.File("ite-silent.json"), R"({"chips": {"ite": {"silentAtBlock": 5}}})");
        WriteFileBytes(dir.File("ite-bad.json"), R"({"chips": {"ite": {"badBlock": 3}}})");
        WriteFileBytes(dir.File("keys.json"),
                       R"({"chips": {"keyboard": {"keys": [{"pins": [3, 5], "to": 300}]}}})");
        const std::string pcb3 = "sim:pcb3", v41 = "sim:pcb2-v41";
        ExpectOneLanguage(
            lang,
            {{{"mec", "check", "--scenario", "s.json"}, 0},
             {{"mec", "read", "out.bin", "--info", "--read-twice", "--scenario", "s.json"}, 0},
             {{"mec", "erase", "--scenario", "s.json"}, 0},
             {{"mec", "write", "in.bin", "--no-backup", "--scenario", "bad.json"}, 1},
             {{"mec", "read", "late.bin", "--scenario", "silent.json"}, 1},
             {{"npce", "read", "npce.bin", "--device", pcb3}, 0},
             {{"npce", "write", "npce.bin", "--scenario", "npce.json", "--device", pcb3}, 1},
             {{"jtag", "read", "jtag.bin", "--read-twice", "--device", pcb3}, 0},
             {{"jtag", "write", "jtag.bin", "--scenario", "jtag.json", "--device", pcb3}, 1},
             {{"ene", "read", "ene-out.bin", "--device", v41}, 0},
             {{"ene", "write", "ene.bin", "--no-backup", "--scenario", "ene-sum.json", "--device",
               v41},
              1},
             {{"ene", "read", "ene-out.bin", "--device", pcb3}, 0},
             {{"ene", "write", "ene.bin", "--no-backup", "--scenario", "ene-bad.json", "--device",
               pcb3},
              1},
             {{"edid", "read", "edid.bin", "--device", v41}, 0},
             {{"edid", "show", "edid.bin"}, 0},
             {{"edid", "write", "edid-bad.bin", "--no-backup", "--device", v41}, 1},
             {{"keyboard", "scan", "--seconds", "0", "--scenario", "keys.json", "--device", v41},
              0},
             {ite({"check"}), 0},
             {ite({"read", "ite-out.bin", "--read-twice"}), 0},
             {ite({"write", "ite.bin"}), 0},
             {ite({"write", "ite.bin", "--no-backup", "--scenario", "ite-silent.json"}), 1},
             {ite({"read", "ite-late.bin", "--scenario", "ite-bad.json"}), 1},
             {{"ite", "check", "--pins", "PD0=1 PD1=2", "--device", pcb3}, 64},
             {{"compare", "out.bin", "in.bin"}, 1, true},
             {{"start", "--mode", "ITE", "--device", "sim:pcb2-v42", "--timing", "instant"},
              0,
              true}},
            dir, "sim:pcb2-v42");
    }
}

// The program's, every group's and every command's --help (CLI11's own words too), found by
// walking the subcommand lists, with the language from the environment.
TEST(Translations, EveryCommandsHelpIsInOneLanguage) {
    std::vector<SessionRun> runs{{{"--help"}, 0, true}};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        std::vector<std::string> args = runs[i].args;
        args.insert(args.end() - 1, {"--lang", "original"});
        std::istringstream help(RunProgram("tolvane-jig-cli", args).out);
        bool listing = false;
        for (std::string line; std::getline(help, line);) {
            if (line == "Subcommands:") {
                listing = true;
            } else if (listing && line.rfind("  ", 0) == 0) {
                std::vector<std::string> command = runs[i].args;
                command.insert(command.end() - 1, line.substr(2, line.find(' ', 2) - 2));
                runs.push_back({command, 0, true});
            } else {
                listing = false;
            }
        }
    }
    EXPECT_GT(runs.size(), 30u);
    TempDir dir;
    for (const char* lang : {"en", "ru"}) {
        SCOPED_TRACE(lang);
        ExpectOneLanguage(lang, runs, dir, "");
    }
}
