// "npce read" and "npce write".
#include "cli/CliApp.h"
#include "cli/CliSafety.h"
#include "cli/NpceCli.h"
#include "port/Tr.h"

namespace {
int RunNpceRead(const CliArgs& args) {
    return RunNpceTransfer(args, false);
}

int RunNpceWrite(const CliArgs& args) {
    return RunNpceTransfer(args, true);
}

void AddNpceCommands(CliApp& cli) {
    CLI::App* npce = cli.ModeGroup("NUVOTON spi");
    auto read =
        cli.Command(npce, "read", Tr("Npce", "Read the whole flash into OUT.bin"), RunNpceRead);
    ReadTwiceFlag(read)
        .Details(Tr("Npce",
                    "Reads the 128 KiB SPI flash of a Nuvoton NPCE288N/388N into OUT.bin, after "
                    "checking the flash ID (EF 40 12). OUT.bin is replaced only by a read that "
                    "succeeded; otherwise the blocks received are kept in OUT.bin.partial."))
        .Positional("OUT.bin", Tr("Npce", "the file the flash is saved to"))
        .Stats()
        .Device()
        .ExitStatus(
            Tr("Npce",
               "0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage"));
    auto write = cli.Command(
        npce, "write", Tr("Npce", "Erase the flash, write IN.bin and verify it"), RunNpceWrite);
    NoBackupFlag(write)
        .Details(Tr("Npce",
                    "Erases the flash of a Nuvoton NPCE288N/388N, checks that it is blank, writes "
                    "IN.bin (at most 128 KiB; a shorter file is filled up with FFh) in 256-byte "
                    "pages and verifies it by reading it back. The file is checked before the JIG "
                    "is asked for anything."))
        .Positional("IN.bin", Tr("Npce", "the image to write"))
        .Stats()
        .Device()
        .ExitStatus(Tr("Npce", "0 written and verified, 1 failed or IN.bin refused (empty, too "
                               "large), 2 no usable JIG or IN.bin cannot be read, 64 wrong usage"));
}
const CliRegistration kNpce{60, AddNpceCommands};
} // namespace
