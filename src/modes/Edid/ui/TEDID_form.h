#pragma once
// The "EEPROM LCD read/write 09/01/2017" window: EDID_READ, EDID_WRITE and EXIT over the log
// `EDID_Memo`. Each operation runs to its end inside its handler; its waits are short and
// bounded.
#include "gui/LogView.h"
#include "gui/ModeWindow.h"
#include "gui/QtOperatorPort.h"
#include "link/ProgrammerLink.h"
#include "modes/Edid/EdidEngine.h"

#include <QPushButton>

class TEDID_form : public ModeWindow {
    Q_OBJECT
  public:
    TEDID_form(std::shared_ptr<FtdiApi> api, QWidget* mainWindow);

    LogView* EDID_Memo;
    QPushButton* EDID_READ;
    QPushButton* EDID_WRITE;
    QPushButton* EXIT;

    void EDID_READClick();
    void EDID_WRITEClick();
    void EXIT_EDIDClick();

  protected:
    // A window manager's close, or Esc, leaves as EXIT does (its operations end in the handler).
    void closeEvent(QCloseEvent* event) override;

  private:
    void Retranslate() override;

    ProgrammerLink link_;
    QtOperatorPort port_;
    EdidEngine engine_;
};
