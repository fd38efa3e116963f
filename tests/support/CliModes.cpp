#include "support/CliModes.h"

#include "modetable/ModeTable.h"
#include "support/EdidSamples.h"
#include "support/Pattern.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <regex>

namespace {
std::vector<CliModeCase> Cases() {
    const std::string kBackupTaken = "The chip is unchanged. No backup was taken.\n";
    const char* const kIteOtherPins = "PD0=1 PD1=2 PD2=3 PD3=4 PD4=11 PD5=12 PD6=13 PD7=14 "
                                      "BUSY=15 STB=16 AFD=17 INIT=18 SLIN=19 KSI4=20 KSI5=22";
    const auto& m = EdidSamples::kDesktopMonitor;
    // clang-format off
    return {
        {.mode = "NUVOTON spi", .capacity = 131072, .image = Pattern(131072, 31, 7),
         .read = {"Reading complete ...\n", "bytes moved:      131072 (file)"},
         .writeArgs = {"--stats"},
         // the file alone: its backup and read-back are in the bytes from the JIG
         .write = {"Nuvoton chip is programmed succesfully!\n", "bytes moved:      131072 (file)"},
         .refusalChip = R"({"id": [239, 64, 19, 0]})", .refusalArgs = {"read", "old.bin"},
         .refusal = "No connection to the NPCE! reading ID -> EF4013\n",
         .judgesImageFirst = true,
         .imageRefusedErr = "error: Ошибка открытия файла.\n" + kBackupTaken},
        {.mode = "NUVOTON jtag", .capacity = 131072, .image = Pattern(131072, 31, 7),
         .read = {"Reading complete. ", "\nscript "},
         .writeArgs = {"--stats"},
         // every second of the command is in a row: the backup and the rest included
         .write = {"Write complete! ", "Verify OK: the flash holds in.bin\n", "\nscript ",
                   "\nbackup ", "\nerase ", "\nread ", "\nother "},
         .phaseTable = true,
         .refusalArgs = {"read", "old.bin", "--reversed"}, .refusal = "Wrong ID. Break.\n",
         .imageRefusedErr = "error: Error open file!\n" + kBackupTaken,
         .verifyFaultChip = R"({"corruptAfterWrite": {"address": 70000}})",
         .verifyFault = "Verify FAILED: the flash differs from the file at offset 0x11170"},
        {.mode = "ENE KB90XX", .capacity = 131072, .image = Pattern(131072, 31, 7),
         .read = {"Reading completed successfully.\n", "bytes moved:      131072 (file)"},
         .write = {"Writing and verify is OK !\n"},
         .refusalChip = R"({"connected": false})", .refusalArgs = {"write", "in.bin"},
         .refusal = "No connection to the KB90XX!\n",
         .judgesImageFirst = true, .imageRefusedErr = "error: Error open file!\n" + kBackupTaken},
        {.mode = "MEC jtag", .capacity = 198656, .image = Pattern(196608, 31, 7),
         .read = {"Read FLASH complete.\n", "bytes moved:      196608 (file)"},
         .writeArgs = {"--stats"},
         .write = {"Стирание завершено успешно.\n", "Write FLASH complete.\n",
                   "Verification OK: MAIN is byte for byte in.bin\n",
                   "bytes moved:      393216 (file)"}, // written, read back; not the backup
         .refusalChip = R"({"fwp": true})", .refusalArgs = {"check"},
         .refusal = "--> FW write protect! (FWP ножка)\n",
         .judgesImageFirst = true, .imageReasonOnErr = true},
        {.mode = "EDID lcd", .capacity = 65536, .chipSize = 256,
         .image = std::string(m.begin(), m.end()),
         .read = {"Reading from the EEPROM is completed successfully.\n",
                  "bytes moved:      256 (file)"},
         .write = {"Writing data to EEPROM is completed successfully.\n"},
         .refusalChip = R"({"writeProtected": true})", .refusalArgs = {"write", "in.bin"},
         .refusal = "EEPROM does not respond, or write error! WP 7 pin = '0' ?\n",
         .imageRefusedErr = "error: Ошибка открытия файла.\n"},
        {.mode = "ITE", .wiring = {"--pins", kCliItePins},
         .capacity = 131072, .image = Pattern(131072, 31, 7),
         .read = {"Reading complete. \n", "bytes moved:      131072 (file)"},
         .writeArgs = {"--stats"},
         .write = {"All settings sent.\n", "WRITE complete.\n",
                   "Verify: the flash matches the file.\n",
                   "bytes moved:      393216 (file)"}, // backup, write, read-back
         .refusalArgs = {"check", "--pins", kIteOtherPins},
         .refusal = "ITE we do not respond, check the connection and settings. MB powered? (00)\n",
         .imageRefusedErr = kBackupTaken,
         .verifyFaultChip = R"({"stuckZeroBits": {"address": 74565, "mask": 16}})",
         .verifyFault = "Verify: the flash differs from the file at offset 0x12345 (EF / FF) "
                        "(flash / file)"},
    };
    // clang-format on
}

void ExpectLines(const ProcessResult& r, const std::vector<std::string>& lines,
                 const std::string& what) {
    for (const std::string& line : lines)
        EXPECT_TRUE(Says(r, line)) << what << ": " << line << "\n" << r.out << r.err;
}

} // namespace

const CliModeCase* FindCliModeCase(const std::string& mode) {
    static const std::vector<CliModeCase> cases = Cases();
    for (const CliModeCase& c : cases)
        if (mode == c.mode)
            return &c;
    return nullptr;
}

std::size_t ChipSize(const CliModeCase& m) {
    return m.chipSize ? m.chipSize : m.capacity;
}

std::string CliGroup(const CliModeCase& m) {
    return FindMode(m.mode)->cliGroup;
}

bool Says(const ProcessResult& r, const std::string& text) {
    return r.out.find(text) != std::string::npos;
}

std::string ModeTestName(std::string mode) {
    std::erase_if(mode, [](char c) { return !std::isalnum(c); });
    return mode;
}

std::string ChipScenario(const CliModeCase& m, const std::string& chip, const std::string& more) {
    return R"({"chips": {")" + std::string(FindMode(m.mode)->scenarioSection) + R"(": )" +
           (chip.empty() ? "{}" : chip) + "}" + more + "}";
}

std::string FlashScenario(const CliModeCase& m, const TempDir& dir) {
    WriteFileBytes(dir.File("flash.bin"), Pattern(ChipSize(m), 29, 3));
    WriteFileBytes(dir.File("s.json"), ChipScenario(m, R"({"file": "flash.bin"})"));
    return dir.File("s.json");
}

void CliRoundTrip(const CliModeCase& m, const TempDir& dir, const CliRun& cli, bool jigFigures) {
    auto run = [&](std::vector<std::string> args, const std::vector<std::string>& more = {}) {
        args.insert(args.begin(), CliGroup(m));
        args.insert(args.end(), more.begin(), more.end());
        args.insert(args.end(), m.wiring.begin(), m.wiring.end());
        return cli(args);
    };
    // Bytes moved one `way` (1 to the JIG, 2 from it) by the command or its phase `row`: a bit
    // more than the file; a write reads the chip twice (its backup and its read-back).
    auto expectMoved = [&](const ProcessResult& r, const std::string& row, int way, double least,
                           double most) {
        if (!jigFigures)
            return;
        const std::regex bytes =
            m.phaseTable
                ? std::regex("\n" + row + R"( [^\n]* (\d+) +(\d+)\n)")
                : std::regex(R"(bytes moved: +\d+ \(file\), (\d+) to the JIG, (\d+) from)");
        std::smatch got;
        ASSERT_TRUE(std::regex_search(r.out, got, bytes)) << row << "\n" << r.out;
        const double moved = std::stod(got[way]), size = static_cast<double>(m.image.size());
        EXPECT_TRUE(moved >= least * size && moved <= most * size)
            << row << ": " << moved << " bytes for a file of " << size;
    };
    const std::string before = ReadFileText(dir.File("flash.bin"));
    ProcessResult r = run({"read", "out.bin", "--stats"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    ExpectLines(r, m.read, "read");
    EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == before.substr(0, m.image.size()));
    expectMoved(r, "read", 2, 1, 1.1);

    WriteFileBytes(dir.File("in.bin"), m.image);
    r = run({"write", "in.bin"}, m.writeArgs);
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    ExpectLines(r, m.write, "write");
    if (std::ranges::count(m.writeArgs, "--stats")) {
        expectMoved(r, "write", 1, 1, 1.5);
        expectMoved(r, "total", 2, 2, 2.1);
    }
    EXPECT_TRUE(ReadFileText(dir.File("flash.bin")) == m.image + before.substr(m.image.size()));
}
