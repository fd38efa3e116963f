#pragma once
// A mode's engine on a simulated JIG with a recording operator and a fixed clock, for the
// protocol tests of each mode (EneRig.h, NpceRig.h ...): what they share.
#include "port/TimeText.h"
#include "support/Pattern.h"
#include "support/RecordingPort.h"
#include "support/SimFixture.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>

template <class Engine, class Port = RecordingPort> class EngineRig : public ::testing::Test {
  protected:
    void SetUp() override {
        SetTimeTextSource(
            {[] { return std::string("10:20:30"); }, [] { return std::string("07.12.2026"); }});
    }
    void TearDown() override {
        engine.reset();
        SetTimeTextSource({});
    }

    // A new JIG for `board` and a new engine on it; `extra` goes to the engine after the port.
    template <class... Extra>
    void StartEngine(const std::string& board, const std::string& json, SimTiming timing,
                     Extra&&... extra) {
        engine.reset();
        sim = MakeSim(board, json, timing);
        ASSERT_TRUE(sim);
        engine = std::make_unique<Engine>(sim, port, std::forward<Extra>(extra)...);
    }

    // A new JIG for `board` and a new engine on it (a rig whose engine takes more has its own).
    void Start(const std::string& board, const std::string& json = "{}",
               SimTiming timing = SimTiming::Instant) {
        StartEngine(board, json, timing);
    }
    // READ or WRITE with `file` chosen in the dialog, waited for to its end.
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
    std::vector<std::uint8_t> HostBytes() const { return sim->Jig().BytesToJig(); }
    std::vector<std::uint8_t> HostTail(std::size_t n) const {
        const auto all = HostBytes();
        return {all.end() - static_cast<std::ptrdiff_t>(std::min(n, all.size())), all.end()};
    }
    std::string HostText() const {
        const auto bytes = HostBytes();
        return {bytes.begin(), bytes.end()};
    }
    // The operation is over: state "NONE", link closed, every named button usable.
    void ExpectIdleWith(std::initializer_list<const char*> buttons) const {
        EXPECT_EQ(engine->Run().State(), "NONE");
        EXPECT_FALSE(engine->LinkOpen());
        for (const char* button : buttons)
            EXPECT_TRUE(port.Enabled(button)) << button;
    }
    // STOP once, from the engine's thread, when the gauge first shows `position`.
    void StopOnceAtGauge(int position) {
        port.onGauge = [this, position, done = false](int p) mutable {
            if (!done && p == position) {
                done = true;
                engine->Stop();
            }
        };
    }

    TempDir dir;
    Port port;
    std::shared_ptr<SimFtdiApi> sim;
    std::unique_ptr<Engine> engine;
};
