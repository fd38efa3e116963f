#pragma once
// The technician behind a window: engine calls reach the window's widgets on the UI thread,
// in the order made, whichever thread makes them.
#include "gui/Gauge.h"
#include "gui/LogView.h"
#include "port/OperatorPort.h"

#include <QPointer>
#include <QWidget>

#include <functional>
#include <map>
#include <string>

class QtOperatorPort : public OperatorPort {
  public:
    QtOperatorPort(QWidget* window, LogView* log, Gauge* gauge = nullptr);

    // A control the engine enables or disables by name.
    void AddControl(const std::string& name, QWidget* control);
    // The mode (its name in the mode table) whose folder and file names the dialogs use.
    void SetMode(const std::string& mode) { mode_ = mode; }
    // Where a save's proposed name finds the chip's ID (any thread; empty while unknown).
    void SetChipIdSource(std::function<std::string()> source) { chipId_ = std::move(source); }

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
    bool ShowsDumps() const override { return true; }
    void ShowDump(std::shared_ptr<const DumpPicture> picture) override;

  private:
    QWidget* window_;
    LogView* log_;
    Gauge* gauge_;
    std::string mode_;
    std::function<std::string()> chipId_;
    std::map<std::string, QPointer<QWidget>> controls_;
};
