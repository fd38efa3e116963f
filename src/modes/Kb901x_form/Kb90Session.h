#pragma once
// What the KB90xx window's handlers and its worker share. A handler connects, checks the EC and
// takes the file, then hands the operation to the runner's worker; from then on only the worker
// touches the link and the image until the runner has ended the operation.
#include "link/ProgrammerLink.h"
#include "link/WaitBounds.h"
#include "operation/OperationRunner.h"
#include "port/Tr.h"

#include <atomic>
#include <cstdint>
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

inline constexpr const char* kReadLost = TR_NOOP("Ene", "Lost Communication with ENE or timeout!");
inline constexpr const char* kWriteLost =
    TR_NOOP("Ene", "!!! Lost Communication with ENE or timeout !!! ");
// The mode as the journal and the backups name it.
inline constexpr const char* kModeName = "ENE KB90XX";
} // namespace Kb90

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

// The window's states of the two operations.
const char* Kb90StateName(Activity activity);

struct Kb90Session {
    Kb90Session(std::shared_ptr<FtdiApi> api, OperatorPort& operatorPort)
        : link(std::move(api)), port(operatorPort),
          run(link, port,
              {Kb90::kModeName,
               Kb90StateName,
               {Kb90::kReadButton, Kb90::kWriteButton, Kb90::kExitButton}}) {}

    ProgrammerLink link;
    OperatorPort& port;
    std::atomic<bool> ffcSettings{false};
    Kb90Bounds bounds;
    // The write's image, padded to the flash size, and what its file held; judged whole before
    // anything reached the JIG.
    std::vector<std::uint8_t> image;
    std::size_t imageFileSize = 0;
    // Last: its end stops and joins the worker before what the worker uses goes.
    OperationRunner run;
};

// "block 5 of 512" and the like, in the chosen language: `what` holds %1 (the block) and %2.
std::string BlockStep(const char* what, int block);

// Starts a read ('R') or write ('W') stream. On a PCB3 the replies the host waits for within it
// end in 'G' (a block's status, a block's acknowledgement), so the FTDI chip need not hold them
// for its latency timer; on a PCB2 no reply's last byte is known beforehand.
inline void Kb90StartStream(Kb90Session& s, std::uint8_t command) {
    s.link.RepliesEndWith(s.link.IsPcb3() ? std::optional<std::uint8_t>('G') : std::nullopt);
    s.link.Send(s.link.ModeFrame(Kb90::kPcb3Prefix, {command}));
}
