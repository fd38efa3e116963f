#pragma once
// What the MEC window's handlers and its worker share. A handler prepares the link, the file
// and the counters, sets the operation state and starts the worker; from then on only the
// worker uses them until it sets the state back to "NONE" as its last act. What another
// thread may touch meanwhile (the state, the break flag, the indicators, the outcome) is
// atomic or locked.
#include "link/ProgrammerLink.h"
#include "link/WaitBounds.h"
#include "operation/ChipState.h"
#include "operation/OutputFile.h"
#include "port/OperationState.h"
#include "port/OperatorPort.h"
#include "safety/OperationRecord.h"
#include "safety/SafetyOptions.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace Mec {
inline constexpr char kPcb3Prefix = 'M';

// The read stream: 1024 flash bytes and a status byte per block.
inline constexpr int kReadBlockBytes = 1024;
inline constexpr int kReadFrameBytes = kReadBlockBytes + 1;
inline constexpr std::uint8_t kBlockGood = 0x01;
inline constexpr int kMainReadBlocks = 192;
inline constexpr int kInfoReadBlocks = 2;
inline constexpr int kMainBytes = kMainReadBlocks * kReadBlockBytes;
inline constexpr int kInfoBytes = kInfoReadBlocks * kReadBlockBytes;
inline constexpr std::uint32_t kMainAddress = 0x000000;
inline constexpr std::uint32_t kInfoAddress = 0x040000;

// The write stream: 256 bytes per block, each answered by 'G'.
inline constexpr int kWriteBlockBytes = 256;
inline constexpr int kWriteBlocks = kMainBytes / kWriteBlockBytes;
inline constexpr std::uint8_t kBlockProgrammed = 'G';

inline constexpr int kGaugeStart = 768;
inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kLime{0, 255, 0};

// Registers of the controller.
inline constexpr std::uint32_t kRegDevice = 0xFFFD00;
inline constexpr std::uint32_t kRegEraseArgument = 0xFF3904;
inline constexpr std::uint32_t kRegMode = 0xFF3908;
inline constexpr std::uint32_t kRegStatus = 0xFF390C;
inline constexpr std::uint32_t kRegAccess = 0xFF3910;
inline constexpr std::uint32_t kModeIdle = 0x000;
inline constexpr std::uint32_t kModeEnd = 0x100;
inline constexpr std::uint32_t kModeRead = 0x105;
inline constexpr std::uint32_t kModeProgram = 0x106;
inline constexpr std::uint32_t kModeErase = 0x107;
inline constexpr std::uint32_t kEraseMain = 0x00F80000;
inline constexpr std::uint32_t kEraseMainAndInfo = 0x00FC0000;
// Bits of the status register's least significant byte.
inline constexpr std::uint8_t kStatusBusy = 0x01;
inline constexpr std::uint8_t kStatusBootLock = 0x08;
inline constexpr std::uint8_t kStatusFwp = 0x10;

inline constexpr const char* kRegLost = "MEC_lost";
inline constexpr const char* kRegOk = "MEC_OK";
inline constexpr const char* kMainOnly = "MAIN only";
inline constexpr const char* kMainAndInfo = "MAIN+INFO";
// The mode as the journal and the backups name it.
inline constexpr const char* kModeName = "MEC jtag";
} // namespace Mec

enum class MecOutcome { None, NoJig, Failed, Succeeded, Stopped };
enum class MecIndicator { Fwp, BootLock };

// How long each wait for the JIG may take; the defaults come from the program's table, tests
// shorten them. Register replies are bounded by the link's own read time-out.
struct MecBounds {
    Millis commandReply = WaitBounds::CommandReply; // JTAG commands, ID, result signal
    Millis dataBlock = WaitBounds::DataBlock;       // a stream block, a write request, 'G'
    Millis erase = WaitBounds::FlashErase;          // the busy bit of a whole-flash erase
};

struct MecState {
    MecState(std::shared_ptr<FtdiApi> api, OperatorPort& operatorPort)
        : link(std::move(api)), port(operatorPort) {}

    ProgrammerLink link;
    OperatorPort& port;
    OperationState state;
    // STOP: the one flag every step of a read, backup, erase and write looks at between blocks.
    std::atomic<bool> userBreak{false};
    std::atomic<MecOutcome> outcome{MecOutcome::None};
    MecBounds bounds;
    SafetyOptions safety; // set while idle
    OperationRecord record;

    void SetIndicator(MecIndicator which, Rgb colour);
    Rgb Indicator(MecIndicator which) const;
    // Called with each indicator change, from the thread that makes it.
    void SetIndicatorSink(std::function<void(MecIndicator, Rgb)> sink);
    // Called as each operation ends, with its outcome and chip-state line, from its thread.
    void SetEndSink(std::function<void(MecOutcome, const std::string&)> sink);

    // Handed from the handler to the worker.
    std::string lastResult; // the ID text during a read or write
    std::string blockMode = Mec::kMainOnly;
    int blockCounter = 0;
    bool eraseInfo = false;
    OutputFile output;                 // the dump a read makes
    std::vector<std::uint8_t> toWrite; // the whole image a write puts on the chip, padded
    std::size_t toWriteFileBytes = 0;  // what the image file held
    std::string fileName;
    std::array<std::uint8_t, 4> id{};
    std::vector<std::uint8_t> block = std::vector<std::uint8_t>(Mec::kReadFrameBytes);
    // A wait for the JIG ended without its reply: later steps send what they must but wait
    // for nothing more, so the operation ends at once.
    bool jigLost = false;
    // The step the last operation failed at ("P103", "answer to ID_READ"), empty on success.
    std::string failedStep;

    // With read twice or the image check: what the read gave, block by block.
    std::vector<std::uint8_t> image;

    // Where the chip stands during an erase or a write; `chipMatters` once such an operation
    // has reached the JIG, so that its failure says it.
    ChipProgress progress;
    bool chipMatters = false;
    std::string backupPath;
    std::string chipState; // the line of the last failed or stopped erase or write

    bool StopRequested() const { return userBreak.load(); }
    // An erase or write that ends `result`: when it failed or stopped, where the chip stands
    // goes into the log (once) and into `chipState`.
    void SayChipState(MecOutcome result);

    // Ends the operation: its outcome and failing step, its journal record, then the state
    // "NONE" last, so that a new operation never meets a half-ended one.
    void Finish(MecOutcome result, const std::string& step = "");

    // Figures of the last operation, read once its worker has been joined.
    std::uint64_t fileBytes = 0;
    std::int64_t workerCpuNanos = 0;

  private:
    mutable std::mutex indicatorMutex_;
    std::function<void(MecIndicator, Rgb)> indicatorSink_;
    std::function<void(MecOutcome, const std::string&)> endSink_;
    Rgb fwp_ = Mec::kBlack;
    Rgb bootLock_ = Mec::kBlack;
};
