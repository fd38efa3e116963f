// The "ene" commands of tolvane-jig-cli: their exit status, output and the database lookup.
#include "support/SimFixture.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

namespace {
struct CliRun {
    int status = -1;
    std::string out;
};

// Runs the CLI in `folder` with the simulated JIG on instant timing.
CliRun Cli(const std::string& folder, const std::string& arguments) {
    const std::string command = "cd '" + folder + "' && '" TOLVANE_BIN_DIR "/tolvane-jig-cli' " +
                                arguments + " --timing instant 2>&1";
    CliRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.out.append(buffer, n);
    const int raw = pclose(pipe);
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return run;
}

bool Has(const CliRun& run, const std::string& text) {
    return run.out.find(text) != std::string::npos;
}
} // namespace

TEST(EneCli, ReadWriteAndTheirExitStatus) {
    TempDir dir;
    CliRun reading = Cli(dir.Path(), "ene read out.bin --device sim:pcb3 --stats");
    EXPECT_EQ(reading.status, 0) << reading.out;
    EXPECT_TRUE(Has(reading, "Reading completed successfully.\n"));
    EXPECT_TRUE(Has(reading, "bytes moved:      131072 (file)"));
    EXPECT_TRUE(Has(reading, "wire + JIG time:"));
    EXPECT_EQ(ReadFileText(dir.File("out.bin")).size(), 131072u);

    CliRun write = Cli(dir.Path(), "ene write out.bin --device sim:pcb2-v41");
    EXPECT_EQ(write.status, 0) << write.out;
    EXPECT_TRUE(Has(write, "Writing and verify is OK !\n"));

    WriteFileBytes(dir.File("scenario.json"), R"({"chips": {"ene": {"connected": false}}})");
    CliRun noEc = Cli(dir.Path(), "ene write out.bin --device sim:pcb3 --scenario scenario.json");
    EXPECT_EQ(noEc.status, 1) << noEc.out;
    EXPECT_TRUE(Has(noEc, "No connection to the KB90XX!\n"));

    WriteFileBytes(dir.File("nojig.json"), R"({"devices": []})");
    CliRun noJig = Cli(dir.Path(), "ene read out.bin --device sim --scenario nojig.json");
    EXPECT_EQ(noJig.status, 2) << noJig.out;
    CliRun outdated = Cli(dir.Path(), "ene read out.bin --device sim:pcb2-v42");
    EXPECT_EQ(outdated.status, 2) << outdated.out;
}

TEST(EneCli, FfcFindsTheBoardInTheDatabaseOfTheCurrentFolder) {
    TempDir dir;
    WriteFileBytes(dir.File("MB connection ENE.txt"),
                   "Board one KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8\r\n"
                   "Board two KSO3=3 KSI4=9 KSI5=10 KSI6=11 KSI7=13\n");
    CliRun ffc =
        Cli(dir.Path(), "ene ffc --mb 'Board one' --cable '30 pin' --mirrored --device sim:pcb3");
    EXPECT_EQ(ffc.status, 0) << ffc.out;
    EXPECT_TRUE(Has(ffc, "Please connect GND and:  A19 B26 C23 D24 E25 (only for JIG 2)\n"));
    EXPECT_TRUE(Has(
        ffc,
        "User select --> Board one KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8 (30 pin FFC) mirrored\n"));
    EXPECT_TRUE(Has(ffc, "Settings sent successfully!\n"));

    CliRun pcb2 = Cli(dir.Path(), "ene ffc --mb 'Board two' --cable 30 --device sim:pcb2-v41");
    EXPECT_EQ(pcb2.status, 1) << pcb2.out;
    EXPECT_TRUE(Has(pcb2, "Not for this version JIG!\n"));

    EXPECT_EQ(Cli(dir.Path(), "ene ffc --mb Board --cable 30 --device sim:pcb3").status, 64);
    EXPECT_EQ(Cli(dir.Path(), "ene ffc --mb 'Board one' --cable 31 --device sim:pcb3").status, 64);
    EXPECT_EQ(Cli(dir.Path(), "ene ffc --mb 'Board one' --device sim:pcb3").status, 64);
    EXPECT_EQ(Cli(dir.Path(), "ene read x.bin --mb 'Board one' --device sim:pcb3").status, 64);
}

TEST(EneCli, ReadThroughACableRoutedInTheSameRun) {
    TempDir dir;
    WriteFileBytes(dir.File("scenario.json"),
                   R"({"chips": {"ene": {"wiring": "ffc", "cable": 30, "connector":
                       {"KSO3": 12, "KSI4": 5, "KSI5": 6, "KSI6": 7, "KSI7": 8}}}})");
    CliRun reading = Cli(dir.Path(), "ene read out.bin --device sim:pcb3 --scenario scenario.json "
                                     "--mb 'X KSO3=12 KSI4=5 KSI5=6 KSI6=7 KSI7=8' --cable 30");
    EXPECT_EQ(reading.status, 0) << reading.out;
    EXPECT_FALSE(Has(reading, "WARNING !!! The default mode for SOLDERING WIRES."));
    EXPECT_EQ(ReadFileText(dir.File("out.bin")).size(), 131072u);
}
