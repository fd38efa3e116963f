// "ite boards" and --mb over the database's boards: names, not lines, and the file's comment is
// no board.
#include "support/Process.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

TEST(IteBoards, ListedByNameAndChosenExactlyFirst) {
    TempDir dir;
    WriteFileBytes(dir.File("MB connection ITE.txt"),
                   "This file lists boards.\n"
                   "LA-1234 rev10 PD0=12 PD1=13 PD2=14 PD3=15 PD4=16 PD5=17 PD6=18 PD7=19 BUSY=21 "
                   "STB=5 AFD=6 INIT=7 SLIN=8 KSI4=9 KSI5=10 KB_pins=24\n"
                   "LA-1234 rev1 PD0=1 PD1=13 PD2=14 PD3=15 PD4=16 PD5=17 PD6=18 PD7=19 BUSY=21 "
                   "STB=5 AFD=6 INIT=7 SLIN=8 KSI4=9 KSI5=10 KB_pins=24\n");
    ProcessResult r = RunProgram("tolvane-jig-cli", {"ite", "boards"}, dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "LA-1234 rev10\nLA-1234 rev1\n");

    // The exact name wins over the board whose name holds it; the apply sends its PD0.
    r = RunProgram(
        "tolvane-jig-cli",
        {"ite", "apply", "--mb", "LA-1234 rev1", "--device", "sim:pcb2-ite", "--timing", "instant"},
        dir.Path());
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    r = RunProgram("tolvane-jig-cli",
                   {"ite", "apply", "--mb", "la-1234", "--device", "sim:pcb2-ite"}, dir.Path());
    EXPECT_EQ(r.exitCode, 64);
    EXPECT_NE(r.err.find("matches several motherboards"), std::string::npos) << r.err;

    // From another folder the database beside the program serves.
    TempDir elsewhere;
    r = RunProgram("tolvane-jig-cli", {"ite", "boards"}, elsewhere.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out.rfind("Example board 1", 0), 0u) << r.out;
}
