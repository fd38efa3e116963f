#pragma once
// The "Read and Write MEC   19_03_17" window: checks the JTAG connection to a MEC16xx EC with
// its protection state, reads MAIN (and INFO) into a file, erases, and writes MAIN from a
// file. The work itself is the Mec16xxEngine's; the window presents it.
#include "gui/Gauge.h"
#include "gui/LogView.h"
#include "gui/ModeWindow.h"
#include "gui/QtOperatorPort.h"
#include "modes/Mec16xx/Mec16xxEngine.h"
#include "modes/Mec16xx/ui/MecIndicatorShape.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <memory>

class TMEC16_Form : public ModeWindow {
    Q_OBJECT
  public:
    TMEC16_Form(std::shared_ptr<FtdiApi> api, QWidget* mainWindow);
    ~TMEC16_Form() override;

    bool CanLeave() const override;
    Mec16xxEngine& Engine() { return *engine_; }

    QPushButton* BitBtn_MEC16;
    MecIndicatorShape* Shape_FWP_MEC16;
    QLabel* Label_MEC16_FWP;
    MecIndicatorShape* Shape_BootLock_MEC;
    QLabel* Label_BootLock_MEC;
    QCheckBox* CheckBox_MEC16_RD;
    QPushButton* BitBtn_RD_MEC16;
    QCheckBox* CheckBox_erase_mec16;
    QPushButton* BitBtn_MEC16_ERASE;
    QCheckBox* CheckBox_write_mec16;
    QPushButton* BitBtn_MEC16_WRITE;
    QPushButton* BitBtn_MEC16_HELP;
    QPushButton* EXIT_MEC16;
    LogView* Memo_MEC16;
    Gauge* CGauge_MEC16;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Retranslate() override;
    void BitBtn_MEC16Click();
    void BitBtn_RD_MEC16Click();
    void BitBtn_MEC16_ERASEClick();
    void BitBtn_MEC16_WRITEClick();
    void BitBtn_MEC16_HELPClick();
    void EXIT_MEC16Click();
    void ShowIndicator(MecIndicator which, Rgb colour);

    std::unique_ptr<QtOperatorPort> port_;
    std::unique_ptr<Mec16xxEngine> engine_; // after port_: stops its worker before the port goes
};
