// "mec check", "mec read", "mec erase" and "mec write".
#include "cli/CliApp.h"
#include "cli/CliSafety.h"
#include "port/Tr.h"

int RunMecCheck(const CliArgs& args);
int RunMecRead(const CliArgs& args);
int RunMecErase(const CliArgs& args);
int RunMecWrite(const CliArgs& args);

namespace {
void AddMecCommands(CliApp& cli) {
    CLI::App* mec = cli.ModeGroup("MEC jtag");
    cli.Command(mec, "check",
                Tr("Mec", "Check the JTAG connection: ID, registers, FWP and Boot_Lock"),
                RunMecCheck)
        .Details(Tr("Mec",
                    "Reads the JTAG ID and the registers FFFD00h, FF3908h, FF3910h and FF390Ch "
                    "of a MEC16xx and tells whether the nFWP pin or Boot_Lock protects its "
                    "flash. Nothing is written to the controller."))
        .Stats()
        .Device()
        .ExitStatus(Tr("Mec", "0 connected and not protected, 1 a step failed or the flash is "
                              "protected, 2 no usable JIG, 64 wrong usage"));
    ReadTwiceFlag(
        cli.Command(mec, "read", Tr("Mec", "Read MAIN (192 KiB) or MAIN+INFO into OUT.bin"),
                    RunMecRead)
            .Details(Tr(
                "Mec", "Reads the MAIN block of a MEC16xx (196608 bytes) into OUT.bin; with --info "
                       "the 2048 INFO bytes follow it (198656 bytes)."))
            .Positional("OUT.bin", Tr("Mec", "the file the flash is saved to"))
            .Flag("--info", Tr("Mec", "also read the INFO block, after MAIN")))
        .Stats()
        .Device()
        .ExitStatus(
            Tr("Mec",
               "0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage"));
    NoBackupFlag(
        cli.Command(mec, "erase", Tr("Mec", "Erase MAIN (with --info also INFO)"), RunMecErase)
            .Details(Tr("Mec",
                        "Erases the MAIN block of a MEC16xx, with --info MAIN and INFO. Refused "
                        "while the nFWP pin or Boot_Lock protects the flash."))
            .Flag("--info", Tr("Mec", "also erase the INFO block (no command writes it back)"))
            .Flag("--yes", Tr("Mec", "agree to erase INFO; without it --info is refused")))
        .Stats()
        .Device()
        .ExitStatus(Tr("Mec", "0 erased, 1 failed or protected, 2 no usable JIG, 64 wrong usage"));
    NoBackupFlag(
        cli.Command(mec, "write", Tr("Mec", "Erase, write IN.bin into MAIN, read back and compare"),
                    RunMecWrite)
            .Details(
                Tr("Mec",
                   "Writes the first 196608 bytes of IN.bin into the MAIN block of a MEC16xx (a "
                   "shorter file is filled up with 0xFF; INFO is left as it is). MAIN is erased "
                   "first and read back afterwards; a difference names the first differing "
                   "offset. The erase (or, with --no-erase, the write) reads MAIN and INFO "
                   "into a backup file first."))
            .Positional("IN.bin", Tr("Mec", "the image to write"))
            .Flag("--no-erase", Tr("Mec", "do not erase MAIN first (it must already be blank)"))
            .Flag("--no-verify", Tr("Mec", "do not read MAIN back")))
        .Stats()
        .Device()
        .ExitStatus(
            Tr("Mec",
               "0 written (and verified), 1 failed or differs, 2 no usable JIG or IN.bin cannot "
               "be read, 64 wrong usage"));
}
const CliRegistration kMec{40, AddMecCommands};
} // namespace
