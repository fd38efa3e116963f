#pragma once
// The "Read and Write MEC   19_03_17" window. Its operations come with the mode; for now it leads
// back to the main window.
#include "gui/LogView.h"
#include "gui/ModeWindow.h"

#include <QPushButton>

class TMEC16_Form : public ModeWindow {
    Q_OBJECT
  public:
    TMEC16_Form(std::shared_ptr<FtdiApi> api, QWidget* mainWindow);

    LogView* Memo_MEC16;
    QPushButton* EXIT;
};
