// The command line itself: versions, every command's help, wrong usage (exit status 64), and
// README's command list against the commands that exist.
#include "support/Process.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sstream>

namespace {
using Words = std::vector<std::string>;

ProcessResult Cli(const Words& args) {
    TempDir cwd;
    return RunProgram("tolvane-jig-cli", args, cwd.Path());
}

bool Has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The command words of each "tolvane-jig-cli ..." line of README.md ("ene read").
std::vector<Words> ReadmeCommands() {
    std::istringstream readme(ReadFileText(TOLVANE_SOURCE_DIR "/README.md"));
    std::vector<Words> commands;
    for (std::string line; std::getline(readme, line);) {
        if (!line.starts_with("tolvane-jig-cli "))
            continue;
        std::istringstream words(line.substr(16));
        Words& command = commands.emplace_back();
        for (std::string w; words >> w && w[0] >= 'a' && w[0] <= 'z' && !Has(w, ".");)
            command.push_back(w);
    }
    return commands;
}
} // namespace

TEST(CliUsage, VersionNamesTheProgramAndTheJigProtocol) {
    for (const char* program : {"tolvane-jig-cli", "tolvane-jig", "tolvane-jig-sim"}) {
        TempDir cwd;
        const ProcessResult r = RunProgram(program, {"--version"}, cwd.Path());
        EXPECT_EQ(r.exitCode, 0) << program << r.err;
        EXPECT_TRUE(r.out.starts_with(std::string(program) + " 4.A\n")) << r.out;
        EXPECT_TRUE(Has(r.out, "JIG protocol: PCB3 firmware M328_EPM240_v16, PCB2 M88 mode "
                               "firmwares V41, V42, ITE, NPCE\n"))
            << r.out;
    }
}

// Walks the commands as --help lists them: each has a help of its own with its exit status,
// and README names no other.
TEST(CliUsage, EveryCommandHasItsOwnHelpAndReadmeNamesNoOther) {
    std::vector<Words> pending{{}};
    std::set<Words> seen;
    std::size_t commands = 0;
    while (!pending.empty()) {
        Words command = pending.back();
        pending.pop_back();
        seen.insert(command);
        Words args = command;
        args.push_back("--help");
        const ProcessResult r = Cli(args);
        std::string name = "tolvane-jig-cli";
        for (const std::string& w : command)
            name += " " + w;
        EXPECT_EQ(r.exitCode, 0) << name;
        EXPECT_EQ(r.err, "") << name;
        EXPECT_TRUE(Has(r.out, "Usage: " + name + " ")) << r.out;
        EXPECT_TRUE(Has(r.out, "Exit status: ")) << r.out;
        // The shell's completion offers what the help lists: the commands, or files.
        Words complete{"__complete"};
        complete.insert(complete.end(), command.begin(), command.end());
        const std::string offered = "\n" + Cli(complete).out;
        EXPECT_TRUE(Has(offered, "\n--help\n")) << name << offered;
        const std::size_t list = r.out.find("\nSubcommands:\n");
        if (list == std::string::npos) {
            EXPECT_EQ(Has(offered, "\n<files>\n"), Has(r.out, "Positionals:")) << name << offered;
            ++commands;
            continue;
        }
        std::istringstream lines(r.out.substr(list + 14));
        for (std::string line; std::getline(lines, line) && line.starts_with("  ");) {
            Words sub = command;
            sub.push_back(line.substr(2, line.find(' ', 2) - 2));
            EXPECT_TRUE(Has(offered, "\n" + sub.back() + "\n")) << name << offered;
            pending.push_back(sub);
        }
    }
    EXPECT_EQ(commands, 27u);
    const std::vector<Words> readme = ReadmeCommands();
    EXPECT_GE(readme.size(), 9u);
    for (const Words& command : readme)
        EXPECT_TRUE(seen.count(command)) << command.front();
}

// After an option the completion offers its values: the choices its checker or its value name
// lists, the devices and simulated boards, or files.
TEST(CliUsage, CompletionOffersAnOptionsValues) {
    EXPECT_EQ(Cli({"__complete", "ene", "read", "--timing"}).out, "wire\ninstant\n");
    EXPECT_EQ(Cli({"__complete", "ite", "read", "--lang"}).out, "en\nru\noriginal\n");
    EXPECT_EQ(Cli({"__complete", "jtag", "check", "--script"}).out, "<files>\n");
    const std::string devices = Cli({"__complete", "list", "--device"}).out;
    EXPECT_TRUE(devices.starts_with("usb\n")) << devices;
    EXPECT_TRUE(devices.ends_with("\ntty:\nsim\nsim:pcb3\nsim:pcb3-old\nsim:pcb2-v41\n"
                                  "sim:pcb2-v42\nsim:pcb2-ite\nsim:pcb2-npce\n"))
        << devices;
    // Its one file given, a command offers its options and no second file.
    const std::string after =
        Cli({"__complete", "ene", "read", "x.bin", "--device", "sim:pcb3", "--stats"}).out;
    EXPECT_TRUE(Has(after, "\n--mb\n")) << after;
    EXPECT_FALSE(Has(after, "<files>")) << after;
}

TEST(CliUsage, WrongUsageSaysWhatIsWrongAndExits64) {
    struct Case {
        Words args;
        const char* says;
    };
    const std::vector<Case> cases{
        {{}, "Usage: tolvane-jig-cli"},
        {{"flash"}, "unknown command \"flash\": tolvane-jig-cli takes identify, list, start, ene"},
        {{"ene"}, "A subcommand is required"},
        {{"ene", "erase", "x.bin"}, "unknown command \"erase\": tolvane-jig-cli ene takes read"},
        {{"edid", "read"}, "OUT.bin is required"},
        {{"edid", "read", "a.bin", "b.bin"}, "not expected: b.bin"},
        {{"identify", "--bogus"}, "--bogus"},
        {{"identify", "--timing", "fast"}, "--timing"},
        {{"start", "--device", "sim"}, "--mode is required"},
    };
    for (const Case& c : cases) {
        const ProcessResult r = Cli(c.args);
        EXPECT_EQ(r.exitCode, 64) << c.says;
        EXPECT_TRUE(Has(r.err, c.says)) << r.err;
        EXPECT_EQ(r.out, "") << c.says;
    }
}

TEST(CliUsage, ProgramRefusesWhatNeitherItNorQtTakes) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0); // the program starts Qt before it refuses
    TempDir cwd;
    const ProcessResult r = RunProgram("tolvane-jig", {"--no-such-option"}, cwd.Path());
    EXPECT_EQ(r.exitCode, 64);
    EXPECT_TRUE(Has(r.err, "--no-such-option")) << r.err;
}
