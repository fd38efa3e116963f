// The usb backend (libftdi1) against the virtual chip: libftdi's real return codes, queue
// lengths, every received byte, unplugging, and the start log over several chips.
#include "link/InUse.h"
#include "link/OpenProgrammerLink.h"
#include "link/backends/UsbFtdiApi.h"
#include "sim/Scenario.h"
#include "usb/VirtualUsb.h"

#include <thread>

namespace {
const std::string kPcb3Answer = "M328_EPM240_v16\r\n";

// Opens chip `index` set up as the program sets it up before the identification.
FT_HANDLE OpenConfigured(FtdiApi& api, int index = 0) {
    DWORD count = 0;
    EXPECT_EQ(api.FT_CreateDeviceInfoList(&count), FT_OK);
    FT_HANDLE h = nullptr;
    EXPECT_EQ(api.FT_Open(index, &h), FT_OK);
    if (!h)
        return nullptr;
    api.FT_ResetDevice(h);
    api.FT_SetBaudRate(h, 921600);
    api.FT_SetDataCharacteristics(h, FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_NONE);
    api.FT_SetTimeouts(h, 300, 300);
    return h;
}

bool Send(FtdiApi& api, FT_HANDLE h, const std::string& bytes) {
    DWORD written = 0;
    return api.FT_Write(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written) == FT_OK &&
           written == bytes.size();
}

// A PCB3 behind the virtual chip at wire timing, opened as the program opens it.
class UsbPcb3 : public ::testing::Test {
  protected:
    void SetUp() override {
        PlugVirtualChips("pcb3", "{}", "wire");
        h = OpenConfigured(api);
        ASSERT_NE(h, nullptr);
    }
    UsbFtdiApi api;
    FT_HANDLE h = nullptr;
};
} // namespace

// libftdi returns LIBUSB_ERROR_TIMEOUT when the chip sends nothing within the USB time-out:
// that is "no data yet", never a lost device.
TEST_F(UsbPcb3, AUsbTimeOutIsNoDataYet) {
    // The longest latency period: every wait below is shorter than the chip's next packet.
    ASSERT_EQ(api.FT_SetLatencyTimer(h, 255), FT_OK);
    ASSERT_EQ(api.FT_SetTimeouts(h, 40, 300), FT_OK);
    char byte = 0;
    DWORD got = 99;
    EXPECT_EQ(api.FT_Read(h, &byte, 1, &got), FT_OK);
    EXPECT_EQ(got, 0u);
    EXPECT_EQ(h->WaitReceived(1, DeadlineIn(Millis(30))), WaitOutcome::TimedOut);
    EXPECT_EQ(h->WaitReceived(1, DeadlineIn(Millis(1))), WaitOutcome::TimedOut);
    api.FT_Close(h);
}

// FT_GetStatus answers at once with what has arrived; it does not fail while the chip is
// between packets.
TEST_F(UsbPcb3, QueueLengthsAreKnownWhileTheChipIsIdle) {
    ASSERT_EQ(api.FT_SetLatencyTimer(h, 2), FT_OK);
    DWORD rx = 99, tx = 99, events = 99;
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(api.FT_GetStatus(h, &rx, &tx, &events), FT_OK) << "call " << i;
        EXPECT_EQ(rx, 0u);
    }
    ASSERT_TRUE(Send(api, h, "B"));
    ASSERT_EQ(h->WaitReceived(kPcb3Answer.size(), DeadlineIn(Millis(2000))), WaitOutcome::Ready);
    ASSERT_EQ(api.FT_GetStatus(h, &rx, &tx, &events), FT_OK);
    EXPECT_EQ(rx, kPcb3Answer.size());
    EXPECT_EQ(tx, 0u);
    ASSERT_EQ(api.FT_Purge(h, FT_PURGE_RX | FT_PURGE_TX), FT_OK);
    ASSERT_EQ(api.FT_GetStatus(h, &rx, &tx, &events), FT_OK);
    EXPECT_EQ(rx, 0u);
    api.FT_Close(h);
}

// The identification reads 32 bytes within 300 ms; the JIG answers 17. What came must be kept
// when the read's last USB read times out, and a wait for more ends as a time-out.
TEST(UsbBackend, ReadAtItsDeadlineKeepsTheBytesReceived) {
    PlugVirtualChips("pcb3", "{}", "wire");
    UsbFtdiApi api;
    for (int run = 0; run < 3; ++run) {
        FT_HANDLE h = OpenConfigured(api);
        ASSERT_NE(h, nullptr);
        ASSERT_TRUE(Send(api, h, "B"));
        char answer[32] = {};
        DWORD got = 0;
        ASSERT_EQ(api.FT_Read(h, answer, 32, &got), FT_OK) << "run " << run;
        EXPECT_EQ(std::string(answer, got), kPcb3Answer);
        ASSERT_TRUE(Send(api, h, "B"));
        EXPECT_EQ(h->WaitReceived(100, DeadlineIn(Millis(50))), WaitOutcome::TimedOut);
        api.FT_Close(h);
    }
    ProgrammerLink link(std::make_shared<UsbFtdiApi>());
    std::vector<std::string> memo;
    ASSERT_EQ(OpenProgrammerLink(link, LinkVariants::EneKb90xx,
                                 [&](const std::string& line) { memo.push_back(line); }),
              kProgrammerAccepted);
    EXPECT_EQ(link.versionText, "M328_EPM240_v16  ");
}

TEST_F(UsbPcb3, EveryByteArrivesWhateverTheReadSizes) {
    ASSERT_EQ(api.FT_SetLatencyTimer(h, 2), FT_OK);
    ASSERT_EQ(api.FT_SetTimeouts(h, 3, 300), FT_OK); // reads that often end with nothing
    const int answers = 40;
    ASSERT_TRUE(Send(api, h, std::string(answers, 'B')));
    std::string received;
    const Deadline giveUp = DeadlineIn(Millis(5000));
    while (received.size() < answers * kPcb3Answer.size() && SteadyClock::now() < giveUp) {
        char piece[7];
        DWORD got = 0;
        ASSERT_EQ(api.FT_Read(h, piece, sizeof piece, &got), FT_OK);
        received.append(piece, got);
    }
    std::string expected;
    for (int i = 0; i < answers; ++i)
        expected += kPcb3Answer;
    EXPECT_EQ(received, expected);
    api.FT_Close(h);
}

// Pulling the chip out ends a wait at once; bytes that came before are still read, and only
// then does the backend say the device is gone.
TEST_F(UsbPcb3, UnpluggedDeviceIsReportedOnlyOnceItsBytesAreRead) {
    ASSERT_TRUE(Send(api, h, "B"));
    ASSERT_EQ(h->WaitReceived(kPcb3Answer.size(), DeadlineIn(Millis(2000))), WaitOutcome::Ready);
    std::thread puller([] {
        std::this_thread::sleep_for(Millis(50));
        tolvane_virtual_usb_unplug(0);
    });
    EXPECT_EQ(h->WaitReceived(100, DeadlineIn(Millis(60000))), WaitOutcome::DeviceError);
    puller.join();
    char answer[32];
    DWORD got = 0;
    EXPECT_EQ(api.FT_Read(h, answer, 32, &got), FT_OK);
    EXPECT_EQ(std::string(answer, got), kPcb3Answer);
    EXPECT_NE(api.FT_Read(h, answer, 32, &got), FT_OK);
    DWORD rx = 0, tx = 0, events = 0;
    EXPECT_NE(api.FT_GetStatus(h, &rx, &tx, &events), FT_OK);
    EXPECT_FALSE(Send(api, h, "B"));
    api.FT_Close(h);
    DWORD count = 99;
    EXPECT_EQ(api.FT_CreateDeviceInfoList(&count), FT_OK);
    EXPECT_EQ(count, 0u);
}

TEST(UsbBackend, CancelWakesAWaitAndSentBytesAreConfirmed) {
    PlugVirtualChips("pcb2-v41", "{}", "wire");
    UsbFtdiApi api;
    EXPECT_FALSE(api.IsRealHardware());
    EXPECT_NE(api.Describe().find("virtual FTDI chip"), std::string::npos) << api.Describe();
    FT_HANDLE h = OpenConfigured(api);
    ASSERT_NE(h, nullptr);
    std::thread canceller([h] {
        std::this_thread::sleep_for(Millis(50));
        h->Interrupt();
    });
    EXPECT_EQ(h->WaitReceived(1, DeadlineIn(Millis(60000))), WaitOutcome::Cancelled);
    canceller.join();
    h->ClearInterrupt();
    // 200 bytes at 115200 baud take 17 ms to leave the chip.
    ASSERT_EQ(api.FT_SetBaudRate(h, 115200), FT_OK);
    ASSERT_TRUE(Send(api, h, std::string(200, '\0')));
    EXPECT_EQ(h->WaitSent(DeadlineIn(Millis(2000))), WaitOutcome::Ready);
    api.FT_Close(h);
}

// The start log's rules over two chips: the higher index is tried first; a silent one is
// logged and left for the next.
TEST(UsbBackend, TwoJigsOfWhichOneIsSilentFollowTheStartLog) {
    TempDir cwd;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(cwd.Path());
    for (const char* devices : {R"(["jig", "silent"])", R"(["silent", "jig"])"}) {
        PlugVirtualChips("pcb2-v41", std::string(R"({"devices": )") + devices + "}", "wire");
        std::filesystem::remove("Start_log.txt");
        ProgrammerLink link(std::make_shared<UsbFtdiApi>());
        OpenProgrammerLinkMain(link, kCloseHandle);
        EXPECT_EQ(link.versionText, "M88_ALLPCB_V41  ") << devices;
        const std::string log = ReadFileText("Start_log.txt");
        const bool silentFirst = std::string(devices).find("silent") > 5;
        EXPECT_NE(log.find("Open  numDevs -> 2\n"), std::string::npos) << log;
        EXPECT_EQ(log.find("Open  numDevs -> 1\n") != std::string::npos, silentFirst) << log;
        EXPECT_EQ(log.find("Read answer version bytes -> 0\n") != std::string::npos, silentFirst)
            << log;
        EXPECT_NE(log.find("Read answer version bytes -> 16\nM88_ALLPCB_V41  \n"
                           "FT_SetLatencyTimer OK\n"),
                  std::string::npos)
            << log;
    }
    PlugVirtualChips("pcb3", R"({"devices": ["silent", "silent"]})", "wire");
    std::filesystem::remove("Start_log.txt");
    ProgrammerLink link(std::make_shared<UsbFtdiApi>());
    OpenProgrammerLinkMain(link, kKeepHandle);
    EXPECT_EQ(link.versionText, "FTDI found, ERROR answer");
    EXPECT_TRUE(link.IsOpen()); // the one tried last stays open for the bootloader call
    EXPECT_TRUE(
        ReadFileText("Start_log.txt").ends_with("Read answer version bytes -> 0\nNOT ANSWER \n"));
    // While that link holds the chip's interface, another program is told so, not "not found".
    ProgrammerLink second(std::make_shared<UsbFtdiApi>());
    std::vector<std::string> memo;
    EXPECT_EQ(OpenProgrammerLink(second, LinkVariants::EneKb90xx,
                                 [&](const std::string& line) { memo.push_back(line); }),
              kNoProgrammer);
    EXPECT_EQ(memo.back(), kInUseText);
    OpenProgrammerLinkMain(second, kCloseHandle);
    EXPECT_EQ(second.versionText, kInUseText);
    link.Close();
    std::filesystem::current_path(before);
}
