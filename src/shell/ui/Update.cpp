#include "shell/ui/Update.h"

#include "gui/Accelerators.h"
#include "gui/CaptionBar.h"
#include "gui/Dialogs.h"
#include "gui/TrText.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QScreen>
#include <QSizeGrip>
#include <QVBoxLayout>

TUPDATE_FORM::TUPDATE_FORM(QWidget* parent) : QWidget(parent) {
    // Stays above the main window; no border icons, so no way to close it but EXIT. The caption
    // drawn inside moves it, the grip in the corner resizes it.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    auto* frame = new QVBoxLayout(this);
    frame->setContentsMargins(1, 1, 1, 1);
    frame->setSpacing(0);
    Caption = new CaptionBar(QString(), this);
    frame->addWidget(Caption);
    auto* layout = new QVBoxLayout;
    layout->setContentsMargins(9, 9, 9, 9);
    frame->addLayout(layout, 1);
    Memo_UPDATE = new LogView(this);
    CGauge_UPD = new Gauge(this);
    SpeedButton_UPD_EXIT = new QPushButton(this);
    Retranslate();
    SpeedButton_UPD_EXIT->setEnabled(false);
    AddAccelerator(SpeedButton_UPD_EXIT, QKeySequence("Alt+X"));
    layout->addWidget(Memo_UPDATE, 1);
    layout->addWidget(CGauge_UPD);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(SpeedButton_UPD_EXIT, 1);
    bottom->addWidget(new QSizeGrip(this), 0, Qt::AlignBottom | Qt::AlignRight);
    layout->addLayout(bottom);
    TimerMSG = new QTimer(this);
    TimerMSG->setInterval(200);
    TimerMSG->setSingleShot(true);
    connect(SpeedButton_UPD_EXIT, &QPushButton::clicked, this,
            &TUPDATE_FORM::SpeedButton_UPD_EXITClick);
    connect(TimerMSG, &QTimer::timeout, this, &TUPDATE_FORM::TimerMSGTimer);
    setMinimumSize(420, 260);
    resize(600, 420);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TUPDATE_FORM::Retranslate() {
    setWindowTitle(TrQ("Shell", "Update FW for PCB2 and PCB3"));
    Caption->setText(windowTitle());
    SpeedButton_UPD_EXIT->setText(TrQ("Shell", "EXIT"));
}

void TUPDATE_FORM::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
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
    // The update goes on calling the bootloader meanwhile and closes the box when the call
    // ends; the technician may also confirm it before or after pressing the button.
    if (ResetPrompt)
        ResetPrompt->close();
    ResetPrompt = Dialogs::Notice(this, MessageIcon::Warning,
                                  Tr("Shell", " Please press the reset button on the JIG!"));
}

void TUPDATE_FORM::EndResetPrompt() {
    TimerMSG->stop(); // a bootloader that answered at once needs no prompt
    if (ResetPrompt)
        ResetPrompt->close();
}
