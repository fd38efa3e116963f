#include "cli/CliCommand.h"

int RunIdentify(const CliArgs& args);
int RunStart(const CliArgs& args);
int RunEneRead(const CliArgs& args);
int RunEneWrite(const CliArgs& args);
int RunEneFfc(const CliArgs& args);
int RunEdidRead(const CliArgs& args);
int RunEdidWrite(const CliArgs& args);
int RunEdidShow(const CliArgs& args);
int RunKeyboardScan(const CliArgs& args);

namespace {
const char* const kEneCableHelp =
    "  --mb TEXT      flexible cable: the motherboard, a line of \"MB connection ENE.txt\"\n"
    "                 (current folder) equal to or containing TEXT, or an entry of its own\n"
    "                 (\"NAME KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8\")\n"
    "  --cable C      the cable: 18, 20, 24, 25, 26, 28, 30 or 32 pin (\"30 pin\")\n"
    "  --mirrored     pin 1 of the cable is not on pin 1 of the keyboard connector\n"
    "  --stats        print bytes moved, wall time, CPU time and the simulated JIG's time\n";
} // namespace

const std::vector<CliCommand>& CliCommands() {
    static const std::vector<CliCommand> commands{
        {{"identify"},
         "identify [--device D] [--scenario F] [--timing T]",
         "Finds the JIG, identifies it and prints its version text and board (PCB2 or PCB3).\n"
         "Exit status: 0 identified, 2 no JIG (\"FTDI device not found\" or\n"
         "\"FTDI found, ERROR answer\").",
         {},
         {},
         0,
         0,
         RunIdentify},
        {{"start"},
         "start --mode NAME [--device D] [--scenario F] [--timing T]",
         "Start as the main window does it: identifies the JIG and makes it run the firmware of\n"
         "the working mode NAME (\"ENE KB90XX\", \"MEC jtag\", \"ITE\", \"NUVOTON spi\",\n"
         "\"NUVOTON jtag\", \"EDID lcd\" or \"Keyboard testing\"): a PCB2 is reflashed over its\n"
         "bootloader, an outdated PCB3 is updated from its package. Prints the update window's\n"
         "lines. When the JIG's reset button is needed the lines say so: a PCB2 bootloader must\n"
         "greet within 5 s, a PCB3 bootloader within 120 s.\n"
         "Exit status: 0 the JIG runs the mode's firmware, 1 the switch failed, 2 no JIG,\n"
         "64 no such mode.",
         {"mode"},
         {},
         0,
         0,
         RunStart},
        {{"ene", "read"},
         "ene read OUT.bin [--mb TEXT --cable C [--mirrored]] [--stats] [--device D]",
         std::string("Reads the 128 KiB flash of an ENE KB9010/9012/9016/9022 into OUT.bin.\n"
                     "Without --mb a PCB3 JIG is set back to soldered wires first; with --mb and\n"
                     "--cable it routes the flexible cable first (as \"ene ffc\").\n"
                     "Exit status: 0 read, 1 failed, 2 no usable JIG, 64 usage.\n\n") +
             kEneCableHelp,
         {"mb", "cable"},
         {"mirrored", "stats"},
         1,
         1,
         RunEneRead},
        {{"ene", "write"},
         "ene write IN.bin [--mb TEXT --cable C [--mirrored]] [--stats] [--device D]",
         std::string(
             "Writes IN.bin (its first 128 KiB; a shorter file is filled up with 0xFF)\n"
             "into the flash of an ENE KB90xx and verifies it.\n"
             "Exit status: 0 written and verified, 1 failed, 2 no usable JIG, 64 usage.\n\n") +
             kEneCableHelp,
         {"mb", "cable"},
         {"mirrored", "stats"},
         1,
         1,
         RunEneWrite},
        {{"ene", "ffc"},
         "ene ffc --mb TEXT --cable C [--mirrored] [--stats] [--device D]",
         std::string("Prints the wiring help for a motherboard on a flexible cable and, on a PCB3\n"
                     "JIG, routes the cable's contacts to the EC's lines through the CPLD.\n"
                     "Exit status: 0 routed, 1 failed (PCB2 JIG, bad entry), 2 no usable JIG,\n"
                     "64 usage.\n\n") +
             kEneCableHelp,
         {"mb", "cable"},
         {"mirrored", "stats"},
         0,
         0,
         RunEneFfc},
        {{"edid", "read"},
         "edid read OUT.bin [--device D] [--scenario F] [--timing T]",
         "Reads the panel's 256-byte EDID EEPROM, shows its hex dump and what the EDID says,\n"
         "and saves it to OUT.bin (replaced when it exists).\n"
         "Exit status: 0 saved, 1 the EEPROM or the file failed, 2 no usable JIG.",
         {},
         {},
         1,
         1,
         RunEdidRead},
        {{"edid", "write"},
         "edid write IN.bin [--yes] [--device D] [--scenario F] [--timing T]",
         "Writes IN.bin to the panel's EDID EEPROM: its first 256 bytes, a shorter file\n"
         "filled up with FF. An image whose EDID checksum is wrong is written only with --yes.\n"
         "Exit status: 0 written, 1 refused or failed (write-protected, no panel, bad file),\n"
         "2 no usable JIG.",
         {},
         {"yes"},
         1,
         1,
         RunEdidWrite},
        {{"edid", "show"},
         "edid show FILE.bin",
         "Shows the hex dump of an EDID image file and what it says (manufacturer, product,\n"
         "dates, version, preferred resolution, extensions, checksums). Needs no JIG.\n"
         "Exit status: 0 shown, 1 the file cannot be read.",
         {},
         {},
         1,
         1,
         RunEdidShow},
        {{"keyboard", "scan"},
         "keyboard scan [--seconds N] [--device D] [--scenario F] [--timing T]",
         "Scans the keyboard on the JIG's connector and prints each pin pair when it closes\n"
         "(\"3-5  (Shape69)\"), for N seconds or until Ctrl+C; then the pairs seen.\n"
         "Exit status: 0 stopped, 1 the JIG stopped answering (\"Device not found\"),\n"
         "2 no usable JIG.",
         {"seconds"},
         {},
         0,
         0,
         RunKeyboardScan},
    };
    return commands;
}
