#pragma once
// The main window: pick a working mode, press Start; the JIG is identified, made to run the
// mode's firmware, and the mode's window opens.
#include "link/ProgrammerLink.h"

#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>

class TEDID_form;
class TKB901X_forms;
class TKeyboard_testing;
class TMEC16_Form;
class TITE_FORM;
class TNPCE_FORM;
class TUPDATE_FORM;
class TForm_NUVOTON_JTAG;

struct ModeWindows {
    TEDID_form* edid = nullptr;
    TKB901X_forms* ene = nullptr;
    TKeyboard_testing* keyboard = nullptr;
    TMEC16_Form* mec = nullptr;
    TITE_FORM* ite = nullptr;
    TNPCE_FORM* npce = nullptr;
    TUPDATE_FORM* update = nullptr;
    TForm_NUVOTON_JTAG* nuvotonJtag = nullptr;
};

class TForm1 : public QWidget {
    Q_OBJECT
  public:
    explicit TForm1(std::shared_ptr<FtdiApi> api);
    ~TForm1() override;
    void SetWindows(const ModeWindows& windows) { windows_ = windows; }

    QComboBox* MAIN_SELECTOR;
    QPushButton* MAIN_CONNECT;
    QPushButton* Exit;
    QTimer* Timer_5SEC;
    QTimer* Timer_RUN;

    void MAIN_CONNECTClick();
    void ExitClick();
    void Timer_5SECTimer();
    void Timer_RUNTimer();

    std::string SelectedMode() const { return MAIN_SELECTOR->currentText().toStdString(); }
    ProgrammerLink& Link() { return link_; }
    std::atomic<bool> BootWaitExpired{false};

  private:
    QWidget* ModeWindowFor(const std::string& mode) const;

    std::shared_ptr<FtdiApi> api_;
    ProgrammerLink link_;
    ModeWindows windows_;
};
