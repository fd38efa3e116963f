#pragma once
// An NPCE engine on a simulated JIG with a recording operator, for the protocol tests.
#include "modes/Npce/NpceEngine.h"
#include "port/TimeText.h"
#include "sim/chips/NpceSpi.h"
#include "support/Pattern.h"
#include "support/RecordingPort.h"
#include "support/SimFixture.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

inline const std::string kNpceStamp = "Current time  07.12.2026 10:20:30";

// A recording operator that can act on a gauge position, as a technician pressing STOP would
// at a chosen block.
class GaugeWatchingPort : public RecordingPort {
  public:
    void SetGauge(int position) override {
        RecordingPort::SetGauge(position);
        if (onGauge)
            onGauge(position);
    }
    std::function<void(int)> onGauge; // set while idle
};

class NpceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SetTimeTextSource(
            {[] { return std::string("10:20:30"); }, [] { return std::string("07.12.2026"); }});
    }
    void TearDown() override {
        engine.reset();
        SetTimeTextSource({});
    }

    void Start(const std::string& board, const std::string& json = "{}",
               SimTiming timing = SimTiming::Instant) {
        engine.reset();
        sim = MakeSim(board, json, timing);
        ASSERT_TRUE(sim);
        engine = std::make_unique<NpceEngine>(sim, port);
    }
    // Every wait bounded by `bound`, so that a silent JIG ends a test quickly.
    void ShortBounds(Millis bound = Millis(200)) {
        engine->SetBounds({bound, bound, bound, bound, bound});
    }
    SimNpceSpi& Chip() { return dynamic_cast<SimNpceSpi&>(*sim->Jig().Module("npce-spi")); }

    void Read(const std::string& file) {
        port.QueueFileAnswer(file);
        engine->ReadClick();
        engine->WaitForWorker();
    }
    void Write(const std::string& file) {
        port.QueueFileAnswer(file);
        engine->WriteClick();
        engine->WaitForWorker();
    }
    // The engine stops once the gauge shows `position` in `colour`.
    void StopAt(int position, Rgb colour) {
        port.onGauge = [this, position, colour](int p) {
            if (p == position && port.GaugeColour() == colour)
                engine->Stop();
        };
    }
    // "The N bytes received are kept in FILE.partial; FILE is unchanged."
    static std::string KeptLine(std::size_t bytes, const std::string& file) {
        return "The " + std::to_string(bytes) + " bytes received are kept in " + file +
               ".partial; " + file + " is unchanged.";
    }
    // The log from the first line equal to `from` on.
    std::vector<std::string> LinesFrom(const std::string& from) const {
        return ::LinesFrom(port.Lines(), from);
    }
    std::vector<std::uint8_t> HostBytes() { return sim->Jig().BytesToJig(); }
    std::vector<std::uint8_t> HostTail(std::size_t n) {
        const auto all = HostBytes();
        return {all.end() - static_cast<std::ptrdiff_t>(std::min(n, all.size())), all.end()};
    }
    // The operation is over: link closed, state "NONE", every button usable.
    void ExpectIdle() {
        EXPECT_EQ(engine->Run().State(), "NONE");
        EXPECT_FALSE(engine->LinkOpen());
        EXPECT_TRUE(port.Enabled("NPCE_READ"));
        EXPECT_TRUE(port.Enabled("NPCE_WRITE"));
        EXPECT_TRUE(port.Enabled("EXIT_NPCE"));
    }

    TempDir dir;
    GaugeWatchingPort port;
    std::shared_ptr<SimFtdiApi> sim;
    std::unique_ptr<NpceEngine> engine;
};

inline std::string NpcePattern(std::size_t size, unsigned seed = 7) {
    return Pattern(size, 151, seed, 9);
}
