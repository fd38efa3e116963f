// The pieces every mode shares for a safe operation: the output file put in place only on
// success, the image judged before anything is erased, and the line that says where the chip
// stands.
#include "operation/OutputFile.h"
#include "operation/ChipState.h"
#include "operation/ImageToWrite.h"
#include "operation/OperationRunner.h"
#include "support/Pattern.h"
#include "support/Refusal.h"
#include "support/SimFixture.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {
namespace fs = std::filesystem;

// Only NAME and NAME.partial: no new file left behind beside them.
std::vector<std::string> Names(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.Path()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}
} // namespace

TEST(OutputFile, NameChangesOnlyAtCommitAndAStopKeepsExactlyTheBytesReceived) {
    TempDir dir;
    const std::string name = dir.File("dump.bin");
    const std::string old = Pattern(4096, 31, 1, 8, 0);
    WriteFileBytes(name, old);
    WriteFileBytes(name + ".partial", "an older partial file, longer than the new one");

    // Stopped after 1000 bytes: NAME as it was, the 1000 bytes in NAME.partial.
    const std::string received = Pattern(1000, 31, 2, 8, 0);
    {
        OutputFile out;
        ASSERT_TRUE(out.Create(name)) << out.Error();
        ASSERT_TRUE(out.Write(received.data(), 600));
        ASSERT_TRUE(out.Write(received.data() + 600, 400));
        EXPECT_TRUE(ReadFileText(name) == old);
        EXPECT_EQ(out.Abandon(), "The 1000 bytes received are kept in " + name + ".partial; " +
                                     name + " is unchanged.");
    }
    EXPECT_TRUE(ReadFileText(name) == old);
    EXPECT_TRUE(ReadFileText(name + ".partial") == received);
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"dump.bin", "dump.bin.partial"}));

    // A failure before the first byte leaves nothing new; the destructor abandons.
    {
        OutputFile out;
        ASSERT_TRUE(out.Create(name));
    }
    EXPECT_TRUE(ReadFileText(name) == old);
    EXPECT_TRUE(ReadFileText(name + ".partial") == received);
    EXPECT_EQ(Names(dir), (std::vector<std::string>{"dump.bin", "dump.bin.partial"}));

    OutputFile out;
    ASSERT_TRUE(out.Create(name));
    const std::string whole = Pattern(8192, 31, 3, 8, 0);
    ASSERT_TRUE(out.Write(whole.data(), whole.size()));
    EXPECT_TRUE(ReadFileText(name) == old);
    ASSERT_TRUE(out.Commit()) << out.Error();
    EXPECT_TRUE(ReadFileText(name) == whole);
    EXPECT_EQ(out.Abandon(), ""); // committed: nothing left to abandon
    EXPECT_TRUE(ReadFileText(name) == whole);
}

TEST(OutputFile, DevicesFoldersAndMissingFoldersAreRefusedAndALinkIsFollowed) {
    TempDir dir;
    fs::create_directories(dir.File("folder"));
    struct Case {
        std::string target;
        std::string error;
    };
    for (const Case& c :
         {Case{"/dev/null", "not a regular file"}, Case{"/dev/full", "not a regular file"},
          Case{dir.File("folder"), "a folder, not a file"},
          Case{dir.File("no/such/folder.bin"), "No such file or directory"}}) {
        OutputFile out;
        EXPECT_FALSE(out.Create(c.target)) << c.target;
        EXPECT_EQ(out.Error(), c.error) << c.target;
        EXPECT_FALSE(out.Write("x", 1));
        EXPECT_FALSE(out.Commit());
        EXPECT_EQ(out.Abandon(), "");
    }
    EXPECT_TRUE(fs::is_empty(dir.File("folder")));

    // NAME a link: the file it names is replaced, the link stays a link.
    const std::string real = dir.File("folder/real.bin");
    WriteFileBytes(real, "old");
    fs::create_symlink(real, dir.File("link.bin"));
    OutputFile out;
    ASSERT_TRUE(out.Create(dir.File("link.bin")));
    ASSERT_TRUE(out.Write("new", 3));
    ASSERT_TRUE(out.Commit()) << out.Error();
    EXPECT_TRUE(fs::is_symlink(dir.File("link.bin")));
    EXPECT_EQ(ReadFileText(real), "new");
}

TEST(ImageToWrite, OnlyARegularFileOfAtMostTheChipIsTakenAndAShortOneIsPadded) {
    TempDir dir;
    const std::size_t chip = 131072;
    WriteFileBytes(dir.File("empty.bin"), "");
    WriteFileBytes(dir.File("big.bin"), Pattern(chip + 1, 31, 4, 8, 0));
    ASSERT_EQ(mkfifo(dir.File("fifo").c_str(), 0600), 0);
    fs::create_directories(dir.File("folder"));
    struct Case {
        std::string path;
        std::string error;
        Outcome refusal; // read and refused: failed; not had at all: no file
    };
    for (const Case& c :
         {Case{dir.File("empty.bin"), "the file is empty", Outcome::Failed},
          Case{dir.File("big.bin"), "larger than the 131072 bytes the chip takes", Outcome::Failed},
          Case{dir.File("folder"), "a folder, not a file", Outcome::NoFile},
          Case{dir.File("fifo"), "not a regular file", Outcome::NoFile},
          Case{"/dev/zero", "not a regular file", Outcome::NoFile},
          Case{"/proc/self/mem", "not a regular file", Outcome::NoFile},
          Case{dir.File("missing.bin"), "No such file or directory", Outcome::NoFile}}) {
        const ImageToWrite image = LoadImageToWrite(c.path, chip);
        EXPECT_EQ(image.Refusal(), c.refusal) << c.path;
        EXPECT_EQ(RefusalFor(c.error), c.refusal) << c.path; // the rule the mode tests use
        EXPECT_FALSE(image.Ok());
        EXPECT_EQ(image.error, c.path + ": " + c.error);
        EXPECT_TRUE(image.bytes.empty()) << c.path;
    }

    const std::string part = Pattern(1000, 31, 5, 8, 0);
    WriteFileBytes(dir.File("short.bin"), part);
    const ImageToWrite image = LoadImageToWrite(dir.File("short.bin"), chip);
    ASSERT_TRUE(image.Ok()) << image.error;
    EXPECT_TRUE(image.Short());
    EXPECT_EQ(image.fileSize, 1000u);
    ASSERT_EQ(image.bytes.size(), chip);
    EXPECT_TRUE(std::string(image.bytes.begin(), image.bytes.begin() + 1000) == part);
    EXPECT_TRUE(std::all_of(image.bytes.begin() + 1000, image.bytes.end(),
                            [](std::uint8_t b) { return b == 0xFF; }));

    // MEC16xx: MAIN followed by INFO is larger than what the chip's MAIN takes, and taken whole.
    WriteFileBytes(dir.File("mec.bin"), Pattern(198656, 31, 6, 8, 0));
    const ImageToWrite mec = LoadImageToWrite(dir.File("mec.bin"), 196608, 198656);
    ASSERT_TRUE(mec.Ok()) << mec.error;
    EXPECT_FALSE(mec.Short());
    EXPECT_EQ(mec.bytes.size(), 198656u);
    EXPECT_FALSE(LoadImageToWrite(dir.File("big.bin"), 1000, 2000).Ok());
}

TEST(ChipProgress, EachStandHasItsLine) {
    ChipProgress p;
    const std::string backup = " Backup: /b/ENE.bin.";
    EXPECT_FALSE(p.Changed());
    EXPECT_EQ(p.Line(""), "The chip is unchanged. No backup was taken.");
    p.Erasing();
    EXPECT_TRUE(p.Changed());
    EXPECT_EQ(p.Line("/b/ENE.bin"), "The chip may be partly erased." + backup);
    p.Erased();
    EXPECT_EQ(p.Line("/b/ENE.bin"), "The chip is erased." + backup);
    p.Written(0, 512);
    EXPECT_EQ(p.Line("/b/ENE.bin"), "The chip is erased." + backup);
    p.Written(37, 512);
    EXPECT_EQ(p.Line("/b/ENE.bin"), "The chip is partly written (blocks 1 to 37 of 512)." + backup);
    p.Written(512, 512);
    EXPECT_EQ(p.Line("/b/ENE.bin"), "The chip is written but not verified." + backup);
    p.Verified();
    EXPECT_EQ(p.Line("/b/ENE.bin"), "The chip is written and verified." + backup);
    p.Reset();
    EXPECT_FALSE(p.Changed());
    EXPECT_EQ(p.Line(""), "The chip is unchanged. No backup was taken.");

    // A block that went out and was never confirmed may be half on the chip.
    p.Sending(1, 768);
    EXPECT_EQ(p.Line(""), "The chip may be partly written (block 1 of 768 went out "
                          "unconfirmed). No backup was taken.");
    p.Reset();
    p.Erased();
    p.Sending(1, 768);
    EXPECT_EQ(p.Line(""), "The chip is erased, and block 1 of 768 went out unconfirmed. No "
                          "backup was taken.");
    p.Written(1, 768);
    p.Sending(2, 768);
    EXPECT_EQ(p.Line(""), "The chip is partly written (blocks 1 to 1 of 768; block 2 of 768 went "
                          "out unconfirmed). No backup was taken.");
    p.Written(2, 768);
    EXPECT_EQ(p.Line(""),
              "The chip is partly written (blocks 1 to 2 of 768). No backup was taken.");
}

// ---------------------------------------------------------------- the runner's one ending

namespace {
// Writes down the order the ending hands things back in, and whether the runner was idle when
// each control came back.
class EndingPort : public SilentPort {
  public:
    void Log(const std::string& line) override { events.push_back("log " + line); }
    void EnableControl(const std::string& name, bool enabled) override {
        if (enabled)
            events.push_back("enable " + name + (run && run->Idle() ? " idle" : " BUSY"));
    }
    const OperationRunner* run = nullptr;
    std::vector<std::string> events;
};

struct RunnerRig {
    RunnerRig() : link(nullptr), run(link, port, {"test mode", StateName, {"READ", "EXIT"}}) {
        port.run = &run;
        run.SetOnEnd([this](Outcome o, const std::string& chip) {
            port.events.push_back("end " + JournalResult(o) + (chip.empty() ? "" : " " + chip));
        });
    }
    static const char* StateName(Activity a) { return a == Activity::Writing ? "W" : "R"; }
    EndingPort port;
    ProgrammerLink link;
    OperationRunner run;
};
} // namespace

TEST(OperationRunner, AFailedReadKeepsItsBytesAsPartialAndHandsBackIdleThenControlsThenTheEnd) {
    TempDir dir;
    const std::string name = dir.File("dump.bin");
    WriteFileBytes(name, "old dump");
    RunnerRig rig;
    ASSERT_TRUE(rig.run.Begin("read", false));
    ASSERT_TRUE(rig.run.CreateOutput(name));
    std::atomic<bool> sawState{false};
    rig.run.StartWorker(Activity::Reading, [&] {
        sawState = rig.run.State() == "R" && !rig.run.Idle();
        rig.run.WriteOutput("abc", 3);
        rig.run.SetFailedStep("block 2 of 4");
        return Outcome::Failed;
    });
    rig.run.WaitForWorker();
    EXPECT_TRUE(sawState);
    EXPECT_EQ(ReadFileText(name), "old dump");
    EXPECT_EQ(ReadFileText(name + ".partial"), "abc");
    EXPECT_EQ(rig.run.Result(), Outcome::Failed);
    EXPECT_EQ(rig.run.FailedStep(), "block 2 of 4");
    EXPECT_EQ(rig.run.State(), "NONE");
    EXPECT_EQ(rig.run.FileBytes(), 3u);
    EXPECT_TRUE(rig.run.ChipState().empty()); // a read changes no chip
    const std::vector<std::string>& e = rig.port.events;
    ASSERT_EQ(e.size(), 4u);
    EXPECT_NE(e[0].find(name + ".partial"), std::string::npos) << e[0];
    EXPECT_EQ(e[1], "enable READ idle");
    EXPECT_EQ(e[2], "enable EXIT idle");
    EXPECT_EQ(e[3], "end failed");

    // The next operation starts from nothing; a read that succeeds puts its file in place.
    ASSERT_TRUE(rig.run.Begin("read", false));
    EXPECT_TRUE(rig.run.FailedStep().empty());
    ASSERT_TRUE(rig.run.CreateOutput(name));
    rig.run.StartWorker(Activity::Reading, [&] {
        rig.run.WriteOutput("new", 3);
        return rig.run.CommitOutput() ? Outcome::Succeeded : Outcome::Failed;
    });
    rig.run.WaitForWorker();
    EXPECT_EQ(rig.run.Result(), Outcome::Succeeded);
    EXPECT_EQ(ReadFileText(name), "new");
}

// The handler's part of an operation (connect, a file dialog, the image checks) is the
// operation's too: a second click meanwhile starts nothing, and an early end frees the mode.
TEST(OperationRunner, FromBeginToAnEarlyEndASecondOperationIsRefused) {
    RunnerRig rig;
    ASSERT_TRUE(rig.run.Begin("read", false));
    EXPECT_FALSE(rig.run.Idle());
    EXPECT_EQ(rig.run.State(), "NONE"); // nothing runs on the JIG yet
    EXPECT_FALSE(rig.run.Begin("write", true));
    rig.run.EndEarly(Outcome::Failed, "file dialog");
    EXPECT_TRUE(rig.run.Idle());
    EXPECT_EQ(rig.run.FailedStep(), "file dialog");
    EXPECT_TRUE(rig.run.ChipState().empty()); // the refused write did not become this operation
    EXPECT_TRUE(rig.run.Begin("write", true));
}

TEST(OperationRunner, AStoppedWriteSaysWhereTheChipStandsAndNoSecondOperationStartsMeanwhile) {
    RunnerRig rig;
    ASSERT_TRUE(rig.run.Begin("write", true));
    std::atomic<bool> secondBegan{true};
    rig.run.StartWorker(Activity::Writing, [&] {
        rig.run.Progress().Erasing();
        rig.run.Progress().Erased();
        rig.run.Progress().Written(3, 10);
        secondBegan = rig.run.Begin("read", false);
        rig.run.Stop();
        return rig.run.Stopping() ? Outcome::Stopped : Outcome::Failed;
    });
    rig.run.WaitForWorker();
    EXPECT_FALSE(secondBegan);
    EXPECT_EQ(rig.run.Result(), Outcome::Stopped);
    EXPECT_EQ(rig.run.ChipState(),
              "The chip is partly written (blocks 1 to 3 of 10). No backup was taken.");
    ASSERT_FALSE(rig.port.events.empty());
    EXPECT_EQ(rig.port.events.front(), "log " + rig.run.ChipState());
    EXPECT_EQ(rig.port.events.back(), "end stopped " + rig.run.ChipState());
    // A stop asked for at the end is spent with it.
    ASSERT_TRUE(rig.run.Begin("read", false));
    EXPECT_FALSE(rig.run.Stopping());
    EXPECT_TRUE(rig.run.ChipState().empty());
}
