#pragma once
// What the ITE window's handlers and its worker share. A handler sets everything up, sets the
// operation state, then starts the worker; from then on only the worker touches the link, the
// file and the buffers until it sets the state back to "NONE" as its last act.
#include "link/ProgrammerLink.h"
#include "link/WaitBounds.h"
#include "modes/Ite/ItePort.h"
#include "modes/Ite/IteSignals.h"
#include "operation/ChipState.h"
#include "operation/OutputFile.h"
#include "port/OperationState.h"
#include "safety/OperationRecord.h"
#include "safety/SafetyOptions.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace Ite {
inline constexpr int kFlashSize = 131072;
inline constexpr int kReadBlocks = kFlashSize / 256;  // 512
inline constexpr int kWriteBlocks = kFlashSize / 128; // 1024
inline constexpr int kSpeedGaugeMax = 256;            // SPEED_ITE_CGauge as created
inline constexpr Rgb kReadColour{0, 255, 0};
inline constexpr Rgb kWriteColour{255, 0, 0};

// Operation states.
inline constexpr const char* kIdle = "NONE";
inline constexpr const char* kReading = "READ_ITE";
inline constexpr const char* kWriting = "WRITE_ITE_step_one";
inline constexpr const char* kChecking = "CHECK_ITE";
inline constexpr const char* kSettingUp = "SETUP_ITE";
// The mode as the journal and the backups name it.
inline constexpr const char* kModeName = "ITE";
// EXIT or the window's close while an operation runs.
inline constexpr const char* kStopQuestion = "Stop the operation?";

// Controls the engine enables and disables, by their names in the window.
inline constexpr const char* kCheckButton = "ITE_CHECK_CON_BitBtn";
inline constexpr const char* kSetupButton = "ITE_SETUP_BitBtn";
inline constexpr const char* kReadButton = "ITE_READ_BitBtn";
inline constexpr const char* kWriteButton = "ITE_WRITE_BitBtn";
inline constexpr const char* kExitButton = "ITE_EXIT_BitBtn";
} // namespace Ite

enum class IteOutcome { None, NoJig, Failed, Succeeded, Stopped };

// How long each wait for the JIG may take; the defaults come from the program's table, tests
// shorten them.
struct IteBounds {
    Millis attach = WaitBounds::IteAttach;      // the test command: the board may be powered now
    Millis command = WaitBounds::CommandReply;  // bus cycles, setup, triples, the write address
    Millis block = WaitBounds::DataBlock;       // a 257-byte block, a block write's "o"
    Millis firstBlock = WaitBounds::FlashErase; // the first block write waits for the erase
};

struct IteChipId {
    std::uint8_t id1 = 0;
    std::uint8_t id2 = 0;
    std::uint8_t revision = 0;
};

struct IteSession {
    IteSession(std::shared_ptr<FtdiApi> api, ItePort& operatorPort)
        : link(std::move(api)), port(operatorPort) {}

    ProgrammerLink link;
    ItePort& port;
    OperationState state;
    std::atomic<IteOutcome> outcome{IteOutcome::None};
    IteBounds bounds;
    SafetyOptions safety; // set while idle
    OperationRecord record;
    // Asked from any thread; the worker looks at it between blocks and steps.
    std::atomic<bool> stopRequested{false};
    ChipProgress progress; // where the chip stands during a write

    // Handed from the handler to the worker.
    IteAssignment assignment = kUnassigned;
    OutputFile output; // a read's dump, put in place only once the read succeeded
    std::string fileName;
    std::vector<std::uint8_t> image; // what a write programs, 131072 bytes

    // Results of the last operation, read once its worker has been joined.
    std::optional<IteChipId> chipId;
    std::string failedStep; // the code or step that ended it ("(T013)", "block 7 of 512")
    std::uint64_t fileBytes = 0;
    std::int64_t workerCpuNanos = 0;
    std::string backupPath;
    std::string chipState; // after a failed or stopped write: where the chip stands
};

// Date and time as the logs show them.
std::string IteDateTime();
