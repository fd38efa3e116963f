#pragma once
// The "NPCE288N/388N 02_02_2017" window. Its operations come with the mode; for now it leads back
// to the main window.
#include "gui/LogView.h"
#include "gui/ModeWindow.h"

#include <QPushButton>

class TNPCE_FORM : public ModeWindow {
    Q_OBJECT
  public:
    TNPCE_FORM(std::shared_ptr<FtdiApi> api, QWidget* mainWindow);

    LogView* Memo_NPCE;
    QPushButton* EXIT;
};
