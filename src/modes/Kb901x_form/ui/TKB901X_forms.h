#pragma once
// The "KB9010/9012/9016/9022  03/03/2017" window. Its operations come with the mode; for now it
// leads back to the main window.
#include "gui/LogView.h"
#include "gui/ModeWindow.h"

#include <QPushButton>

class TKB901X_forms : public ModeWindow {
    Q_OBJECT
  public:
    TKB901X_forms(std::shared_ptr<FtdiApi> api, QWidget* mainWindow);

    LogView* KB901X_Memo;
    QPushButton* SpeedButton1;
    QPushButton* EXIT;
};
