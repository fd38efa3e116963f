#include "shell/ui/UpdateSwitchPort.h"

#include "gui/UiThread.h"
#include "shell/ui/Main_88m_kb9012.h"
#include "shell/ui/Update.h"

UpdateSwitchPort::UpdateSwitchPort(TForm1* main, TUPDATE_FORM* update)
    : main_(main), update_(update) {}

// Once the program is ending, a late update of the switch changes no window.
template <class F> void UpdateSwitchPort::OnUpdate(F&& change) {
    PostToUi(main_, [main = main_, update = update_, change = std::forward<F>(change)] {
        if (update && !main->Ending())
            change(*update);
    });
}

void UpdateSwitchPort::Memo(const std::string& line) {
    OnUpdate([text = QString::fromStdString(line)](TUPDATE_FORM& u) {
        u.Memo_UPDATE->AppendLine(text);
    });
}

void UpdateSwitchPort::SetGauge(int position) {
    OnUpdate([position](TUPDATE_FORM& u) { u.CGauge_UPD->SetPosition(position); });
}

void UpdateSwitchPort::SetGaugeMax(int maximum) {
    OnUpdate([maximum](TUPDATE_FORM& u) { u.CGauge_UPD->SetMaximum(maximum); });
}

void UpdateSwitchPort::ShowUpdateWindow() {
    OnUpdate([](TUPDATE_FORM& u) {
        u.show();
        u.raise();
    });
}

void UpdateSwitchPort::HideUpdateWindow() {
    OnUpdate([](TUPDATE_FORM& u) { u.hide(); });
}

void UpdateSwitchPort::EnableUpdateExit() {
    OnUpdate([](TUPDATE_FORM& u) { u.SpeedButton_UPD_EXIT->setEnabled(true); });
}

void UpdateSwitchPort::StartResetPrompt() {
    OnUpdate([](TUPDATE_FORM& u) { u.TimerMSG->start(); });
}

void UpdateSwitchPort::EndResetPrompt() {
    OnUpdate([](TUPDATE_FORM& u) { u.EndResetPrompt(); });
}

void UpdateSwitchPort::EnableTimerRun() {
    TForm1* main = main_;
    PostToUi(main_, [main] {
        if (!main->Ending())
            main->Timer_RUN->start();
    });
}

void UpdateSwitchPort::ShowMainWindow() {
    TForm1* main = main_;
    PostToUi(main_, [main] {
        if (!main->Ending())
            main->show();
    });
}

void UpdateSwitchPort::StartBootWaitTimer() {
    TForm1* main = main_;
    PostToUi(main_, [main] {
        if (!main->Ending())
            main->Timer_5SEC->start();
    });
}
