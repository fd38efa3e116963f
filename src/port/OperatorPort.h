#pragma once
// How an engine talks to the technician: the window, the CLI and the tests each implement it.
// Calls may come from a worker thread; implementations deliver them in order.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

struct DumpPicture;

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

enum class MessageIcon { Error, Warning, Information };

struct FileDialogSpec {
    std::string title;
    std::string filter; // "Description (*.bin)|*.bin|other|*.*"
    std::string defaultExtension;
    std::string initialName;
    bool confirmOverwrite = false;
};

class OperatorPort {
  public:
    virtual ~OperatorPort() = default;

    virtual void Log(const std::string& line) = 0;
    virtual void ClearLog() {}
    virtual void SetGauge(int /*position*/) {}
    virtual void SetGaugeMax(int /*maximum*/) {}
    virtual void SetGaugeColour(Rgb /*colour*/) {}
    virtual void EnableControl(const std::string& /*name*/, bool /*enabled*/) {}
    virtual std::optional<std::string> AskSaveFile(const FileDialogSpec& spec) = 0;
    virtual std::optional<std::string> AskOpenFile(const FileDialogSpec& spec) = 0;
    virtual void ShowMessage(MessageIcon icon, const std::string& text) = 0;
    virtual bool AskYesNo(const std::string& /*text*/) { return false; }
    // Whether a dump's map is worth making: a window draws it, the command line does not.
    virtual bool ShowsDumps() const { return false; }
    // After a read that succeeded or a write's verify.
    virtual void ShowDump(std::shared_ptr<const DumpPicture> /*picture*/) {}
};

// Logs nowhere and refuses every question: for engine steps that run without an operator.
class SilentPort : public OperatorPort {
  public:
    void Log(const std::string&) override {}
    std::optional<std::string> AskSaveFile(const FileDialogSpec&) override { return {}; }
    std::optional<std::string> AskOpenFile(const FileDialogSpec&) override { return {}; }
    void ShowMessage(MessageIcon, const std::string&) override {}
};
