#include "modes/Ite/ui/IteWindowPort.h"

#include "gui/UiThread.h"

IteWindowPort::IteWindowPort(QWidget* window, LogView* russian, LogView* english, Gauge* blocks,
                             Gauge* speed)
    : window_(window), russian_(russian), english_(english), blocks_(blocks), speed_(speed),
      controls_(window, english) {}

void IteWindowPort::AddControl(const std::string& name, QWidget* control) {
    controls_.AddControl(name, control);
}

void IteWindowPort::Log(IteLanguage language, const std::string& line) {
    LogView* log = language == IteLanguage::Russian ? russian_ : english_;
    PostToUi(window_, [log, text = QString::fromStdString(line)] { log->AppendLine(text); });
}

void IteWindowPort::ClearLogs() {
    LogView* russian = russian_;
    LogView* english = english_;
    PostToUi(window_, [russian, english] {
        russian->clear();
        english->clear();
    });
}

void IteWindowPort::SetGauge(IteGauge gauge, int position) {
    Gauge* g = GaugeOf(gauge);
    PostToUi(window_, [g, position] { g->SetPosition(position); });
}

void IteWindowPort::SetGaugeMax(IteGauge gauge, int maximum) {
    Gauge* g = GaugeOf(gauge);
    PostToUi(window_, [g, maximum] { g->SetMaximum(maximum); });
}

void IteWindowPort::SetGaugeColour(IteGauge gauge, Rgb c) {
    Gauge* g = GaugeOf(gauge);
    PostToUi(window_, [g, c] { g->SetColour(QColor(c.r, c.g, c.b)); });
}

void IteWindowPort::EnableControl(const std::string& name, bool enabled) {
    controls_.EnableControl(name, enabled);
}

std::optional<std::string> IteWindowPort::AskSaveFile(const FileDialogSpec& spec) {
    return controls_.AskSaveFile(spec);
}

std::optional<std::string> IteWindowPort::AskOpenFile(const FileDialogSpec& spec) {
    return controls_.AskOpenFile(spec);
}

bool IteWindowPort::AskYesNo(const std::string& text) {
    return controls_.AskYesNo(text);
}

void IteWindowPort::ShowMessage(MessageIcon icon, const std::string& text) {
    controls_.ShowMessage(icon, text);
}
