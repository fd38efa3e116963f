#pragma once
// The ITE window as the engine's technician: its two logs, its two gauges, its buttons and the
// file dialogs. Calls from the worker reach the widgets on the UI thread, in order.
#include "gui/Gauge.h"
#include "gui/LogView.h"
#include "gui/QtOperatorPort.h"
#include "modes/Ite/ItePort.h"

#include <QWidget>

class IteWindowPort : public ItePort {
  public:
    IteWindowPort(QWidget* window, LogView* russian, LogView* english, Gauge* blocks, Gauge* speed);

    void AddControl(const std::string& name, QWidget* control);

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
    bool ShowsDumps() const override { return true; }
    void ShowDump(std::shared_ptr<const DumpPicture> picture) override {
        controls_.ShowDump(std::move(picture));
    }

    void SetMode(const std::string& mode) { controls_.SetMode(mode); }

  private:
    Gauge* GaugeOf(IteGauge gauge) const { return gauge == IteGauge::Blocks ? blocks_ : speed_; }

    QWidget* window_;
    LogView* russian_;
    LogView* english_;
    Gauge* blocks_;
    Gauge* speed_;
    QtOperatorPort controls_; // buttons and dialogs
};
