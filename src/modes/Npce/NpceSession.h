#pragma once
// What the NPCE window's handlers and its worker share. A handler sets everything up, sets the
// operation state, then starts the worker; from then on only the worker touches the link, the
// file and the counters until it sets the state back to "NONE" as its last act.
#include "link/ProgrammerLink.h"
#include "link/WaitBounds.h"
#include "operation/ChipState.h"
#include "operation/OutputFile.h"
#include "port/OperationState.h"
#include "port/OperatorPort.h"
#include "safety/OperationRecord.h"
#include "safety/SafetyOptions.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Npce {
inline constexpr int kFlashSize = 131072;
inline constexpr int kReadBlockSize = 512;
inline constexpr int kReadBlocks = kFlashSize / kReadBlockSize;
inline constexpr int kWriteBlockSize = 256;
inline constexpr int kWriteBlocks = kFlashSize / kWriteBlockSize;
inline constexpr int kGaugeMax = 512;
inline constexpr char kPcb3Prefix = 'N';
inline constexpr std::uint8_t kFlashId[3] = {0xEF, 0x40, 0x12};
inline constexpr std::uint8_t kDone = 0x01;
inline constexpr std::uint8_t kReady = '*';
inline constexpr std::uint8_t kEndOfWrite = 0x07;
inline constexpr std::uint8_t kEndOfStream = '-';
inline constexpr Rgb kReadColour{0, 255, 0};
inline constexpr Rgb kWriteColour{255, 0, 0};
inline constexpr Rgb kVerifyColour{255, 255, 0};

// Controls the engine enables and disables, by their names in the window.
inline constexpr const char* kReadButton = "NPCE_READ";
inline constexpr const char* kWriteButton = "NPCE_WRITE";
inline constexpr const char* kExitButton = "EXIT_NPCE";

inline constexpr const char* kCorruptedLine = "ERROR timeout. Corrupted data !? ";
// The mode and the flash as the journal and the backups name them.
inline constexpr const char* kModeName = "NUVOTON spi";
inline constexpr const char* kFlashIdText = "EF4012";

// "Current time  " with the date and the time.
std::string TimeLine();
} // namespace Npce

enum class NpceOutcome { None, NoJig, Failed, Succeeded, Stopped };

// How long each wait for the JIG may take; the defaults come from the program's table, tests
// shorten them.
struct NpceBounds {
    Millis commandReply = WaitBounds::CommandReply; // ID, '*', end answers, 'I' / 'O'
    Millis erase = WaitBounds::FlashErase;
    Millis blankCheck = WaitBounds::FlashBlankCheck;
    Millis dataBlock = WaitBounds::DataBlock; // a 512-byte block, a page's status
    Millis transmit = WaitBounds::TransmitQueue;
};

// An answer of a fixed size in the link's buffer: `count` bytes arrived (all of them when it is
// Ok), and `surplus` when more were queued than the answer has.
struct NpceAnswer {
    WaitOutcome outcome = WaitOutcome::TimedOut;
    std::size_t count = 0;
    bool surplus = false;
    bool Ok() const { return outcome == WaitOutcome::Ready && !surplus; }
    // The JIG stopped answering (or the device went): nothing it is sent will be answered.
    bool Lost() const { return outcome != WaitOutcome::Ready; }
};

// Waits within `bound` until `count` bytes are queued and reads them; on a time-out reads what
// came. More than `count` bytes queued is nonsense from the JIG: they are read (as far as the
// buffer goes) and flagged.
NpceAnswer AwaitAnswer(ProgrammerLink& link, std::size_t count, Millis bound);

// "Timeout: no answer from the JIG (STEP)" and its kin.
std::string WaitLine(const NpceAnswer& answer, const std::string& step);

// Sends the result signal ('I' or 'O') and, unless the JIG has stopped answering, waits for its
// one-byte answer. False, with the line to log, when that answer did not come.
bool SendResultSignal(ProgrammerLink& link, std::uint8_t signal, bool awaitAnswer, Millis bound,
                      std::string* failureLine);

struct NpceSession {
    NpceSession(std::shared_ptr<FtdiApi> api, OperatorPort& operatorPort)
        : link(std::move(api)), port(operatorPort) {}

    // The failing step of the last operation, or empty.
    std::string FailedStep() const {
        std::lock_guard lock(stepMutex);
        return failedStep;
    }
    void SetFailedStep(std::string step) {
        std::lock_guard lock(stepMutex);
        failedStep = std::move(step);
    }

    ProgrammerLink link;
    OperatorPort& port;
    OperationState state;
    std::atomic<NpceOutcome> outcome{NpceOutcome::None};
    NpceBounds bounds;
    SafetyOptions safety; // set while idle
    OperationRecord record;

    // The technician asked the running operation to stop; looked at between blocks and steps.
    std::atomic<bool> stopRequested{false};
    ChipProgress progress;

    // Handed from the handler to the worker.
    int blockCounter = 0;
    std::vector<std::uint8_t> image;
    OutputFile output; // a read's dump, put in place only when the read succeeded
    std::string fileName;
    // Set by the worker, read once it has been joined: the backup taken before the erase, and
    // where the chip stands after a write that failed or stopped (empty otherwise).
    std::string backupPath;
    std::string chipState;
    // Figures of the last operation, read once its worker has been joined.
    std::uint64_t fileBytes = 0;
    std::int64_t workerCpuNanos = 0;

  private:
    mutable std::mutex stepMutex;
    std::string failedStep;
};
