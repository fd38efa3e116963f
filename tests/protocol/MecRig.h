#pragma once
// A MEC16xx engine on a simulated JIG with a recording operator, for the protocol tests.
#include "modes/Mec16xx/Mec16xxEngine.h"
#include "operation/ChipState.h"
#include "port/TimeText.h"
#include "sim/chips/Mec16xx.h"
#include "support/Pattern.h"
#include "support/RecordingPort.h"
#include "support/SimFixture.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

inline const std::string kMecStamp = "Current time 07.12.2026 10:20:30";
inline const std::string kMecStampRu = "Текущее время  07.12.2026 10:20:30";

// A recording operator that can act when the gauge reaches a position or a line is logged (a
// technician pressing STOP while the stream runs).
class MecPort : public RecordingPort {
  public:
    void SetGauge(int position) override {
        RecordingPort::SetGauge(position);
        if (onGauge)
            onGauge(position);
    }
    void Log(const std::string& line) override {
        RecordingPort::Log(line);
        if (onLine)
            onLine(line);
    }
    std::function<void(int)> onGauge;
    std::function<void(const std::string&)> onLine;
};

class MecTest : public ::testing::Test {
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
        engine = std::make_unique<Mec16xxEngine>(sim, port);
    }
    // Short bounds, for the cases that wait for a JIG that does not answer. A sanitizer build
    // runs the simulator several times slower: a reply that comes must still come in time, or
    // the host gives up while the JIG is busy and its bytes are lost.
    void ShortBounds() {
#if defined(__SANITIZE_THREAD__) || defined(__SANITIZE_ADDRESS__)
        constexpr int slow = 4;
#else
        constexpr int slow = 1;
#endif
        MecBounds b;
        b.commandReply = Millis(150 * slow);
        b.dataBlock = Millis(150 * slow);
        b.erase = Millis(300);
        engine->SetBounds(b);
    }
    SimMec16xx& Chip() {
        return dynamic_cast<SimMec16xx&>(*sim->Jig().Module("mec"));
    }
    std::vector<std::uint8_t> Main() {
        const auto image = Chip().Image();
        return {image.begin(), image.begin() + SimMec16xx::kMainSize};
    }

    void Check() {
        engine->CheckClick();
    }
    void Read(const std::string& file, bool info = false) {
        port.QueueFileAnswer(file);
        engine->ReadClick(info);
        engine->WaitForWorker();
    }
    void Erase(bool info = false) {
        if (info) // the question INFO's erase asks is MecCheckTest's
            port.QueueYesNo(true);
        engine->EraseClick(info);
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
    std::vector<std::uint8_t> HostBytes() {
        return sim->Jig().BytesToJig();
    }
    std::string HostText() {
        const auto bytes = HostBytes();
        return {bytes.begin(), bytes.end()};
    }
    void ExpectIdle() {
        EXPECT_EQ(engine->Run().State(), "NONE");
        EXPECT_FALSE(engine->LinkOpen());
    }

    TempDir dir;
    MecPort port;
    std::shared_ptr<SimFtdiApi> sim;
    std::unique_ptr<Mec16xxEngine> engine;
};

// A MEC image of `size` bytes that differs from the simulator's own.
inline std::string MecPattern(std::size_t size, unsigned seed = 5) {
    return Pattern(size, 97, seed, 10);
}
