// A worker that touches a widget directly instead of posting to the window's thread: the race
// the ThreadSanitizer run is there to catch. Kept out of the suite (DISABLED_); run it in the
// TSan build to see that scripts/tsan.supp does not hide it, with
//   TSAN_OPTIONS="suppressions=$PWD/scripts/tsan.supp" QT_QPA_PLATFORM=offscreen
// set, and the arguments
//   --gtest_also_run_disabled_tests --gtest_filter=RaceDetection.*
// given to build-tsan/bin/tolvane_ui_tests.
#include "gui/Gauge.h"
#include "ui/support/UiTestSupport.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

TEST(RaceDetection, DISABLED_WorkerSettingAGaugeIsReported) {
    Gauge gauge;
    gauge.SetMaximum(1000);
    gauge.show();
    std::atomic<bool> done{false};
    std::thread worker([&] {
        for (int i = 0; i <= 1000; ++i) {
            gauge.SetPosition(i); // wrong: from the worker's thread
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        }
        done.store(true);
    });
    // Meanwhile the window's thread paints the gauge, reading its position.
    WaitUntil([&] {
        gauge.repaint();
        return done.load();
    });
    worker.join();
}
