// "jtag check", "jtag read" and "jtag write": the Nuvoton NPCE over JTAG.
#include "cli/CliApp.h"
#include "cli/CliSafety.h"
#include "cli/JtagCli.h"
#include "port/Tr.h"

namespace {
CliCommandBuilder& Common(CliCommandBuilder& command) {
    return command
        .Value("--script", "FILE.vss",
               Tr("Jtag",
                  "the preparation script (as chosen with \"###\"); default NUVOTON.vss beside "
                  "the program"))
        .Flag("--reversed",
              Tr("Jtag", "the cable is in pin 1 to pin 30 (the check box unchecked: TYPE A)"))
        .Flag("--yes",
              Tr("Jtag", "do not wait for Enter after the settings (the board is powered)"))
        .Flag("--stats",
              Tr("Jtag", "print wall time, the simulated JIG's time and CPU time of each phase"))
        .Device();
}

void AddJtagCommands(CliApp& cli) {
    CLI::App* jtag = cli.ModeGroup("NUVOTON jtag");
    auto check = cli.Command(jtag, "check",
                             Tr("Jtag", "Send the settings, check the JTAG identifier, play "
                                        "the script"),
                             [](const CliArgs& a) { return RunJtag(a, JtagJob::Check); });
    check.Details(Tr("Jtag",
                     "Routes the 30-contact cable (PCB3) or names the wires (PCB2), waits for the "
                     "board's power, reads the controller's JTAG identifier (0FE2201F) and plays "
                     "the script that prepares it."));
    Common(check).ExitStatus(
        Tr("Jtag",
           "0 identified and prepared, 1 failed, 2 no usable JIG or the script cannot be read, "
           "64 wrong usage"));
    auto read = cli.Command(jtag, "read", Tr("Jtag", "Read the whole flash into OUT.bin"),
                            [](const CliArgs& a) { return RunJtag(a, JtagJob::Read); });
    read.Details(Tr("Jtag", "Runs \"jtag check\", then reads the 128 KiB flash into OUT.bin."));
    Common(ReadTwiceFlag(read.Positional("OUT.bin", Tr("Jtag", "the file the flash is saved to"))))
        .ExitStatus(
            Tr("Jtag",
               "0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage"));
    auto write =
        cli.Command(jtag, "write", Tr("Jtag", "Erase the flash, write IN.bin and read it back"),
                    [](const CliArgs& a) { return RunJtag(a, JtagJob::Write); });
    write.Details(Tr("Jtag",
                     "Runs \"jtag check\", erases the flash and writes IN.bin (its first 128 "
                     "KiB; a shorter file is filled up with 0xFF), then runs the check again and "
                     "reads the flash back; a difference names its first offset."));
    Common(NoBackupFlag(write.Positional("IN.bin", Tr("Jtag", "the image to write"))))
        .Flag("--no-verify", Tr("Jtag", "do not read the flash back"))
        .ExitStatus(Tr(
            "Jtag", "0 written (and verified), 1 failed or differs, 2 no usable JIG, IN.bin or the "
                    "script cannot be read, 64 wrong usage"));
}
const CliRegistration kJtag{70, AddJtagCommands};
} // namespace
