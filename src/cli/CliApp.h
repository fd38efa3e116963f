#pragma once
// The command line of tolvane-jig-cli, parsed by CLI11. A command group lives in a file of its
// own and adds itself with one CliRegistration at namespace scope:
//
//     void AddMecCommands(CliApp& cli) {
//         CLI::App* mec = cli.ModeGroup("MEC jtag");
//         cli.Command(mec, "read", Tr("Mec", "Reads the flash into OUT.bin"), RunMecRead)
//             .Positional("OUT.bin", Tr("Mec", "the file the flash is saved to"))
//             .Stats()
//             .Device()
//             .ExitStatus(Tr("Mec", "0 read, 1 failed, 2 no usable JIG, 64 wrong usage"));
//     }
//     const CliRegistration kMec{40, AddMecCommands};
//
// Every text goes through Tr in the mode's context (Translations.EveryCommandsHelpIsInOneLanguage
// finds one that does not). The number orders the groups in --help. Registration runs before
// main(), so the files must be linked into the executable itself (they are: every src/cli/*.cpp
// is).
#include "cli/CliCommand.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

// CLI11 is heavy to compile: only CliApp.cpp includes it, command files see the App by pointer.
namespace CLI {
class App;
}

using CliRun = std::function<int(const CliArgs&)>;

// Fills one command's CliArgs from its options; every call returns itself for chaining.
class CliCommandBuilder {
  public:
    CliCommandBuilder(CLI::App* command, std::shared_ptr<CliArgs> args)
        : command_(command), args_(std::move(args)) {}

    // A required argument without a dash ("OUT.bin"), in order.
    CliCommandBuilder& Positional(const std::string& name, const std::string& help);
    // "--name VALUE": kept in args.values["name"] when given.
    CliCommandBuilder& Value(const std::string& option, const std::string& typeName,
                             const std::string& help, bool required = false);
    // "--name": kept in args.flags.
    CliCommandBuilder& Flag(const std::string& option, const std::string& help);
    // --stats: the figures of the operation, the same for every command that moves a flash.
    CliCommandBuilder& Stats();
    // --device, --scenario and --timing; `shown` false accepts them without listing them.
    CliCommandBuilder& Device(bool shown = true);
    // What the command does, at length, under its own --help (the summary is one line).
    CliCommandBuilder& Details(const std::string& text);
    // "Exit status: ..." under the command's help.
    CliCommandBuilder& ExitStatus(const std::string& text);
    CLI::App* App() const { return command_; }

  private:
    void SetFooter();
    CLI::App* command_;
    std::shared_ptr<CliArgs> args_;
    std::string details_;
    std::string exitStatus_;
};

class CliApp {
  public:
    explicit CliApp(std::string name = "tolvane-jig-cli");
    ~CliApp();
    CliApp(const CliApp&) = delete;
    CliApp& operator=(const CliApp&) = delete;

    CLI::App& Root() { return *app_; }
    // A word that one of its commands must follow ("ene" read).
    CLI::App* Group(const std::string& name, const std::string& description);
    // A working mode's group: its word and description are the mode table's.
    CLI::App* ModeGroup(const std::string& mode);
    // A command that runs `run`; `parent` is Root() or a group; `summary` is one short line.
    CliCommandBuilder Command(CLI::App* parent, const std::string& name, const std::string& summary,
                              CliRun run);

    // Parses and runs the chosen command. Wrong usage prints why and returns 64; --help and
    // --version print and return 0.
    int Run(int argc, char** argv);

  private:
    // False (and why, on stderr) when a word where a command belongs names none.
    bool KnownCommand(int argc, char** argv);
    std::unique_ptr<CLI::App> app_;
    CliRun chosen_;
    std::shared_ptr<CliArgs> chosenArgs_;
};

// Adds a command group to every CliApp; `order` places it in --help (lower first).
struct CliRegistration {
    CliRegistration(int order, void (*add)(CliApp&));
};
