// The serial backend against the simulator process: queue lengths, baud rate, cancel, hang-up,
// one program at a time.
#include "link/InUse.h"
#include "link/OpenProgrammerLink.h"
#include "link/backends/TtyFtdiApi.h"
#include "support/Pattern.h"
#include "support/Process.h"
#include "support/SimFixture.h"
#include "support/Surprises.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <thread>
#include <unistd.h>

TEST(TtyBackend, QueuesBaudRateAndCancelBehaveLikeTheChip) {
    SimProcess sim({"--board", "pcb3", "--timing", "instant"});
    ASSERT_FALSE(sim.PtyPath().empty());
    auto api = std::make_shared<TtyFtdiApi>(sim.PtyPath());
    ProgrammerLink link(api);
    ASSERT_EQ(OpenProgrammerLink(link, LinkVariants::EneKb90xx, nullptr), kProgrammerAccepted);
    EXPECT_EQ(link.versionText, "M328_EPM240_v16  ");

    // The receive queue counts what waits unread, and a counted wait sees all of it.
    ASSERT_TRUE(link.Send({'S', 'W', 5, 1, 'S', 'W', 6, 2}));
    const Reply both = link.ExpectQueued(2, DeadlineIn(Millis(2000)));
    ASSERT_EQ(both.outcome, WaitOutcome::Ready);
    EXPECT_EQ(both.Count(), 2u);

    // At the bootloader's baud rate the application does not understand 'B'.
    api->FT_SetBaudRate(link.Handle(), 115200);
    ASSERT_TRUE(link.Send({'B'}));
    EXPECT_EQ(link.ExpectNext(1, Millis(300)).outcome, WaitOutcome::TimedOut);
    api->FT_SetBaudRate(link.Handle(), 921600);
    ASSERT_TRUE(link.Send({'B'}));
    EXPECT_TRUE(link.ExpectQueued(17, DeadlineIn(Millis(2000))).Ok());

    std::thread canceller([&] {
        std::this_thread::sleep_for(Millis(50));
        link.Cancel();
    });
    EXPECT_EQ(link.ExpectQueued(1, DeadlineIn(Millis(60000))).outcome, WaitOutcome::Cancelled);
    canceller.join();
    link.ResetCancel();

    // The JIG going away ends a wait at once.
    sim.Stop();
    EXPECT_EQ(link.ExpectQueued(1, DeadlineIn(Millis(60000))).outcome, WaitOutcome::DeviceError);
    // The garbled 'B' is all the simulator process reported.
    const std::vector<SimSurprise> surprises = TakeSurprises();
    ASSERT_EQ(surprises.size(), 1u) << DescribeSurprises(surprises);
    EXPECT_EQ(surprises[0].bytes.size(), 1u);
    EXPECT_NE(surprises[0].bytes[0], 'B');
}

// A program that writes its last byte and exits hands the simulator's terminal to the next one;
// opening the link must not throw that byte away before the simulator has read it.
TEST(TtyBackend, OpeningKeepsWhatThePreviousProgramWroteLast) {
    const int master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    const std::string path = ptsname(master);
    const int keeper = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(keeper, 0);
    // A simulator that lags behind: its terminal holds more than it has read, so the last byte
    // waits in the kernel's buffers when the next program opens.
    const std::string backlog(8192, 'b');
    ASSERT_EQ(::write(keeper, backlog.data(), backlog.size()),
              static_cast<ssize_t>(backlog.size()));
    {
        auto first = std::make_shared<TtyFtdiApi>(path);
        FT_HANDLE h = nullptr;
        ASSERT_EQ(first->FT_Open(0, &h), FT_OK);
        DWORD written = 0;
        ASSERT_EQ(first->FT_Write(h, const_cast<char*>("X"), 1, &written), FT_OK);
        first->FT_Close(h);
    }
    auto next = std::make_shared<TtyFtdiApi>(path);
    FT_HANDLE h = nullptr;
    ASSERT_EQ(next->FT_Open(0, &h), FT_OK);
    EXPECT_EQ(next->FT_ResetDevice(h), FT_OK);
    std::string got;
    for (char chunk[4096]; got.size() <= backlog.size();) {
        pollfd ready{master, POLLIN, 0};
        if (::poll(&ready, 1, 500) != 1)
            break;
        const ssize_t n = ::read(master, chunk, sizeof chunk);
        if (n <= 0)
            break;
        got.append(chunk, static_cast<std::size_t>(n));
    }
    ASSERT_EQ(got.size(), backlog.size() + 1) << "the last byte was thrown away";
    EXPECT_EQ(got.back(), 'X');
    next->FT_Close(h);
    ::close(keeper);
    ::close(master);
}

namespace {
// Whether some program holds a lock on `path` (/proc/locks names the file by device and inode).
bool Locked(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    char id[64];
    std::snprintf(id, sizeof id, " %02x:%02x:%lu ", major(st.st_dev), minor(st.st_dev),
                  static_cast<unsigned long>(st.st_ino));
    std::ifstream locks("/proc/locks");
    for (std::string line; std::getline(locks, line);)
        if (line.find("FLOCK") != std::string::npos && line.find(id) != std::string::npos)
            return true;
    return false;
}
} // namespace

// One JIG, one program: a second CLI on the terminal of a running read gets the in-use line and
// exit 2 and sends nothing (the simulator would report its bytes), and the read completes.
TEST(TtyBackend, ASecondProgramIsRefusedWhileTheFirstReads) {
    TempDir dir;
    std::string chip = Pattern(131072, 53);
    WriteFileBytes(dir.File("chip.bin"), chip);
    WriteFileBytes(dir.File("s.json"),
                   R"({"chips": {"npce-spi": {"file": ")" + dir.File("chip.bin") + R"("}}})");
    // Wire timing: the read lasts long enough for the second program to come meanwhile.
    SimProcess sim({"--board", "pcb3", "--scenario", dir.File("s.json"), "--timing", "wire"});
    ASSERT_FALSE(sim.PtyPath().empty());
    const std::string device = "tty:" + sim.PtyPath();

    ProcessResult first;
    std::thread reader([&] {
        first = RunProgram("tolvane-jig-cli", {"npce", "read", "out.bin", "--device", device},
                           dir.Path(), {"XDG_DATA_HOME=" + dir.Path()});
    });
    bool held = false;
    for (int i = 0; i < 10'000 && !held; ++i) {
        held = Locked(sim.PtyPath());
        if (!held)
            std::this_thread::sleep_for(Millis(1));
    }
    ProcessResult second;
    if (held)
        second = RunProgram("tolvane-jig-cli", {"identify", "--device", device}, dir.Path());
    reader.join();
    ASSERT_TRUE(held) << "the first program never locked the terminal\n" << first.out << first.err;
    EXPECT_EQ(second.exitCode, 2) << second.out << second.err;
    EXPECT_EQ(second.err, std::string(kInUseText) + "\n");
    EXPECT_EQ(first.exitCode, 0) << first.out << first.err;
    EXPECT_TRUE(ReadFileText(dir.File("out.bin")) == chip);

    // The lock went with the first program.
    const ProcessResult after =
        RunProgram("tolvane-jig-cli", {"identify", "--device", device}, dir.Path());
    EXPECT_EQ(after.exitCode, 0) << after.out << after.err;
}
