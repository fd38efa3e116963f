#pragma once
// A Nuvoton JTAG engine on a simulated JIG with a recording operator and view, for the
// protocol tests; and the host's bytes cut into the frames they were.
#include "modes/Nuvoton_jtag_form/NuvotonJtagEngine.h"
#include "sim/chips/NpceJtag.h"
#include "support/EngineRig.h"

#include <functional>
#include <mutex>
#include <optional>
#include <utility>

// What a window would show of the counter and its timer.
class RecordingView : public NuvJtagView {
  public:
    void SetCounterText(const std::string& text) override {
        std::lock_guard lock(mutex_);
        counterTexts_.push_back(text);
    }
    void ShowCounter() override {
        std::lock_guard lock(mutex_);
        counterShown_ = true;
    }
    void ArmEndTimer() override {
        std::lock_guard lock(mutex_);
        ++timersArmed_;
    }
    std::vector<std::string> CounterTexts() const {
        std::lock_guard lock(mutex_);
        return counterTexts_;
    }
    bool CounterShown() const {
        std::lock_guard lock(mutex_);
        return counterShown_;
    }
    int TimersArmed() const {
        std::lock_guard lock(mutex_);
        return timersArmed_;
    }

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> counterTexts_;
    bool counterShown_ = false;
    int timersArmed_ = 0;
};

// A recording operator that acts once the gauge of one colour reaches a position, on the
// worker's thread, as a click during that block would (STOP, or a button that must do nothing).
class JtagStoppingPort : public RecordingPort {
  public:
    void At(Rgb colour, int position, std::function<void()> stop) {
        std::lock_guard lock(mutex_);
        colour_ = colour;
        at_ = position;
        stop_ = std::move(stop);
    }
    void SetGauge(int position) override {
        RecordingPort::SetGauge(position);
        std::function<void()> stop;
        {
            std::lock_guard lock(mutex_);
            if (stop_ && position == at_ && GaugeColour() == colour_)
                stop = std::exchange(stop_, nullptr);
        }
        if (stop)
            stop();
    }

  private:
    std::mutex mutex_;
    Rgb colour_{};
    int at_ = -1;
    std::function<void()> stop_;
};

inline const std::string kJtagStamp = "07.12.2026 10:20:30";

class JtagTest : public EngineRig<NuvotonJtagEngine, JtagStoppingPort> {
  protected:
    void Start(const std::string& board, const std::string& json = "{}",
               SimTiming timing = SimTiming::Instant) {
        StartEngine(board, json, timing, &view);
    }
    SimNpceJtag& Chip() { return dynamic_cast<SimNpceJtag&>(*sim->Jig().Module("npce-jtag")); }

    // Send settings, then Check connect with its script to the end.
    void Prepare(bool pin1ToPin1 = true) {
        engine->SendSettings(pin1ToPin1);
        engine->CheckConnect();
        engine->WaitForOperation();
    }
    void Read(const std::string& file) {
        port.QueueFileAnswer(file);
        engine->ReadClick();
        engine->WaitForOperation();
    }
    void Write(const std::string& file) {
        port.QueueFileAnswer(file);
        engine->WriteClick();
        engine->WaitForOperation();
    }
    // The window's initial state: only Send settings usable, nothing running, link closed.
    void ExpectReset() {
        EXPECT_EQ(engine->Run().State(), "NONE");
        EXPECT_FALSE(engine->LinkOpen());
        EXPECT_FALSE(engine->EndTimerArmed());
        EXPECT_TRUE(port.Enabled("BitBtn_SETTINGS"));
        EXPECT_FALSE(port.Enabled("BitBtn_CONNECT"));
        EXPECT_FALSE(port.Enabled("BitBtn_NUV_JTAG_RD"));
        EXPECT_FALSE(port.Enabled("BitBtn_NUV_JTAG_WR"));
    }

    RecordingView view;
};

// The host's bytes cut into the commands this mode sends.
inline std::vector<std::vector<std::uint8_t>> HostFrames(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::vector<std::uint8_t>> frames;
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t n = 1;
        const std::uint8_t a = bytes[i];
        const std::uint8_t b = i + 1 < bytes.size() ? bytes[i + 1] : 0;
        if (a == 'S')
            n = b == 'W' ? 4 : 2;
        else if (a == 'J')
            n = b == 'i' || b == 'd' ? 3
                : b == 'D'           ? 6
                : b == 'T'           ? 8
                : b == 'W' && i + 3 < bytes.size()
                    ? static_cast<std::size_t>(bytes[i + 2] | bytes[i + 3] << 8)
                    : 2;
        n = std::min(n, bytes.size() - i);
        frames.emplace_back(bytes.begin() + static_cast<std::ptrdiff_t>(i),
                            bytes.begin() + static_cast<std::ptrdiff_t>(i + n));
        i += n;
    }
    return frames;
}

inline std::uint32_t EntryValue(const std::vector<std::uint8_t>& batch, std::size_t entry) {
    const std::size_t at = 5 + 5 * entry + 1;
    return static_cast<std::uint32_t>(batch[at]) | static_cast<std::uint32_t>(batch[at + 1]) << 8 |
           static_cast<std::uint32_t>(batch[at + 2]) << 16 |
           static_cast<std::uint32_t>(batch[at + 3]) << 24;
}

inline std::vector<std::vector<std::uint8_t>> Batches(const std::vector<std::uint8_t>& bytes,
                                                      std::uint8_t mode) {
    std::vector<std::vector<std::uint8_t>> out;
    for (auto& f : HostFrames(bytes))
        if (f.size() >= 5 && f[0] == 'J' && f[1] == 'W' && f[4] == mode)
            out.push_back(f);
    return out;
}

inline std::string JtagPattern(std::size_t size, unsigned seed = 3) {
    return Pattern(size, 167, seed, 9);
}
