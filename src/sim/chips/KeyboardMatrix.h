#pragma once
// A laptop keyboard on the JIG's 32-pin keyboard connector, with the firmware's scan loop
// ('u' first scan on PCB2, 'U' every scan, 'Q' end of scanning on PCB2). Scenario, under
// chips.keyboard:
//   "keys": [{"pins": [3, 5], "from": 0, "to": 400}, {"pins": [10, 12], "stuck": true}]
//     a key closes its pins from "from" ms (default 0) until "to" ms (default: for good),
//     counted from the first scan request; "stuck" keeps a pair closed all the time;
//   "answers": [[3, 5, 62, 38], ...] raw answers sent, in order, to the first scan requests;
//   "scanMicros": the JIG's time for one scan of the matrix (default 1000).
#include "sim/SimContext.h"
#include "sim/SimModule.h"

#include <mutex>
#include <optional>

class SimKeyboardMatrix : public SimModule {
  public:
    explicit SimKeyboardMatrix(const Scenario& scenario);

    std::string Name() const override { return "keyboard"; }
    char Pcb3Prefix() const override { return 0; }
    bool Handle(std::uint8_t command, SimContext& ctx) override;

    int Scans() const;
    int Stops() const;

    // The answer for the pairs closed now: each first pin followed by its second pins, groups
    // apart by '>', ended by '&'.
    static std::vector<std::uint8_t> AnswerFor(std::vector<std::pair<int, int>> closed);

  private:
    struct Key {
        int a = 0;
        int b = 0;
        long fromMs = 0;
        long toMs = -1; // -1: never released
    };

    std::vector<std::pair<int, int>> ClosedAt(long ms) const;

    std::vector<Key> keys_;
    std::vector<std::vector<std::uint8_t>> rawAnswers_;
    long scanMicros_ = 1000;
    mutable std::mutex mutex_;
    std::optional<SteadyClock::time_point> firstScan_;
    std::size_t nextRaw_ = 0;
    int scans_ = 0;
    int stops_ = 0;
    bool scanning_ = false; // PCB2: between 'u' and 'Q' (program thread only)
};
