#include "shell/ui/Update.h"

#include "gui/CaptionBar.h"
#include "gui/Dialogs.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

TUPDATE_FORM::TUPDATE_FORM(QWidget* parent) : QWidget(parent) {
    // Stays above the main window; no border icons, so no way to close it but EXIT.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setWindowTitle("Update FW for PCB2 and PCB3");
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(1, 1, 1, 1);
    frame->setSpacing(0);
    Caption = new CaptionBar(windowTitle(), this);
    frame->addWidget(Caption);
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(9, 9, 9, 9);
    frame->addLayout(layout, 1);
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
    connect(TimerMSG, &QTimer::timeout, this, &TUPDATE_FORM::TimerMSGTimer);
    setFixedSize(480, 320);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TUPDATE_FORM::SpeedButton_UPD_EXITClick() {
    Memo_UPDATE->clear();
    SpeedButton_UPD_EXIT->setEnabled(false);
    hide();
}

void TUPDATE_FORM::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (SpeedButton_UPD_EXIT->isEnabled())
        SpeedButton_UPD_EXITClick();
}

void TUPDATE_FORM::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TUPDATE_FORM::TimerMSGTimer() {
    TimerMSG->stop();
    // Modal, but the update goes on calling the bootloader meanwhile: the box may be
    // confirmed before or after the button is pressed.
    Dialogs::Message(this, MessageIcon::Warning, " Please press the reset button on the JIG!");
}
