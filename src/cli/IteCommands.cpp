// "ite check", "ite read", "ite write", "ite apply" and "ite boards".
#include "cli/CliApp.h"
#include "cli/CliSafety.h"
#include "cli/IteCli.h"
#include "port/Tr.h"

namespace {
int RunIteCheck(const CliArgs& args) {
    return RunIteCommand(args, IteOperation::Check);
}
int RunIteApply(const CliArgs& args) {
    return RunIteCommand(args, IteOperation::Apply);
}
int RunIteRead(const CliArgs& args) {
    return RunIteCommand(args, IteOperation::Read);
}
int RunIteWrite(const CliArgs& args) {
    return RunIteCommand(args, IteOperation::Write);
}

CliCommandBuilder& WiringOptions(CliCommandBuilder& command) {
    return command
        .Value("--mb", "TEXT",
               Tr("Ite",
                  "the motherboard of \"MB connection ITE.txt\": the one named TEXT, else the only "
                  "one whose name holds TEXT in any case (\"ite boards\" lists them)"))
        .Value("--pins", "LINE",
               Tr("Ite", "the wiring in the database's own syntax: \"PD0=12 PD1=13 ... KSI5=10 "
                         "KB_pins=26\" (KB_pins only for --reversed)"))
        .Flag("--reversed",
              Tr("Ite", "the cable is reversed: contact 1 of the JIG is on the last contact "
                        "of the keyboard connector (mirrors the wiring with KB_pins)"))
        .Stats();
}

void AddIteCommands(CliApp& cli) {
    CLI::App* ite = cli.ModeGroup("ITE");
    const std::string wiring =
        Tr("Ite", " The wiring (--mb or --pins) is sent to the JIG first, as APPLY does.");
    auto check = cli.Command(ite, "check", Tr("Ite", "Check the connection and show the EC's ID"),
                             RunIteCheck);
    check.Details(Tr("Ite", "Asks the JIG whether the ITE EC answers and reads its identifier "
                            "and revision. Power the board within 5 seconds of the start.") +
                  wiring);
    WiringOptions(check).Device().ExitStatus(
        Tr("Ite",
           "0 the EC answered, 1 it did not (or the JIG refused the wiring), 2 no usable JIG or "
           "no database, 64 wrong usage"));
    auto apply = cli.Command(ite, "apply", Tr("Ite", "Send the wiring to the JIG"), RunIteApply);
    apply.Details(Tr("Ite",
                     "Sends the contact of each of the fifteen EC signals to the JIG (APPLY); the "
                     "JIG keeps it for the following operations."));
    WiringOptions(apply).Device().ExitStatus(
        Tr("Ite", "0 sent, 1 the JIG refused it, 2 no usable JIG or no database, 64 wrong usage"));
    cli.Command(ite, "boards", Tr("Ite", "List the motherboards of the wiring database"),
                RunIteBoards)
        .Details(Tr("Ite",
                    "Prints the name of each motherboard of \"MB connection ITE.txt\", one a line: "
                    "what --mb takes."))
        .ExitStatus(Tr("Ite", "0 listed, 2 no database"));
    auto read =
        cli.Command(ite, "read", Tr("Ite", "Read the whole flash into OUT.bin"), RunIteRead);
    read.Details(Tr("Ite", "Reads the 128 KiB flash behind the ITE EC into OUT.bin.") + wiring);
    WiringOptions(
        ReadTwiceFlag(read.Positional("OUT.bin", Tr("Ite", "the file the flash is saved to"))))
        .Device()
        .ExitStatus(Tr(
            "Ite",
            "0 read, 1 failed, 2 no usable JIG, no database or OUT.bin cannot be created, 64 wrong "
            "usage"));
    auto write = cli.Command(ite, "write", Tr("Ite", "Erase the flash, write IN.bin and verify it"),
                             RunIteWrite);
    write.Details(Tr("Ite", "Erases the flash behind the ITE EC and writes IN.bin (its first "
                            "128 KiB; a shorter file is filled up with 0xFF), then reads the "
                            "flash back and compares (--no-verify skips that).") +
                  wiring);
    WiringOptions(NoBackupFlag(write.Positional("IN.bin", Tr("Ite", "the image to write"))))
        .Flag("--no-verify", Tr("Ite", "do not read the flash back after writing"))
        .Device()
        .ExitStatus(Tr(
            "Ite", "0 written (and verified), 1 failed or the flash differs (the first "
                   "differing offset is shown), 2 no usable JIG, no database or IN.bin cannot be "
                   "read, 64 wrong usage"));
}
const CliRegistration kIte{50, AddIteCommands};
} // namespace
