// Every wait for the JIG ends: on time-out, on a vanished device, on cancel.
#include "link/CommonCommands.h"
#include "link/OpenProgrammerLink.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>
#include <thread>

namespace {
int Open(ProgrammerLink& link) {
    return OpenProgrammerLink(link, LinkVariants::EneKb90xx, [](const std::string&) {});
}
} // namespace

TEST(LinkWaits, SilentAfterIdentificationTimesOutAndCloses) {
    auto sim = MakeSim("pcb3", R"({"faults": [{"type": "silence", "afterReplies": 1}]})");
    ProgrammerLink link(sim);
    ASSERT_EQ(Open(link), kProgrammerAccepted);
    ASSERT_TRUE(link.Send({'S', 'R'}));
    EXPECT_EQ(link.ExpectNext(1, Millis(150)).outcome, WaitOutcome::TimedOut);
    EXPECT_EQ(link.ExpectQueued(4, DeadlineIn(Millis(150))).outcome, WaitOutcome::TimedOut);
    // A named command gives up within its own bound instead of waiting for ever.
    EXPECT_FALSE(SendCommonCommand(link, "RESET_ALTERA", {}, ReplyWait::Reply));
    link.Close();
    EXPECT_FALSE(link.IsOpen());
}

TEST(LinkWaits, DeviceVanishingMidCommandEndsTheWaitAtOnce) {
    auto sim = MakeSim("pcb3", R"({"faults": [{"type": "vanish", "afterHostBytes": 2}]})");
    ProgrammerLink link(sim);
    ASSERT_EQ(Open(link), kProgrammerAccepted);
    link.Send({'S', 'W', 3, 0x80});
    EXPECT_EQ(link.ExpectNext(1, Millis(60000)).outcome, WaitOutcome::DeviceError);
    EXPECT_FALSE(link.Send({'I'}));
    link.Close();
    DWORD count = 99;
    sim->FT_CreateDeviceInfoList(&count);
    EXPECT_EQ(count, 0u);
}

TEST(LinkWaits, CancelFromAnotherThreadWakesAWait) {
    auto sim = MakeSim("pcb3", R"({"faults": [{"type": "silence", "afterReplies": 1}]})");
    ProgrammerLink link(sim);
    ASSERT_EQ(Open(link), kProgrammerAccepted);
    std::thread canceller([&] {
        std::this_thread::sleep_for(Millis(50));
        link.Cancel();
    });
    EXPECT_EQ(link.ExpectQueued(1, DeadlineIn(Millis(60000))).outcome, WaitOutcome::Cancelled);
    canceller.join();
    link.ResetCancel();
    EXPECT_EQ(link.ExpectNext(1, Millis(20)).outcome, WaitOutcome::TimedOut);
}

TEST(LinkWaits, ReplyInPiecesIsCollectedWhole) {
    auto sim = MakeSim("pcb3", R"({"faults": [{"type": "split", "pieces": 3, "ms": 5}]})");
    ProgrammerLink link(sim);
    ASSERT_EQ(Open(link), kProgrammerAccepted);
    link.Send({'B'});
    const Reply r = link.ExpectNext(17, Millis(2000));
    ASSERT_EQ(r.outcome, WaitOutcome::Ready);
    EXPECT_EQ(std::string(r.bytes.begin(), r.bytes.end()), "M328_EPM240_v16\r\n");
}

TEST(CommonCommands, FramesAndTheCpldRegistersTheyReach) {
    EXPECT_EQ(CommonCommandFrame("WR_ALTERA_REG", std::vector<std::uint8_t>{3, 0x80}),
              (std::vector<std::uint8_t>{0x53, 0x57, 0x03, 0x80}));
    EXPECT_EQ(CommonCommandFrame("DR_SHIFT_32", LittleEndian32(258)),
              (std::vector<std::uint8_t>{0x4A, 0x44, 0x02, 0x01, 0x00, 0x00}));
    EXPECT_EQ(CommonCommandFrame("ALTERA_RESET"), CommonCommandFrame("RESET_ALTERA"));
    EXPECT_EQ(CommonCommandFrame("Test-Logic-Reset"), (std::vector<std::uint8_t>{'J', '1'}));
    EXPECT_TRUE(CommonCommandFrame("WR_ALTERA_REG", std::vector<std::uint8_t>{3}).empty());
    EXPECT_TRUE(CommonCommandFrame("NO_SUCH").empty());
    EXPECT_EQ(FindCommonCommand("DR_SHIFT_32")->replyBytes, 4);
    EXPECT_EQ(WindowReplyWait("MEC jtag", "BUZ_OK", false), ReplyWait::None);
    EXPECT_EQ(WindowReplyWait("MEC jtag", "BUZ_OK", true), ReplyWait::Reply);
    EXPECT_EQ(WindowReplyWait("MEC jtag", "ID_READ", true), ReplyWait::QueuedExact);

    auto sim = MakeSim("pcb3");
    ProgrammerLink link(sim);
    ASSERT_EQ(Open(link), kProgrammerAccepted);
    ASSERT_TRUE(SendCommonCommand(link, "WR_ALTERA_REG", std::vector<std::uint8_t>{64, 0x87},
                                  ReplyWait::Reply));
    EXPECT_EQ(sim->Jig().Board().cpld[64], 0x87);
    ASSERT_TRUE(SendCommonCommand(link, "RESET_ALTERA", {}, ReplyWait::Reply));
    EXPECT_EQ(sim->Jig().Board().cpld[64], 0);
    EXPECT_TRUE(sim->Jig().Board().cpldResetSeen);
    EXPECT_TRUE(SendCommonCommand(link, "SPI_OFF", {}, ReplyWait::Reply));
    EXPECT_TRUE(SendCommonCommand(link, "Test-Logic-Reset", {}, ReplyWait::Reply));
    EXPECT_TRUE(SendCommonCommand(link, "DR_SHIFT_32", LittleEndian32(258), ReplyWait::Reply));
    // All four reply bytes were taken: none is left for the next command to mistake.
    EXPECT_EQ(link.ExpectRead(1, 1).outcome, WaitOutcome::TimedOut);
    EXPECT_TRUE(
        SendCommonCommand(link, "IR_SHIFT", std::vector<std::uint8_t>{2}, ReplyWait::Reply));
}

TEST(ModeLink, VariantsDifferOnlyInTheirData) {
    auto sim = MakeSim("pcb2-v42");
    ProgrammerLink link(sim);
    std::vector<std::string> memo;
    auto note = [&](const std::string& l) { memo.push_back(l); };
    EXPECT_EQ(OpenProgrammerLink(link, LinkVariants::EneKb90xx, note), kProgrammerOutdated);
    EXPECT_FALSE(link.IsOpen());
    EXPECT_EQ(memo, (std::vector<std::string>{"Number of VCOM ports found on the machine: 1",
                                              "Version FW -> M88_JTAG_V42  ",
                                              "It is necessary to update the firmware programmer!",
                                              FirmwareFixLine(LinkVariants::EneKb90xx)}));
    memo.clear();
    EXPECT_EQ(OpenProgrammerLink(link, LinkVariants::MecJtag, note), kProgrammerAccepted);
    EXPECT_EQ(memo, std::vector<std::string>{"Version FW -> M88_JTAG_V42  "});
    link.Close();

    auto none = MakeSim("pcb3", R"({"devices": ["silent"]})");
    ProgrammerLink quiet(none);
    memo.clear();
    EXPECT_EQ(OpenProgrammerLink(quiet, LinkVariants::EdidLcd, note), kNoProgrammer);
    EXPECT_EQ(memo,
              (std::vector<std::string>{"Number of VCOM ports found on the machine: 1",
                                        "-->  The programmer is not found or does not respond"}));
    memo.clear();
    EXPECT_EQ(OpenProgrammerLink(quiet, LinkVariants::KeyboardTesting, note), kNoProgrammer);
    EXPECT_TRUE(memo.empty());
}
