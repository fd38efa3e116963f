// Finding the files that lie beside the program, and keeping stand-ins away from real JIGs.
#include "port/ProgramFolder.h"
#include "shell/FirmwareFiles.h"
#include "support/SimFixture.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {
class ProgramFolderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::filesystem::create_directories(dir.File("bin"));
        std::filesystem::create_directories(dir.File("share/tolvane-jig"));
        std::filesystem::create_directories(dir.File("sim"));
        SetProgramFolder(dir.File("bin/"));
        SetSimFirmwareFolder(dir.File("sim"));
    }
    void TearDown() override {
        SetProgramFolder({});
        SetSimFirmwareFolder({});
    }
    TempDir dir;
};
} // namespace

TEST(ProgramFolder, DefaultsToTheFolderOfTheRunningExecutable) {
    EXPECT_EQ(std::filesystem::canonical(ProgramFolder()),
              std::filesystem::canonical(TOLVANE_BIN_DIR));
    EXPECT_EQ(SimFirmwareFolder(), ProgramFolder().parent_path() / "sim-firmware");
}

TEST_F(ProgramFolderTest, BesideTheProgramFirstThenTheInstalledShareFolder) {
    EXPECT_FALSE(FindBesideProgram("NUVOTON.vss").has_value());
    WriteFileBytes(dir.File("share/tolvane-jig/NUVOTON.vss"), "shared");
    EXPECT_EQ(FindBesideProgram("NUVOTON.vss"), dir.File("share/tolvane-jig/NUVOTON.vss"));
    WriteFileBytes(dir.File("bin/NUVOTON.vss"), "beside");
    EXPECT_EQ(FindBesideProgram("NUVOTON.vss"), dir.File("bin/NUVOTON.vss"));
}

// The databases are looked for in the working folder first, and beside the program after it.
TEST_F(ProgramFolderTest, TheWorkingFolderFirstThenBesideTheProgram) {
    const std::string name = "MB connection test.txt";
    WriteFileBytes(dir.File("bin/" + name), "beside");
    EXPECT_EQ(LookUpFile(name, LookFirst::WorkingFolder).found, dir.File("bin/" + name));
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(dir.File("sim"));
    WriteFileBytes(dir.File("sim/" + name), "here");
    const auto found = LookUpFile(name, LookFirst::WorkingFolder).found;
    std::filesystem::current_path(before);
    ASSERT_TRUE(found);
    EXPECT_TRUE(std::filesystem::equivalent(*found, dir.File("sim/" + name)));
}

TEST_F(ProgramFolderTest, StandInsServeOnlyTheSimulatedJigAndComeFirstThere) {
    WriteFileBytes(dir.File("sim/M88_jtag.hex"), "stand-in");
    FirmwareFile real = LocateFirmware("M88_jtag.hex", false);
    EXPECT_FALSE(real.found);
    EXPECT_EQ(real.path, dir.File("bin/M88_jtag.hex"));
    WriteFileBytes(dir.File("bin/M88_jtag.hex"), "real");
    EXPECT_EQ(LocateFirmware("M88_jtag.hex", false).path, dir.File("bin/M88_jtag.hex"));
    FirmwareFile sim = LocateFirmware("M88_jtag.hex", true);
    EXPECT_TRUE(sim.found);
    EXPECT_EQ(sim.path, dir.File("sim/M88_jtag.hex"));
}

TEST_F(ProgramFolderTest, InstalledStandInsLieUnderLibUnlessTheBuildTreeHasItsOwn) {
    SetSimFirmwareFolder({});
    EXPECT_EQ(SimFirmwareFolder(), dir.File("lib/tolvane-jig/sim-firmware"));
    std::filesystem::create_directories(dir.File("sim-firmware"));
    EXPECT_EQ(SimFirmwareFolder(), dir.File("sim-firmware"));
}

TEST_F(ProgramFolderTest, ReadingStopsAtTheLimit) {
    WriteFileBytes(dir.File("bin/long.hex"), std::string(100, 'x'));
    EXPECT_EQ(ReadFirmwareBytes(dir.File("bin/long.hex"), 64)->size(), 64u);
    EXPECT_EQ(ReadFirmwareBytes(dir.File("bin/long.hex"), 1000)->size(), 100u);
}
