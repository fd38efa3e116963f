#include "cli/CliCommand.h"

int RunIdentify(const CliArgs& args);
int RunEdidRead(const CliArgs& args);
int RunEdidWrite(const CliArgs& args);
int RunEdidShow(const CliArgs& args);
int RunKeyboardScan(const CliArgs& args);

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
