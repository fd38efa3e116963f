#include "cli/CliSafety.h"

CliCommandBuilder& NoBackupFlag(CliCommandBuilder& command) {
    return command
        .Flag("--no-backup", "do not read the chip into a backup file (in "
                             "~/.local/share/tolvane-jig/backups) before erasing or writing it")
        .Flag("--force", "erase even when the backup reads blank (all FFh or 00h), which is "
                         "also what a read that never reached the chip gives");
}

CliCommandBuilder& ReadTwiceFlag(CliCommandBuilder& command) {
    return command.Flag("--read-twice", "read the chip twice and compare: any difference fails "
                                        "the read (a loose clip or a long wire)");
}

SafetyOptions CliSafety(const CliArgs& args) {
    return {.active = true,
            .backup = !args.Flag("no-backup"),
            .readTwice = args.Flag("read-twice"),
            .askBeforeErasingBlank = false,
            .eraseBlank = args.Flag("force")};
}
