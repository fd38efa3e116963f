// How the identification takes the JIG's answer, against a device that tells which reads
// would have had to wait out their time-out.
#include "link/OpenProgrammerLink.h"
#include "link/StartLog.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

#include <deque>

namespace {
// Answers 'B' with `pieces`: the first at once, each further one when the host waits for more.
// A read asking for more than is queued, or a wait that nothing answers, is one that a real
// device would have spent its whole time-out on; both are counted.
class PiecewiseDevice : public FtdiDevice {
  public:
    explicit PiecewiseDevice(std::vector<std::string> pieces) : pieces_(std::move(pieces)) {}

    FT_STATUS GetDriverVersion(DWORD* v) override { return *v = 1, FT_OK; }
    FT_STATUS ResetDevice() override { return FT_OK; }
    FT_STATUS SetBaudRate(DWORD) override { return FT_OK; }
    FT_STATUS SetDataCharacteristics(UCHAR, UCHAR, UCHAR) override { return FT_OK; }
    FT_STATUS SetTimeouts(DWORD, DWORD) override { return FT_OK; }
    FT_STATUS SetLatencyTimer(UCHAR) override { return FT_OK; }
    FT_STATUS Purge(DWORD) override { return FT_OK; }
    FT_STATUS Write(const void* data, DWORD count, DWORD* written) override {
        if (count == 1 && *static_cast<const char*>(data) == 'B')
            NextPiece();
        *written = count;
        return FT_OK;
    }
    FT_STATUS Read(void* data, DWORD count, DWORD* got) override {
        if (count > queue_.size())
            ++waitedOut;
        *got = static_cast<DWORD>(std::min<std::size_t>(count, queue_.size()));
        for (DWORD i = 0; i < *got; ++i) {
            static_cast<char*>(data)[i] = queue_.front();
            queue_.pop_front();
        }
        return FT_OK;
    }
    FT_STATUS GetStatus(DWORD* rx, DWORD* tx, DWORD* events) override {
        *rx = static_cast<DWORD>(queue_.size());
        *tx = *events = 0;
        return FT_OK;
    }
    WaitOutcome WaitReceived(std::size_t count, Deadline) override {
        if (queue_.size() < count)
            NextPiece();
        if (queue_.size() >= count)
            return WaitOutcome::Ready;
        ++waitedOut;
        return WaitOutcome::TimedOut;
    }
    WaitOutcome WaitSent(Deadline) override { return WaitOutcome::Ready; }
    void Interrupt() override {}
    void ClearInterrupt() override {}

    std::string Unread() const { return std::string(queue_.begin(), queue_.end()); }

    int waitedOut = 0;

  private:
    void NextPiece() {
        if (next_ < pieces_.size())
            for (char c : pieces_[next_++])
                queue_.push_back(c);
    }
    std::vector<std::string> pieces_;
    std::size_t next_ = 0;
    std::deque<char> queue_;
};

class OneDeviceApi : public FtdiApi {
  public:
    explicit OneDeviceApi(std::vector<std::string> pieces) : pieces_(std::move(pieces)) {}
    FT_STATUS FT_CreateDeviceInfoList(DWORD* n) override { return *n = 1, FT_OK; }
    FT_STATUS FT_Open(int, FT_HANDLE* h) override {
        auto* device = new PiecewiseDevice(pieces_);
        opened = device;
        *h = device;
        return FT_OK;
    }
    bool IsRealHardware() const override { return false; }
    std::string Describe() const override { return "piecewise"; }
    PiecewiseDevice* opened = nullptr;

  private:
    std::vector<std::string> pieces_;
};

struct Identified {
    std::string version;
    int waitedOut = 0;
    std::string log;
    std::string unread;
};

// The main window's identification, with the device kept open to see what it still holds.
Identified IdentifyWith(std::vector<std::string> pieces) {
    TempDir dir;
    StartLog::SetPath(dir.File("Start_log.txt"));
    auto api = std::make_shared<OneDeviceApi>(std::move(pieces));
    ProgrammerLink link(api);
    OpenProgrammerLinkMain(link, kKeepHandle);
    StartLog::SetPath("Start_log.txt");
    return {link.versionText, api->opened->waitedOut, ReadFileText(dir.File("Start_log.txt")),
            api->opened->Unread()};
}
} // namespace

// The answer ends at its line feed, whole however it came in pieces, without waiting out the
// time-out; without one, what arrived in time counts; never more than 32 bytes, nothing after
// the line feed.
TEST(IdentifyAnswer, EndsAtTheLineFeedOrWhenNothingMoreCame) {
    Identified r = IdentifyWith({"M328_EPM240_v16\r\n"});
    EXPECT_EQ(r.version, "M328_EPM240_v16  ");
    EXPECT_EQ(r.waitedOut, 0);
    EXPECT_NE(r.log.find("Read answer version bytes -> 17\nM328_EPM240_v16  \n"), std::string::npos)
        << r.log;

    r = IdentifyWith({"M88_", "ALLPCB_V", "41\r", "\n"});
    EXPECT_EQ(r.version, "M88_ALLPCB_V41  ");
    EXPECT_EQ(r.waitedOut, 0);

    r = IdentifyWith({"M328_EPM240_v16"});
    EXPECT_EQ(r.version, "M328_EPM240_v16");
    EXPECT_EQ(r.waitedOut, 1); // the one wait that found nothing more
    EXPECT_NE(r.log.find("Read answer version bytes -> 15\n"), std::string::npos) << r.log;

    EXPECT_EQ(IdentifyWith({std::string(40, 'A')}).version, std::string(32, 'A'));
    r = IdentifyWith({"M88_ALLPCB_V41\r\nXY"});
    EXPECT_EQ(r.version, "M88_ALLPCB_V41  ");
    EXPECT_EQ(r.unread, "XY");
}

TEST(IdentifyAnswer, ModeWindowsCopyEndsAtTheLineFeedToo) {
    auto api = std::make_shared<OneDeviceApi>(std::vector<std::string>{"M88_ALLPCB_V", "41\r\n"});
    ProgrammerLink link(api);
    std::vector<std::string> memo;
    EXPECT_EQ(OpenProgrammerLink(link, LinkVariants::EdidLcd,
                                 [&](const std::string& line) { memo.push_back(line); }),
              kProgrammerAccepted);
    EXPECT_EQ(link.versionText, "M88_ALLPCB_V41  ");
    EXPECT_EQ(api->opened->waitedOut, 0);
}

// The device goes while it answers: the piece that came is no version text, so the window
// says the programmer does not respond instead of asking for a firmware update.
TEST(IdentifyAnswer, ADeviceThatVanishesDuringTheAnswerGaveNone) {
    auto sim = MakeSim("pcb3", R"({"faults": [{"type": "vanish", "afterReplies": 1}]})");
    ProgrammerLink link(sim);
    std::vector<std::string> memo;
    EXPECT_EQ(OpenProgrammerLink(link, LinkVariants::EdidLcd,
                                 [&](const std::string& line) { memo.push_back(line); }),
              kNoProgrammer);
    EXPECT_FALSE(link.IsOpen());
    ASSERT_FALSE(memo.empty());
    EXPECT_EQ(memo.back(), "-->  The programmer is not found or does not respond");
}
