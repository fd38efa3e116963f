#pragma once
// A KB90xx engine on a simulated JIG with a recording operator, for the protocol tests.
#include "modes/Kb901x_form/Kb901xEngine.h"
#include "port/TimeText.h"
#include "sim/chips/EneKb90xx.h"
#include "support/Pattern.h"
#include "support/RecordingPort.h"
#include "support/SimFixture.h"

#include <algorithm>
#include <gtest/gtest.h>

inline const std::string kStamp = "Current time  10:20:30";

// Asks the engine to stop once, from the worker, when the gauge first reaches `stopAtGauge`
// (64 per block): a stop at an exact block, as a technician's click would land between two.
class EneStoppingPort : public RecordingPort {
  public:
    void SetGauge(int position) override {
        RecordingPort::SetGauge(position);
        if (stopAtGauge != 0 && position == stopAtGauge && engine) {
            stopAtGauge = 0;
            engine->Stop();
        }
    }
    int stopAtGauge = 0;
    Kb901xEngine* engine = nullptr;
};

class EneTest : public ::testing::Test {
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
        sim = MakeSim(board, json, timing);
        ASSERT_TRUE(sim);
        engine = std::make_unique<Kb901xEngine>(sim, port);
        port.engine = engine.get();
    }
    SimEneKb90xx& Chip() { return dynamic_cast<SimEneKb90xx&>(*sim->Jig().Module("ene")); }

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
    // The log from the first line equal to `from` on.
    std::vector<std::string> LinesFrom(const std::string& from) const {
        return ::LinesFrom(port.Lines(), from);
    }
    std::vector<std::uint8_t> HostBytes() { return sim->Jig().BytesToJig(); }
    // Controls the engine re-enabled last, by name.
    void ExpectIdle() {
        EXPECT_EQ(engine->Run().State(), "NONE");
        EXPECT_FALSE(engine->LinkOpen());
        EXPECT_TRUE(port.Enabled("KB901X_READ"));
        EXPECT_TRUE(port.Enabled("KB901X_WRITE"));
        EXPECT_TRUE(port.Enabled("EXIT_KB901X"));
    }

    TempDir dir;
    EneStoppingPort port;
    std::shared_ptr<SimFtdiApi> sim;
    std::unique_ptr<Kb901xEngine> engine;
};

inline std::string PatternImage(std::size_t size, unsigned seed = 7) {
    return Pattern(size, 131, seed);
}
