#pragma once
// The "ITE" window: the pin assignment of the fifteen EC signals (typed or taken from the
// motherboard database), APPLY, Check connection, READ and WRITE of the flash behind an ITE EC,
// with a Russian and an English log. The work itself is the IteEngine's; the window presents it.
#include "gui/Gauge.h"
#include "gui/LogView.h"
#include "gui/ModeWindow.h"
#include "modes/Ite/IteDatabase.h"
#include "modes/Ite/IteEngine.h"
#include "modes/Ite/ui/IteWindowPort.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>

#include <array>
#include <memory>
#include <string>

class TITE_FORM : public ModeWindow {
    Q_OBJECT
  public:
    // `database`: the motherboard wiring file, by default "MB connection ITE.txt" in the current
    // folder.
    TITE_FORM(std::shared_ptr<FtdiApi> api, QWidget* mainWindow,
              const std::string& database = kIteDatabaseFile);
    ~TITE_FORM() override;

    bool CanLeave() const override;
    IteEngine& Engine() { return *engine_; }
    // ComboBox1 ... ComboBox15 by number.
    QComboBox* Box(int number) const { return boxes_[static_cast<std::size_t>(number - 1)]; }
    QLabel* BoxLabel(int number) const { return labels_[static_cast<std::size_t>(number - 1)]; }
    // The selected entry of every box: 0 "NC", 1..32, -1 when its text matches no entry.
    IteAssignment Boxes() const;
    void SetBoxes(const IteAssignment& values);

    QComboBox* ITE_ComboBox_MB_SWITCH;
    QGroupBox* GroupBox_pins;
    QComboBox *ComboBox1, *ComboBox2, *ComboBox3, *ComboBox4, *ComboBox5, *ComboBox6, *ComboBox7,
        *ComboBox8, *ComboBox9, *ComboBox10, *ComboBox11, *ComboBox12, *ComboBox13, *ComboBox14,
        *ComboBox15;
    QCheckBox* ITE_CheckBox;
    QCheckBox* CheckBox_RUS_ENG;
    QPushButton* ITE_SETUP_BitBtn;
    QPushButton* ITE_CHECK_CON_BitBtn;
    QPushButton* ITE_READ_BitBtn;
    QPushButton* ITE_WRITE_BitBtn;
    QPushButton* ITE_EXIT_BitBtn;
    QStackedWidget* Logs;
    LogView* ITE_Memo1;    // Russian
    LogView* ITE_Memo_ENG; // English
    Gauge* ITE_CGauge1;
    Gauge* SPEED_ITE_CGauge;
    QLabel* Label_read_gauge;  // "Read", beside ITE_CGauge1
    QLabel* Label_write_gauge; // "Write", beside SPEED_ITE_CGauge

  protected:
    void closeEvent(QCloseEvent* event) override;
    // The language chosen in the main window: the captions, and the log shown (English for
    // English).
    void changeEvent(QEvent* event) override;

  private:
    // Captions in the chosen language; the logs keep what they said.
    void Retranslate() override;
    QComboBox* MakeBox(int number);
    void FormCreate(const std::string& database);
    void ITE_ComboBox_MB_SWITCHSelect();
    void ITE_CheckBoxClick();
    void CheckBox_RUS_ENGClick();
    void ITE_SETUP_BitBtnClick();
    void ITE_CHECK_CON_BitBtnClick();
    void ITE_READ_BitBtnClick();
    void ITE_WRITE_BitBtnClick();
    void ITE_EXIT_BitBtnClick();

    bool databaseFound_ = false; // what the list's first entry says
    std::array<QComboBox*, Ite::kSignals> boxes_{};
    std::array<QLabel*, Ite::kSignals> labels_{};
    std::unique_ptr<IteWindowPort> port_;
    std::unique_ptr<IteEngine> engine_; // after port_: stops its worker before the port goes
};
