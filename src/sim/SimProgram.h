#pragma once
// What the JIG's MCU runs: an application or a bootloader. Run() loops until the JIG stops
// or switches program (both unwind it by exception).
#include <memory>

class SimContext;

class SimProgram {
  public:
    virtual ~SimProgram() = default;
    virtual void Run(SimContext& ctx) = 0;
};

struct SimBoardState;
// The application that the board state says is flashed.
std::unique_ptr<SimProgram> MakeApplication(const SimBoardState& board);
// The board's bootloader, or nullptr where the simulator has none.
std::unique_ptr<SimProgram> MakeBootloader(const SimBoardState& board);
