#pragma once
// The ITE window's technician for tests: both logs, both gauges, the buttons and scripted file
// dialogs, written down as they come.
#include "modes/Ite/ItePort.h"
#include "support/RecordingPort.h"

#include <functional>

class RecordingItePort : public ItePort {
  public:
    void Log(IteLanguage language, const std::string& line) override;
    void ClearLogs() override;
    void SetGauge(IteGauge gauge, int position) override;
    void SetGaugeMax(IteGauge gauge, int maximum) override;
    void SetGaugeColour(IteGauge gauge, Rgb colour) override;
    void EnableControl(const std::string& name, bool enabled) override;
    std::optional<std::string> AskSaveFile(const FileDialogSpec& spec) override;
    std::optional<std::string> AskOpenFile(const FileDialogSpec& spec) override;
    bool AskYesNo(const std::string& text) override;
    void ShowMessage(MessageIcon icon, const std::string& text) override;

    // The English log, ITE_CGauge1, the buttons, the dialogs, the questions and the boxes.
    RecordingPort english;
    // The Russian log and SPEED_ITE_CGauge.
    RecordingPort russian;
    // Called after each gauge move, on the thread that moved it (a test's stop button).
    std::function<void(IteGauge, int)> onGauge;
};
