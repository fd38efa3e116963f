#pragma once
// An ITE engine on a simulated JIG with a recording technician, for the protocol tests.
#include "modes/Ite/IteEngine.h"
#include "sim/chips/IteEc.h"
#include "support/EngineRig.h"
#include "support/RecordingItePort.h"

inline const std::string kIteStampEn = "Current time  07.12.2026 10:20:30";
inline const std::string kIteStampRu = "Текущее время  07.12.2026 10:20:30";

// The pin assignments of the simulator's default motherboard, in their order on the wire.
inline const std::string kDefaultTriples{'I', 'N', 7,  'D', 'S', 6,  'A', 'S', 8,  'W', 'R', 5,
                                         'K', '4', 9,  'K', '5', 10, 'B', 'L', 21, 'd', '0', 12,
                                         'd', '1', 13, 'd', '2', 14, 'd', '3', 15, 'd', '4', 16,
                                         'd', '5', 17, 'd', '6', 18, 'd', '7', 19};

// The boxes of the simulator's default motherboard ("Example board 1").
inline IteAssignment DefaultBoxes() {
    IteAssignment boxes{};
    const auto& wiring = SimIteEc::DefaultWiring();
    for (const IteSignal& s : IteSignals())
        boxes[static_cast<std::size_t>(s.box - 1)] = wiring.at(s.name);
    return boxes;
}

class IteTest : public EngineRig<IteEngine, RecordingItePort> {
  protected:
    // A JIG that has been given the board's wiring (unless `apply` is false).
    void Start(const std::string& board, const std::string& json = "{}", bool apply = true,
               SimTiming timing = SimTiming::Instant) {
        engine.reset(); // its last lines go before the logs are cleared
        port.ClearLogs();
        applied = 0;
        StartEngine(board, json, timing);
        if (apply) {
            Apply(DefaultBoxes());
            ASSERT_EQ(engine->Run().Result(), Outcome::Succeeded) << Dump();
            port.ClearLogs();
            applied = HostBytes().size();
        }
    }
    SimIteEc& Chip() { return dynamic_cast<SimIteEc&>(*sim->Jig().Module("ite")); }

    void Apply(const IteAssignment& boxes) {
        engine->ApplyClick(boxes);
        engine->WaitForWorker();
    }
    void Check() {
        engine->CheckClick();
        engine->WaitForWorker();
    }
    void Read(const std::optional<std::string>& file) {
        port.english.QueueFileAnswer(file);
        engine->ReadClick();
        engine->WaitForWorker();
    }
    void Write(const std::optional<std::string>& file) {
        port.english.QueueFileAnswer(file);
        engine->WriteClick();
        engine->WaitForWorker();
    }

    std::vector<std::string> En() const { return port.english.Lines(); }
    std::vector<std::string> Ru() const { return port.russian.Lines(); }
    // The English log from the first line equal to `from` on.
    std::vector<std::string> EnFrom(const std::string& from) const {
        const auto lines = En();
        return {std::find(lines.begin(), lines.end(), from), lines.end()};
    }
    std::string Dump() const {
        std::string text;
        for (const std::string& line : En())
            text += line + "\n";
        return text;
    }
    // What the host sent since the APPLY of Start().
    std::vector<std::uint8_t> HostBytes() const {
        const auto all = sim->Jig().BytesToJig();
        return {all.begin() + static_cast<std::ptrdiff_t>(std::min(applied, all.size())),
                all.end()};
    }
    void ExpectIdle() const {
        EXPECT_EQ(engine->Run().State(), "NONE");
        EXPECT_FALSE(engine->LinkOpen());
        for (const char* button : {"ITE_CHECK_CON_BitBtn", "ITE_SETUP_BitBtn", "ITE_READ_BitBtn",
                                   "ITE_WRITE_BitBtn", "ITE_EXIT_BitBtn"})
            EXPECT_TRUE(port.english.Enabled(button)) << button;
    }

    std::size_t applied = 0;
};

inline std::string ItePattern(std::size_t size, unsigned seed = 7) {
    return Pattern(size, 131, seed);
}
