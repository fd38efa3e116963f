#pragma once
// What the ITE window's handlers and its worker share. A handler opens the link and takes the
// file, then hands the operation to the runner's worker; from then on only the worker touches
// the link and the image until the runner has ended the operation.
#include "link/ProgrammerLink.h"
#include "link/WaitBounds.h"
#include "modes/Ite/ItePort.h"
#include "modes/Ite/IteSignals.h"
#include "operation/OperationRunner.h"
#include "port/TrNoop.h"

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

// Operation states; kIdle is the runner's.
inline constexpr const char* kIdle = "NONE";
inline constexpr const char* kReading = "READ_ITE";
inline constexpr const char* kWriting = "WRITE_ITE_step_one";
inline constexpr const char* kChecking = "CHECK_ITE";
inline constexpr const char* kSettingUp = "SETUP_ITE";
// The mode as the journal and the backups name it.
inline constexpr const char* kModeName = "ITE";
// EXIT or the window's close while an operation runs.
inline constexpr const char* kStopQuestion = TR_NOOP("Ite", "Stop the operation?");

// Controls the engine enables and disables, by their names in the window.
inline constexpr const char* kCheckButton = "ITE_CHECK_CON_BitBtn";
inline constexpr const char* kSetupButton = "ITE_SETUP_BitBtn";
inline constexpr const char* kReadButton = "ITE_READ_BitBtn";
inline constexpr const char* kWriteButton = "ITE_WRITE_BitBtn";
inline constexpr const char* kExitButton = "ITE_EXIT_BitBtn";
} // namespace Ite

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

// The window's state of each activity: Checking, Sending (APPLY), Reading, Writing.
const char* IteStateName(Activity activity);

// The runner's technician: its lines go to both logs, as every ITE message does.
class IteBothLogs : public OperatorPort {
  public:
    explicit IteBothLogs(ItePort& port) : port_(port) {}
    void Log(const std::string& line) override { port_.Say(line, line); }
    void EnableControl(const std::string& name, bool enabled) override {
        port_.EnableControl(name, enabled);
    }
    std::optional<std::string> AskSaveFile(const FileDialogSpec& spec) override {
        return port_.AskSaveFile(spec);
    }
    std::optional<std::string> AskOpenFile(const FileDialogSpec& spec) override {
        return port_.AskOpenFile(spec);
    }
    void ShowMessage(MessageIcon icon, const std::string& text) override {
        port_.ShowMessage(icon, text);
    }
    bool AskYesNo(const std::string& text) override { return port_.AskYesNo(text); }
    bool ShowsDumps() const override { return port_.ShowsDumps(); }
    void ShowDump(std::shared_ptr<const DumpPicture> picture) override {
        port_.ShowDump(std::move(picture));
    }

  private:
    ItePort& port_;
};

struct IteSession {
    IteSession(std::shared_ptr<FtdiApi> api, ItePort& operatorPort)
        : link(std::move(api)), port(operatorPort), bothLogs(operatorPort),
          run(link, bothLogs,
              {Ite::kModeName,
               IteStateName,
               {Ite::kCheckButton, Ite::kExitButton, Ite::kWriteButton, Ite::kSetupButton,
                Ite::kReadButton}}) {}

    ProgrammerLink link;
    ItePort& port;
    IteBothLogs bothLogs;
    IteBounds bounds;

    // Handed from the handler to the worker.
    IteAssignment assignment = kUnassigned;
    std::vector<std::uint8_t> image; // what a write programs, 131072 bytes

    // Set by a check, read once its worker has been joined.
    std::optional<IteChipId> chipId;

    // Last: its destructor stops and joins the worker before anything the worker uses goes.
    OperationRunner run;
};

// Date and time as the logs show them.
std::string IteDateTime();
