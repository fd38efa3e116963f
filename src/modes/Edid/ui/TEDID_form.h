#pragma once
// The "EEPROM LCD read/write 09/01/2017" window. Its operations come with the mode; for now it
// leads back to the main window.
#include "gui/LogView.h"
#include "gui/ModeWindow.h"

#include <QPushButton>

class TEDID_form : public ModeWindow {
    Q_OBJECT
  public:
    TEDID_form(std::shared_ptr<FtdiApi> api, QWidget* mainWindow);

    LogView* EDID_Memo;
    QPushButton* EXIT;
};
