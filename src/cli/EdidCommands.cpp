// "edid read", "edid write" and "edid show".
#include "cli/CliApp.h"
#include "cli/CliSafety.h"
#include "port/Tr.h"

int RunEdidRead(const CliArgs& args);
int RunEdidWrite(const CliArgs& args);
int RunEdidShow(const CliArgs& args);

namespace {
void AddEdidCommands(CliApp& cli) {
    CLI::App* edid = cli.ModeGroup("EDID lcd");
    auto read = cli.Command(edid, "read", Tr("Edid", "Read the EEPROM into OUT.bin"), RunEdidRead);
    ReadTwiceFlag(read)
        .Details(Tr("Edid",
                    "Reads the panel's 256-byte EDID EEPROM, shows its hex dump and what the EDID "
                    "says, and saves it to OUT.bin (replaced when it exists)."))
        .Positional("OUT.bin", Tr("Edid", "the file the EEPROM is saved to"))
        .Stats()
        .Device()
        .ExitStatus(
            Tr("Edid",
               "0 saved, 1 the EEPROM or the file failed, 2 no usable JIG or OUT.bin cannot be "
               "created, 64 wrong usage"));
    auto write =
        cli.Command(edid, "write", Tr("Edid", "Write IN.bin into the EEPROM"), RunEdidWrite);
    NoBackupFlag(write)
        .Details(Tr("Edid",
                    "Writes IN.bin to the panel's EDID EEPROM: its first 256 bytes, a shorter file "
                    "filled up with FF. An image whose EDID checksum is wrong is written only with "
                    "--yes."))
        .Positional("IN.bin", Tr("Edid", "the image to write"))
        .Flag("--yes", Tr("Edid", "write even when the image's EDID checksum is wrong"))
        .Device()
        .ExitStatus(Tr("Edid",
                       "0 written, 1 refused or failed (write-protected, no panel, bad file), 2 no "
                       "usable JIG or IN.bin cannot be read, 64 wrong usage"));
    cli.Command(edid, "show", Tr("Edid", "Show what an EDID image file says (no JIG)"), RunEdidShow)
        .Details(Tr("Edid",
                    "Shows the hex dump of an EDID image file and what it says (manufacturer, "
                    "product, dates, version, preferred resolution, extensions, checksums). Needs "
                    "no JIG."))
        .Positional("FILE.bin", Tr("Edid", "the image to show"))
        .Device(false)
        .ExitStatus(Tr("Edid", "0 shown, 2 the file cannot be read, 64 wrong usage"));
}
const CliRegistration kEdid{80, AddEdidCommands};
} // namespace
