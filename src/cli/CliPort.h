#pragma once
// The technician at a terminal: log lines on stdout, a progress bar on stderr when it is a
// terminal, file names from the command line, message boxes as lines on stderr.
#include "port/OperatorPort.h"

#include <mutex>
#include <optional>
#include <string>

class CliPort : public OperatorPort {
  public:
    // `file`: the answer to the first file dialog (the command's file argument).
    explicit CliPort(std::optional<std::string> file = std::nullopt, bool assumeYes = false);
    ~CliPort() override;

    void Log(const std::string& line) override;
    void SetGauge(int position) override;
    void SetGaugeMax(int maximum) override;
    std::optional<std::string> AskSaveFile(const FileDialogSpec& spec) override;
    std::optional<std::string> AskOpenFile(const FileDialogSpec& spec) override;
    void ShowMessage(MessageIcon icon, const std::string& text) override;
    bool AskYesNo(const std::string& text) override;

    int Messages() const { return messages_; }

  private:
    void ClearBar();
    std::mutex mutex_;
    std::optional<std::string> file_;
    bool assumeYes_;
    bool barShown_ = false;
    bool terminal_;
    int gauge_ = 0;
    int gaugeMax_ = 0;
    int lastPercent_ = -1;
    int messages_ = 0;
};
