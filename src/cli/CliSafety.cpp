#include "cli/CliSafety.h"
#include "port/Tr.h"

#include <cstdio>
#include <sys/stat.h>

CliCommandBuilder& NoBackupFlag(CliCommandBuilder& command) {
    return command
        .Flag("--no-backup",
              Tr("Cli", "do not read the chip into a backup file (in "
                        "~/.local/share/tolvane-jig/backups) before erasing or writing it"))
        .Flag("--force", Tr("Cli", "erase even when the backup reads blank (all FFh or 00h), "
                                   "which is also what a read that never reached the chip "
                                   "gives"));
}

CliCommandBuilder& ReadTwiceFlag(CliCommandBuilder& command) {
    return command.Flag("--read-twice", Tr("Cli", "read the chip twice and compare: any "
                                                  "difference fails the read (a loose clip or a "
                                                  "long wire)"));
}

SafetyOptions CliSafety(const CliArgs& args) {
    return {.active = true,
            .backup = !args.Flag("no-backup"),
            .readTwice = args.Flag("read-twice"),
            .askBeforeErasingBlank = false,
            .eraseBlank = args.Flag("force")};
}

namespace {
// Quoted for a POSIX shell when it holds anything but plain characters.
std::string ShellWord(const std::string& word) {
    const bool plain =
        !word.empty() && word.find_first_not_of("abcdefghijklmnopqrstuvwxyz"
                                                "ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                                "0123456789-_./:=+,@") == std::string::npos;
    if (plain)
        return word;
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

bool StdoutIsStderr() {
    struct stat out {
    }, err{};
    return fstat(1, &out) == 0 && fstat(2, &err) == 0 && out.st_dev == err.st_dev &&
           out.st_ino == err.st_ino;
}
} // namespace

void PrintChipState(const std::string& chipState, const CliArgs& args,
                    const std::string& writeCommand, const std::string& backup, bool inLog) {
    if (chipState.empty())
        return;
    std::fflush(stdout);
    if (!inLog || !StdoutIsStderr())
        std::fprintf(stderr, "%s\n", chipState.c_str());
    if (backup.empty())
        return;
    std::string command = "tolvane-jig-cli " + writeCommand + " " + ShellWord(backup) +
                          " --device " + ShellWord(args.device.device);
    if (!args.device.scenarioFile.empty())
        command += " --scenario " + ShellWord(args.device.scenarioFile);
    std::fprintf(stderr, "%s%s\n", Tr("Cli", "To put it back: ").c_str(), command.c_str());
}
