#pragma once
// An operator that writes down everything an engine tells it and answers from a script.
#include "port/OperatorPort.h"

#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class RecordingPort : public OperatorPort {
  public:
    void Log(const std::string& line) override;
    void ClearLog() override;
    void SetGauge(int position) override;
    void SetGaugeMax(int maximum) override;
    void SetGaugeColour(Rgb colour) override;
    void EnableControl(const std::string& name, bool enabled) override;
    std::optional<std::string> AskSaveFile(const FileDialogSpec& spec) override;
    std::optional<std::string> AskOpenFile(const FileDialogSpec& spec) override;
    void ShowMessage(MessageIcon icon, const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    bool ShowsDumps() const override { return showsDumps; }
    void ShowDump(std::shared_ptr<const DumpPicture> picture) override;

    // Scripted answers, taken in order; an empty optional is a cancelled dialog.
    void QueueFileAnswer(std::optional<std::string> answer);
    void QueueYesNo(bool answer);

    std::vector<std::string> Lines() const;
    std::vector<std::string> Messages() const;
    std::vector<FileDialogSpec> Dialogs() const;
    int Gauge() const;
    int GaugeMax() const;
    Rgb GaugeColour() const;
    bool Enabled(const std::string& name, bool fallback = true) const;
    bool HasLine(const std::string& line) const;
    // The last dump shown; asked for only while `showsDumps`, as a window does.
    std::shared_ptr<const DumpPicture> Dump() const;
    bool showsDumps = false;
    // Called on the engine's thread after each gauge position or line, as a technician's click
    // would land (STOP at a chosen block); set them only while nothing runs.
    std::function<void(int)> onGauge;
    std::function<void(const std::string&)> onLine;

  private:
    mutable std::mutex mutex_;
    std::vector<std::string> lines_;
    std::vector<std::string> messages_;
    std::vector<FileDialogSpec> dialogs_;
    std::deque<std::optional<std::string>> fileAnswers_;
    std::deque<bool> yesNo_;
    std::vector<std::pair<std::string, bool>> enabled_;
    int gauge_ = 0;
    int gaugeMax_ = 0;
    Rgb colour_{};
    std::shared_ptr<const DumpPicture> dump_;
};
