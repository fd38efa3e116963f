#pragma once
// What the MEC window's handlers and its worker share. A handler prepares the link and the
// counters and hands the operation to the runner's worker; from then on only the worker uses
// them until it returns. What another thread may touch meanwhile (the indicators, and what the
// runner guards) is locked.
#include "link/ProgrammerLink.h"
#include "link/WaitBounds.h"
#include "operation/OperationRunner.h"
#include "port/OperatorPort.h"

#include <array>
#include <cstdint>
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

enum class MecIndicator { Fwp, BootLock };

// How long each wait for the JIG may take; the defaults come from the program's table, tests
// shorten them.
struct MecBounds {
    Millis commandReply = WaitBounds::CommandReply; // JTAG commands, ID, result signal
    Millis dataBlock = WaitBounds::DataBlock;       // a stream block, a write request, 'G'
    Millis erase = WaitBounds::FlashErase;          // the busy bit of a whole-flash erase
    // A register's reply: the read time-out the link sets for this board.
    Millis registerReply = Millis(500);
};

// "ID", "READ_MAIN", "READ_INFO", "ERASE", "WRITE_MAIN".
const char* MecStateName(Activity activity);

struct MecState {
    MecState(std::shared_ptr<FtdiApi> api, OperatorPort& operatorPort)
        : link(std::move(api)), port(operatorPort),
          run(link, port, {Mec::kModeName, MecStateName, {}}) {}

    ProgrammerLink link;
    OperatorPort& port;
    MecBounds bounds;
    // The JIG's last reply that came whole (an ID, a register's four bytes).
    Reply reply;

    void SetIndicator(MecIndicator which, Rgb colour);
    Rgb Indicator(MecIndicator which) const;
    // Called with each indicator change, from the thread that makes it.
    void SetIndicatorSink(std::function<void(MecIndicator, Rgb)> sink);
    // Called as each operation that reached its worker ends, with its outcome and chip-state
    // line, from its thread.
    void SetEndSink(std::function<void(Outcome, const std::string&)> sink);
    // The runner's end call: a chip that changed turns both indicators red; then the sink.
    void Ended(Outcome outcome, const std::string& chipState);

    // Handed from the handler to the worker.
    std::string lastResult; // the ID text during a read or write
    std::string blockMode = Mec::kMainOnly;
    int blockCounter = 0;
    bool eraseInfo = false;
    std::vector<std::uint8_t> toWrite; // the whole image a write puts on the chip, padded
    std::size_t toWriteFileBytes = 0;  // what the image file held
    std::array<std::uint8_t, 4> id{};
    // A wait for the JIG ended without its reply: later steps send what they must but wait
    // for nothing more, so the operation ends at once.
    bool jigLost = false;

    // With read twice or the image check: what the read gave, block by block.
    std::vector<std::uint8_t> image;

    bool StopRequested() const { return run.Stopping(); }
    // The first step that failed is the one the operation names.
    void Fail(const std::string& step);
    // How an operation ends `outcome` at `step`: the step kept unless one failed before, or
    // it succeeded. Returns `outcome`, for the worker to hand to the runner.
    Outcome End(Outcome outcome, const std::string& step = "");
    // An operation that ends before its worker, the same way.
    void EndEarly(Outcome outcome, const std::string& step = "");

  private:
    mutable std::mutex indicatorMutex_;
    std::function<void(MecIndicator, Rgb)> indicatorSink_;
    std::function<void(Outcome, const std::string&)> endSink_;
    Rgb fwp_ = Mec::kBlack;
    Rgb bootLock_ = Mec::kBlack;

  public:
    // The operation: its state, stop flag, failed step, file, backup, record and ending. Last,
    // so that it joins the worker before anything the worker uses goes.
    OperationRunner run;
};
