#pragma once
// The "NUVOTON JTAG 11_03_2017" window. Its operations come with the mode; for now it leads back to
// the main window.
#include "gui/LogView.h"
#include "gui/ModeWindow.h"

#include <QPushButton>

class TForm_NUVOTON_JTAG : public ModeWindow {
    Q_OBJECT
  public:
    TForm_NUVOTON_JTAG(std::shared_ptr<FtdiApi> api, QWidget* mainWindow);

    LogView* Memo_NUVOTON_JTAG;
    QPushButton* EXIT;
};
