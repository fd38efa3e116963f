#pragma once
// The "Keyboard_testing 02_03_2017" window. Its operations come with the mode; for now it leads
// back to the main window.
#include "gui/LogView.h"
#include "gui/ModeWindow.h"

#include <QPushButton>

class TKeyboard_testing : public ModeWindow {
    Q_OBJECT
  public:
    TKeyboard_testing(std::shared_ptr<FtdiApi> api, QWidget* mainWindow);

    QPushButton* EXIT;
};
