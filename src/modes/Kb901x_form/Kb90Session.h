#pragma once
// What the KB90xx window's handlers and its worker share. A handler sets everything up, sets
// the operation state, then starts the worker; from then on only the worker touches the link,
// the file and the counters until it sets the state back to "NONE" as its last act.
#include "link/ProgrammerLink.h"
#include "link/WaitBounds.h"
#include "link/WaitFailureLine.h"
#include "operation/ChipState.h"
#include "operation/OutputFile.h"
#include "port/OperationState.h"
#include "port/OperatorPort.h"
#include "safety/OperationRecord.h"
#include "safety/SafetyOptions.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace Kb90 {
inline constexpr int kBlockSize = 256;
inline constexpr int kBlocks = 512;
inline constexpr int kFlashSize = kBlockSize * kBlocks;
inline constexpr int kGaugeMax = 32768;
inline constexpr int kGaugePerBlock = kGaugeMax / kBlocks;
inline constexpr char kPcb3Prefix = 'K';
inline constexpr Rgb kReadColour{0, 255, 0};
inline constexpr Rgb kWriteColour{255, 0, 0};
inline constexpr Rgb kVerifyColour{255, 255, 0};

// Controls the engine enables and disables, by their names in the window.
inline constexpr const char* kReadButton = "KB901X_READ";
inline constexpr const char* kWriteButton = "KB901X_WRITE";
inline constexpr const char* kExitButton = "EXIT_KB901X";

inline constexpr const char* kReadLost = "Lost Communication with ENE or timeout!";
inline constexpr const char* kWriteLost = "!!! Lost Communication with ENE or timeout !!! ";
// The mode as the journal and the backups name it.
inline constexpr const char* kModeName = "ENE KB90XX";
} // namespace Kb90

enum class Kb90Outcome { None, NoJig, Failed, Succeeded, Stopped };

// How long each wait for the JIG may take; the defaults come from the program's table, tests
// shorten them.
struct Kb90Bounds {
    Millis commandReply = WaitBounds::CommandReply; // RESET_ALTERA, 'I', '?', ready bytes
    Millis firstReady =
        WaitBounds::FlashErase; // the JIG erases the flash before its first ready byte
    Millis dataBlock = WaitBounds::DataBlock; // a 256-byte block, a block acknowledgement
    Millis progressStep =
        WaitBounds::ChipProgressStep; // each checksum progress byte and the answer
    Millis checksumPass = WaitBounds::ChipChecksumPass; // the whole PCB2 checksum pass
};

struct Kb90Session {
    Kb90Session(std::shared_ptr<FtdiApi> api, OperatorPort& operatorPort)
        : link(std::move(api)), port(operatorPort) {}

    ProgrammerLink link;
    OperatorPort& port;
    OperationState state;
    std::atomic<bool> ffcSettings{false};
    std::atomic<Kb90Outcome> outcome{Kb90Outcome::None};
    Kb90Bounds bounds;
    SafetyOptions safety; // set while idle
    OperationRecord record;
    // Set by Stop() from any thread; the worker looks at it between blocks.
    std::atomic<bool> stopRequested{false};
    ChipProgress progress;
    // Called by the worker as its very last act (the state is "NONE" by then); set while idle.
    std::function<void()> finished;

    // Handed from the handler to the worker.
    int blockCounter = 0;
    std::vector<std::uint8_t> image; // the write's image, padded to the flash size
    std::size_t imageFileSize = 0;   // what the image file held
    std::uint16_t fileSum = 0;
    std::uint16_t fileCrc = 0;
    OutputFile out; // the read's dump, put in place only after a good read
    std::string fileName;
    bool writing = false;   // the last operation was a write
    std::string backupPath; // the backup of the last write
    std::string failedStep; // the step a failed operation ended at, for its record
    // Figures of the last operation, read once its worker has been joined.
    std::uint64_t fileBytes = 0;
    std::int64_t workerCpuNanos = 0;
};

std::string BlockStep(const char* what, int block);
