// The serial backend against the simulator process: queue lengths, baud rate, cancel, hang-up.
#include "link/OpenProgrammerLink.h"
#include "link/backends/TtyFtdiApi.h"
#include "support/Process.h"
#include "support/Surprises.h"

#include <gtest/gtest.h>
#include <thread>

TEST(TtyBackend, QueuesBaudRateAndCancelBehaveLikeTheChip) {
    SimProcess sim({"--board", "pcb3", "--timing", "instant"});
    ASSERT_FALSE(sim.PtyPath().empty());
    auto api = std::make_shared<TtyFtdiApi>(sim.PtyPath());
    ProgrammerLink link(api);
    ASSERT_EQ(OpenProgrammerLink(link, LinkVariants::EneKb90xx, nullptr), kProgrammerAccepted);
    EXPECT_EQ(link.versionText, "M328_EPM240_v16  ");

    // The receive queue counts what waits unread, and a counted wait sees all of it.
    ASSERT_TRUE(link.Send({'S', 'W', 5, 1, 'S', 'W', 6, 2}));
    ASSERT_EQ(link.AwaitQueued(2, Millis(2000)).outcome, WaitOutcome::Ready);
    EXPECT_EQ(link.transferred, 2u);

    // At the bootloader's baud rate the application does not understand 'B'.
    api->FT_SetBaudRate(link.Handle(), 115200);
    ASSERT_TRUE(link.Send({'B'}));
    EXPECT_EQ(link.AwaitReply(32, Millis(300)).outcome, WaitOutcome::TimedOut);
    api->FT_SetBaudRate(link.Handle(), 921600);
    ASSERT_TRUE(link.Send({'B'}));
    EXPECT_TRUE(link.AwaitQueued(17, Millis(2000)).Ok());

    std::thread canceller([&] {
        std::this_thread::sleep_for(Millis(50));
        link.Cancel();
    });
    EXPECT_EQ(link.AwaitQueued(1, Millis(60000)).outcome, WaitOutcome::Cancelled);
    canceller.join();
    link.ResetCancel();

    // The JIG going away ends a wait at once.
    sim.Stop();
    EXPECT_EQ(link.AwaitQueued(1, Millis(60000)).outcome, WaitOutcome::DeviceError);
    // The garbled 'B' is all the simulator process reported.
    const std::vector<SimSurprise> surprises = TakeSurprises();
    ASSERT_EQ(surprises.size(), 1u) << DescribeSurprises(surprises);
    EXPECT_EQ(surprises[0].bytes.size(), 1u);
    EXPECT_NE(surprises[0].bytes[0], 'B');
}
