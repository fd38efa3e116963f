#include "shell/ui/Update.h"

#include <QVBoxLayout>

TUPDATE_FORM::TUPDATE_FORM(QWidget* parent) : QWidget(parent) {
    // Stays above the main window; no border icons.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);
    setWindowTitle("Update FW for PCB2 and PCB3");
    auto* layout = new QVBoxLayout(this);
    Memo_UPDATE = new LogView(this);
    CGauge_UPD = new Gauge(this);
    SpeedButton_UPD_EXIT = new QPushButton("EXIT", this);
    SpeedButton_UPD_EXIT->setEnabled(false);
    layout->addWidget(Memo_UPDATE);
    layout->addWidget(CGauge_UPD);
    layout->addWidget(SpeedButton_UPD_EXIT);
    TimerMSG = new QTimer(this);
    TimerMSG->setInterval(200);
    TimerMSG->setSingleShot(true);
    connect(SpeedButton_UPD_EXIT, &QPushButton::clicked, this,
            &TUPDATE_FORM::SpeedButton_UPD_EXITClick);
    setFixedSize(480, 320);
}

void TUPDATE_FORM::SpeedButton_UPD_EXITClick() {
    Memo_UPDATE->clear();
    SpeedButton_UPD_EXIT->setEnabled(false);
    hide();
}
