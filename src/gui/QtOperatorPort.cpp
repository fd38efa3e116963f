#include "gui/QtOperatorPort.h"

#include "gui/Dialogs.h"
#include "gui/DumpMapView.h"
#include "gui/UiThread.h"

#include <QThread>

QtOperatorPort::QtOperatorPort(QWidget* window, LogView* log, Gauge* gauge)
    : window_(window), log_(log), gauge_(gauge) {}

void QtOperatorPort::AddControl(const std::string& name, QWidget* control) {
    controls_[name] = control;
}

void QtOperatorPort::Log(const std::string& line) {
    LogView* log = log_;
    PostToUi(window_, [log, text = QString::fromStdString(line)] { log->AppendLine(text); });
}

void QtOperatorPort::ClearLog() {
    LogView* log = log_;
    PostToUi(window_, [log] { log->clear(); });
}

void QtOperatorPort::SetGauge(int position) {
    if (Gauge* g = gauge_)
        PostToUi(window_, [g, position] { g->SetPosition(position); });
}

void QtOperatorPort::SetGaugeMax(int maximum) {
    if (Gauge* g = gauge_)
        PostToUi(window_, [g, maximum] { g->SetMaximum(maximum); });
}

void QtOperatorPort::SetGaugeColour(Rgb c) {
    if (Gauge* g = gauge_)
        PostToUi(window_, [g, c] { g->SetColour(QColor(c.r, c.g, c.b)); });
}

void QtOperatorPort::EnableControl(const std::string& name, bool enabled) {
    auto it = controls_.find(name);
    if (it == controls_.end())
        return;
    QPointer<QWidget> control = it->second;
    PostToUi(window_, [control, enabled] {
        if (control)
            control->setEnabled(enabled);
    });
}

std::optional<std::string> QtOperatorPort::AskSaveFile(const FileDialogSpec& spec) {
    QWidget* w = window_;
    const std::string chipId = chipId_ ? chipId_() : std::string();
    return RunOnUi<std::optional<std::string>>(window_, [w, spec, mode = mode_, chipId] {
        return Dialogs::SaveFile(w, spec, mode, chipId);
    });
}

std::optional<std::string> QtOperatorPort::AskOpenFile(const FileDialogSpec& spec) {
    QWidget* w = window_;
    return RunOnUi<std::optional<std::string>>(
        window_, [w, spec, mode = mode_] { return Dialogs::OpenFile(w, spec, mode); });
}

void QtOperatorPort::ShowMessage(MessageIcon icon, const std::string& text) {
    QWidget* w = window_;
    // A worker never waits for the box: the window may be joining it while it closes.
    if (QThread::currentThread() != window_->thread()) {
        PostToUi(window_, [w, icon, text] { Dialogs::Message(w, icon, text); });
        return;
    }
    Dialogs::Message(w, icon, text);
}

bool QtOperatorPort::AskYesNo(const std::string& text) {
    QWidget* w = window_;
    return RunOnUi<bool>(window_, [w, text] { return Dialogs::YesNo(w, text); });
}

void QtOperatorPort::ShowDump(std::shared_ptr<const DumpPicture> picture) {
    QWidget* w = window_;
    PostToUi(window_, [w, picture = std::move(picture)] { DumpMapView::ShowFor(w, picture); });
}
