#pragma once
// What the NPCE window's handlers and its worker share. A handler connects, identifies the flash
// and takes the file, then hands the operation to the runner's worker; from then on only the
// worker touches the link and the image until the runner has ended the operation.
#include "link/ProgrammerLink.h"
#include "link/WaitBounds.h"
#include "operation/OperationRunner.h"
#include "port/TrNoop.h"

#include <cstdint>
#include <memory>
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

inline constexpr const char* kCorruptedLine = TR_NOOP("Npce", "ERROR timeout. Corrupted data !? ");
// The mode and the flash as the journal and the backups name them.
inline constexpr const char* kModeName = "NUVOTON spi";
inline constexpr const char* kFlashIdText = "EF4012";

// "Current time  " with the date and the time.
std::string TimeLine();
} // namespace Npce

// How long each wait for the JIG may take; the defaults come from the program's table, tests
// shorten them.
struct NpceBounds {
    Millis commandReply = WaitBounds::CommandReply; // ID, '*', end answers, 'I' / 'O'
    Millis erase = WaitBounds::FlashErase;
    Millis blankCheck = WaitBounds::FlashBlankCheck;
    Millis dataBlock = WaitBounds::DataBlock; // a 512-byte block, a page's status
    Millis transmit = WaitBounds::TransmitQueue;
};

// Sends the result signal ('I' or 'O') and, unless the JIG has stopped answering, waits for its
// one-byte answer. False, with the line to log, when that answer did not come.
bool SendResultSignal(ProgrammerLink& link, std::uint8_t signal, bool awaitAnswer, Millis bound,
                      std::string* failureLine);

// The window's states of the two operations.
const char* NpceStateName(Activity activity);

struct NpceSession {
    NpceSession(std::shared_ptr<FtdiApi> api, OperatorPort& operatorPort)
        : link(std::move(api)), port(operatorPort),
          run(link, port,
              {Npce::kModeName,
               NpceStateName,
               {Npce::kWriteButton, Npce::kReadButton, Npce::kExitButton}}) {}

    ProgrammerLink link;
    OperatorPort& port;
    NpceBounds bounds;
    // The image a write takes, judged whole before anything reached the JIG.
    std::vector<std::uint8_t> image;
    // Last: it stops and joins the worker before anything the worker uses goes away.
    OperationRunner run;
};
