#pragma once
// "Update FW for PCB2 and PCB3": progress of a firmware switch or a PCB3 update.
#include "gui/Gauge.h"
#include "gui/LogView.h"

#include <QPushButton>
#include <QTimer>
#include <QWidget>

class TUPDATE_FORM : public QWidget {
    Q_OBJECT
  public:
    explicit TUPDATE_FORM(QWidget* parent = nullptr);

    LogView* Memo_UPDATE;
    Gauge* CGauge_UPD;
    QPushButton* SpeedButton_UPD_EXIT;
    QTimer* TimerMSG;

    void SpeedButton_UPD_EXITClick();
};
