#pragma once
// What the Nuvoton JTAG window's handlers, its worker and its end-of-operation timer share. A
// handler prepares the link and the file, sets the operation state and starts the worker; from
// then on only the worker uses them, until it arms the timer (read, write) or sets the state
// back to "NONE" (script). The timer's handler ends the operation on the window's thread.
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
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace NuvJtag {
inline constexpr std::uint32_t kExpectedId = 0x0FE2201F;
inline constexpr const char* kDefaultScript = "NUVOTON.vss";
// The mode and the controller as the journal and the backups name them.
inline constexpr const char* kModeName = "NUVOTON jtag";
inline constexpr const char* kExpectedIdText = "0FE2201F";

// Controls the engine enables and disables, by their names in the window.
inline constexpr const char* kSettingsButton = "BitBtn_SETTINGS";
inline constexpr const char* kConnectButton = "BitBtn_CONNECT";
inline constexpr const char* kReadButton = "BitBtn_NUV_JTAG_RD";
inline constexpr const char* kWriteButton = "BitBtn_NUV_JTAG_WR";

inline constexpr Rgb kScriptColour{255, 255, 0};
inline constexpr Rgb kReadColour{0, 255, 0};
inline constexpr Rgb kEraseColour{255, 0, 255};
inline constexpr Rgb kWriteColour{255, 0, 0};

inline constexpr const char* kErrorBox =
    " ERASE or WRITE protocol error! \n Lost communication with a chip EC \n Please disconnect "
    "the power supply from the motherboard!";
inline constexpr const char* kDonePowerBox =
    "Please disconnect the power supply from the motherboard!";
inline constexpr const char* kPowerOnBox = " Now \n Please connect the power supply to the "
                                           "motherboard, \n then click *Check connect to "
                                           "Nuvoton* !";
inline constexpr const char* kReasonsBox =
    "Possible reasons \n 1 No power is connected to the motherboard \n 2 No power on a chip EC "
    "\n 3 Defective chip EC \n 4 Invalid defined first contact";
} // namespace NuvJtag

enum class NuvJtagOutcome { None, NoJig, Failed, Stopped, Succeeded };

// How long each wait for the JIG may take; the defaults come from the program's table, tests
// shorten them.
struct NuvJtagBounds {
    Millis commandReply = WaitBounds::CommandReply; // shifts, batches, signals, CPLD writes
    Millis dataBlock = WaitBounds::DataBlock;       // the 256 bytes of a block read
    Millis sectorErase = WaitBounds::SectorErase;   // the status poll of one sector erase
};

// What only a window has: the line counter text and the 100 ms end-of-operation timer. Calls
// come from the worker.
class NuvJtagView {
  public:
    virtual ~NuvJtagView() = default;
    virtual void SetCounterText(const std::string& text) = 0;
    virtual void ShowCounter() = 0;
    // Runs the engine's EndOfOperationTimer() 100 ms later on the window's thread.
    virtual void ArmEndTimer() = 0;
};

struct NuvFileCloser {
    void operator()(std::FILE* f) const {
        if (f)
            std::fclose(f);
    }
};
using NuvFilePtr = std::unique_ptr<std::FILE, NuvFileCloser>;

struct NuvJtagSession {
    NuvJtagSession(std::shared_ptr<FtdiApi> api, OperatorPort& operatorPort)
        : link(std::move(api)), port(operatorPort) {}

    ProgrammerLink link;
    OperatorPort& port;
    NuvJtagView* view = nullptr;
    OperationState state;
    NuvJtagBounds bounds;
    SafetyOptions safety; // set while idle
    OperationRecord record;
    std::atomic<NuvJtagOutcome> outcome{NuvJtagOutcome::None};
    std::atomic<bool> timerArmed{false};
    // The engine's own record of its buttons: a handler whose button is disabled does nothing.
    std::atomic<bool> settingsEnabled{true};
    std::atomic<bool> connectEnabled{false};
    std::atomic<bool> transferEnabled{false};

    // Handed from the handler to the worker, then to the timer.
    NuvFilePtr file;                 // the script
    OutputFile out;                  // a read's dump, put in place only once the read succeeded
    std::vector<std::uint8_t> image; // a write's image, read whole before anything is erased
    std::string fileName;
    // Set by Stop() from any thread; the worker looks at it between blocks, lines and sectors.
    std::atomic<bool> stopRequested{false};
    ChipProgress progress;
    std::string backupPath;
    std::string chipState;  // where the chip stands after a failed or stopped erase or write
    std::string result;     // "OK" or "ERROR"
    std::string failedStep; // the line that ended a failed operation, for its record
    bool linkLost = false;
    // Figures of the last operation, read once its worker has been joined.
    std::uint64_t fileBytes = 0;
    std::int64_t workerCpuNanos = 0;

    void EnableSettings(bool on) {
        settingsEnabled.store(on);
        port.EnableControl(NuvJtag::kSettingsButton, on);
    }
    void EnableConnect(bool on) {
        connectEnabled.store(on);
        port.EnableControl(NuvJtag::kConnectButton, on);
    }
    void EnableTransfer(bool on) {
        transferEnabled.store(on);
        port.EnableControl(NuvJtag::kReadButton, on);
        port.EnableControl(NuvJtag::kWriteButton, on);
    }
    // Ends the record of the operation with `outcome`.
    void EndRecord(NuvJtagOutcome outcome) {
        record.End(ResultOf(outcome), failedStep,
                   [this](const std::string& line) { port.Log(line); });
    }
    // The window's reset, without the state: Send settings enabled, the rest disabled.
    void ResetControls() {
        EnableSettings(true);
        EnableConnect(false);
        EnableTransfer(false);
    }
};

// Short date, a blank, long time.
std::string NuvDateTime();
