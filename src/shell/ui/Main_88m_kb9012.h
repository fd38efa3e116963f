#pragma once
// The main window: pick a working mode, press Start; the JIG is identified, made to run the
// mode's firmware, and the mode's window opens.
#include "link/ChosenDevice.h"
#include "link/ProgrammerLink.h"
#include "port/TrNoop.h"
#include "port/Worker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class TEDID_form;
class TKB901X_forms;
class TKeyboard_testing;
class TMEC16_Form;
class TITE_FORM;
class TNPCE_FORM;
class TUPDATE_FORM;
class TForm_NUVOTON_JTAG;
class ReadThread_UPD;
class UpdateSwitchPort;
class JournalView;
class JigPicker;

inline constexpr const char* kFirmwareBeingWritten = TR_NOOP(
    "Shell",
    "The JIG's firmware is being written: closing now would leave the JIG without a working "
    "firmware. Wait until the update ends.");

// The windows of the modes; `byMode` holds each under its mode's name in the mode table's order.
struct ModeWindows {
    TEDID_form* edid = nullptr;
    TKB901X_forms* ene = nullptr;
    TKeyboard_testing* keyboard = nullptr;
    TMEC16_Form* mec = nullptr;
    TITE_FORM* ite = nullptr;
    TNPCE_FORM* npce = nullptr;
    TUPDATE_FORM* update = nullptr;
    TForm_NUVOTON_JTAG* nuvotonJtag = nullptr;
    std::vector<std::pair<std::string, QWidget*>> byMode;

    // Nullptr for a name that is no working mode.
    QWidget* For(const std::string& mode) const;
};

class TForm1 : public QWidget {
    Q_OBJECT
  public:
    // Every link of the program opens the JIG chosen through `api`.
    explicit TForm1(std::shared_ptr<ChosenDeviceApi> api);
    // A backend of its own: the choice of JIG reaches this window's link only.
    explicit TForm1(const std::shared_ptr<FtdiApi>& api)
        : TForm1(std::make_shared<ChosenDeviceApi>(api)) {}
    ~TForm1() override;
    void SetWindows(const ModeWindows& windows);

    QLabel* Label_mode;
    QComboBox* MAIN_SELECTOR;
    QComboBox* Language_box;
    // The JIG the mode windows work on, when more than one is plugged in.
    JigPicker* Jig_picker;
    // The safety net every mode window runs with; remembered between runs.
    QCheckBox* CheckBox_BACKUP;
    QCheckBox* CheckBox_READ_TWICE;
    QPushButton* MAIN_CONNECT;
    QPushButton* Exit;
    // Where backups and the journal are kept, and the ways to look at them.
    QLabel* Label_backups;
    QLabel* Label_journal;
    QPushButton* OpenBackups;
    QPushButton* ShowJournal;
    JournalView* Journal;
    QTimer* Timer_5SEC;
    QTimer* Timer_RUN;

    void MAIN_CONNECTClick();
    void ExitClick();
    void Timer_5SECTimer();
    void Timer_RUNTimer();

    std::string SelectedMode() const { return MAIN_SELECTOR->currentText().toStdString(); }
    // The mode Start was pressed for: the one Timer_RUN opens, whatever the selector shows.
    const std::string& StartedMode() const { return startedMode_; }
    // Once Exit was pressed: the program is ending, late updates of a switch do nothing.
    bool Ending() const { return ending_; }
    ProgrammerLink& Link() { return link_; }
    std::atomic<bool> BootWaitExpired{false};
    // Whether ReadThread_UPD runs; Start is refused meanwhile (it would share the link).
    bool SwitchRunning() const { return switchRunning_.load(); }
    // Whether the switch is writing the JIG's own flash: the window refuses to close meanwhile.
    bool WritingFirmware() const;

  signals:
    // Exit ended the program: the switch is joined, the link closed, every window hidden.
    void ProgramEnded();

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The language chosen in the box: every caption again.
    void changeEvent(QEvent* event) override;
    // Back from a mode window, or at start: the JIGs are listed anew.
    void showEvent(QShowEvent* event) override;

  private:
    void Retranslate();
    void StartFirmwareSwitch();
    // The switch's worker has returned (posted from it).
    void SwitchEnded();
    void SetStartControlsEnabled(bool enabled);
    void EndProgram();
    void FitHeight();

    std::shared_ptr<ChosenDeviceApi> api_;
    ProgrammerLink link_;
    ModeWindows windows_;
    std::unique_ptr<UpdateSwitchPort> switchPort_;
    std::unique_ptr<ReadThread_UPD> switch_;
    std::atomic<bool> switchRunning_{false};
    std::string startedMode_;
    bool ending_ = false;
    Worker switchWorker_; // last: joined first
};
