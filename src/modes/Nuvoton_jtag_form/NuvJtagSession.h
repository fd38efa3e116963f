#pragma once
// What the Nuvoton JTAG window's handlers, its worker and its end-of-operation timer share. A
// handler prepares the link and the file, then hands the operation to the runner's worker; from
// then on only the worker uses them until the runner has ended the operation. A read or write
// (and a script that failed) then leaves its message to the timer, on the window's thread.
#include "link/ProgrammerLink.h"
#include "link/WaitBounds.h"
#include "link/WaitFailureLine.h"
#include "modes/Nuvoton_jtag_form/VssScript.h"
#include "operation/OperationRunner.h"
#include "port/TrNoop.h"

#include <atomic>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace NuvJtag {
inline constexpr std::uint32_t kExpectedId = 0x0FE2201F;
inline constexpr const char* kDefaultScript = "NUVOTON.vss";
// A script is a few hundred lines; anything near this is not one, and a device never ends.
inline constexpr std::size_t kLargestScript = 1024 * 1024;
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

inline constexpr const char* kErrorBox = TR_NOOP(
    "Jtag",
    " ERASE or WRITE protocol error! \n Lost communication with a chip EC \n Please disconnect "
    "the power supply from the motherboard!");
// What failed, in the same words, for the two operations the box above does not describe.
inline constexpr const char* kReadErrorBox = TR_NOOP(
    "Jtag", " READ error! \n Lost communication with a chip EC \n The file was not changed. \n "
            "Please disconnect the power supply from the motherboard!");
inline constexpr const char* kScriptErrorBox = TR_NOOP(
    "Jtag", " The script was not played whole! \n The controller is not prepared: see the log. "
            "\n Please disconnect the power supply from the motherboard!");
inline constexpr const char* kDonePowerBox =
    TR_NOOP("Jtag", "Please disconnect the power supply from the motherboard!");
inline constexpr const char* kPowerOnBox =
    TR_NOOP("Jtag", " Now \n Please connect the power supply to the motherboard, \n then click "
                    "*Check connect to Nuvoton* !");
inline constexpr const char* kReasonsBox =
    TR_NOOP("Jtag", "Possible reasons \n 1 No power is connected to the motherboard \n 2 No "
                    "power on a chip EC \n 3 Defective chip EC \n 4 Invalid defined first "
                    "contact");
} // namespace NuvJtag

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

// The window's states of the three operations.
const char* NuvJtagStateName(Activity activity);

struct NuvJtagSession {
    NuvJtagSession(std::shared_ptr<FtdiApi> api, OperatorPort& operatorPort)
        : link(std::move(api)), port(operatorPort),
          run(link, port, {NuvJtag::kModeName, NuvJtagStateName, {}}) {}

    ProgrammerLink link;
    OperatorPort& port;
    NuvJtagView* view = nullptr;
    NuvJtagBounds bounds;
    // The end of a read or write (or a failed script) waits for the timer to be shown.
    std::atomic<bool> timerArmed{false};
    std::atomic<bool> endShowing{false};
    // The engine's own record of its buttons: a handler whose button is disabled does nothing.
    std::atomic<bool> settingsEnabled{true};
    std::atomic<bool> connectEnabled{false};
    std::atomic<bool> transferEnabled{false};

    // Handed from the handler to the worker.
    NuvFilePtr file; // the script
    std::string scriptName;
    // The message of a failed operation; set before its worker starts, read by the timer after.
    const char* failureBox = NuvJtag::kErrorBox;
    std::vector<std::uint8_t> image; // a write's image, read whole before anything is erased
    // The script the latest check played whole: the controller's helper serves one pass, so an
    // operation of two (a backup and the write, read twice) plays it again between them.
    NuvJtag::VssScript played;
    bool linkLost = false;

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
    // The window's reset, without the state: Send settings enabled, the rest disabled.
    void ResetControls() {
        EnableSettings(true);
        EnableConnect(false);
        EnableTransfer(false);
    }

    // Last: its destructor joins the worker while everything the worker uses still exists.
    OperationRunner run;
};

// Short date, a blank, long time.
std::string NuvDateTime();
