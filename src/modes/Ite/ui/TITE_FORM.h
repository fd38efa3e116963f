#pragma once
// The "ITE" window. Its operations come with the mode; for now it leads back to the main window.
#include "gui/LogView.h"
#include "gui/ModeWindow.h"

#include <QPushButton>

class TITE_FORM : public ModeWindow {
    Q_OBJECT
  public:
    TITE_FORM(std::shared_ptr<FtdiApi> api, QWidget* mainWindow);

    LogView* ITE_Memo;
    QPushButton* EXIT;
};
