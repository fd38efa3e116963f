// "ene read", "ene write" and "ene ffc".
#include "cli/CliApp.h"
#include "cli/CliSafety.h"
#include "port/Tr.h"

int RunEneRead(const CliArgs& args);
int RunEneWrite(const CliArgs& args);
int RunEneFfc(const CliArgs& args);

namespace {
CliCommandBuilder& CableOptions(CliCommandBuilder& command) {
    return command
        .Value("--mb", "TEXT",
               Tr("Ene",
                  "flexible cable: the motherboard, a line of \"MB connection ENE.txt\" (current "
                  "folder) equal to or containing TEXT, or an entry of its own (\"NAME KSO3=12 "
                  "KSI4=5 KSI5=6 KSI6=7 KSI7=8\")"))
        .Value("--cable", "C",
               Tr("Ene", "the cable: 18, 20, 24, 25, 26, 28, 30 or 32 pin (\"30 pin\")"))
        .Flag("--mirrored",
              Tr("Ene", "pin 1 of the cable is not on pin 1 of the keyboard connector"))
        .Stats();
}

void AddEneCommands(CliApp& cli) {
    CLI::App* ene = cli.ModeGroup("ENE KB90XX");
    auto read =
        cli.Command(ene, "read", Tr("Ene", "Read the whole flash into OUT.bin"), RunEneRead);
    read.Details(Tr("Ene", "Reads the 128 KiB flash of an ENE KB9010/9012/9016/9022 into "
                           "OUT.bin. Without --mb a PCB3 JIG is set back to soldered wires "
                           "first; with --mb and --cable it routes the flexible cable first (as "
                           "\"ene ffc\")."));
    CableOptions(
        ReadTwiceFlag(read.Positional("OUT.bin", Tr("Ene", "the file the flash is saved to"))))
        .Device()
        .ExitStatus(
            Tr("Ene",
               "0 read, 1 failed, 2 no usable JIG or OUT.bin cannot be created, 64 wrong usage"));
    auto write = cli.Command(ene, "write", Tr("Ene", "Write IN.bin into the flash and verify it"),
                             RunEneWrite);
    write.Details(Tr("Ene",
                     "Writes IN.bin (at most 128 KiB; a shorter file is filled up with "
                     "0xFF) into the flash of an ENE KB90xx and verifies it. An empty or larger "
                     "file, or one that is not a regular file, is refused before anything is "
                     "erased. Ctrl-C stops between two blocks and says where the chip stands."));
    CableOptions(NoBackupFlag(write.Positional("IN.bin", Tr("Ene", "the image to write"))))
        .Device()
        .ExitStatus(
            Tr("Ene", "0 written and verified, 1 failed or IN.bin refused (empty, too large), 2 no "
                      "usable JIG "
                      "or IN.bin cannot be read, 64 wrong usage"));
    auto ffc = cli.Command(
        ene, "ffc", Tr("Ene", "Route a flexible cable (PCB3) and print its wiring"), RunEneFfc);
    ffc.Details(Tr("Ene", "Prints the wiring help for a motherboard on a flexible cable and, on "
                          "a PCB3 JIG, routes the cable's contacts to the EC's lines through the "
                          "CPLD. Needs --mb and --cable."));
    CableOptions(ffc).Device().ExitStatus(
        Tr("Ene", "0 routed, 1 failed (PCB2 JIG, bad entry), 2 no usable JIG, 64 wrong usage"));
}
const CliRegistration kEne{30, AddEneCommands};
} // namespace
