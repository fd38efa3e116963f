#pragma once
// "Update FW for PCB2 and PCB3": progress of a firmware switch or a PCB3 update.
#include "gui/Gauge.h"
#include "gui/LogView.h"

#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

class CaptionBar;

class TUPDATE_FORM : public QWidget {
    Q_OBJECT
  public:
    explicit TUPDATE_FORM(QWidget* parent = nullptr);

    CaptionBar* Caption; // the title, drawn in the window
    LogView* Memo_UPDATE;
    Gauge* CGauge_UPD;
    QPushButton* SpeedButton_UPD_EXIT;
    QTimer* TimerMSG;
    QPointer<QMessageBox> ResetPrompt; // while the reset prompt is up

    void SpeedButton_UPD_EXITClick();
    // The reset prompt, 200 ms after the PCB3 update starts calling the bootloader.
    void TimerMSGTimer();
    // The bootloader answered or its wait ended: the prompt goes, or never comes.
    void EndResetPrompt();

  protected:
    // No close button; a window manager's close acts as EXIT, and only once EXIT is enabled
    // (never while a switch runs).
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override; // a one-pixel frame
    void changeEvent(QEvent* event) override;     // the language chosen in the main window

  private:
    void Retranslate();
};
