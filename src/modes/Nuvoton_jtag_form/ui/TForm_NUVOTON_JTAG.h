#pragma once
// The "NUVOTON JTAG 11_03_2017" window: leads the technician through the cable settings, the
// identifier check with its script, and the read or the erase and write of the NPCE's flash
// over JTAG. The work itself is the NuvotonJtagEngine's; the window presents it.
#include "gui/Gauge.h"
#include "gui/LogView.h"
#include "gui/ModeWindow.h"
#include "gui/QtOperatorPort.h"
#include "modes/Nuvoton_jtag_form/JtagFrames.h"
#include "modes/Nuvoton_jtag_form/NuvotonJtagEngine.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <memory>

class TForm_NUVOTON_JTAG : public ModeWindow, public NuvJtagView {
    Q_OBJECT
  public:
    TForm_NUVOTON_JTAG(std::shared_ptr<FtdiApi> api, QWidget* mainWindow);
    ~TForm_NUVOTON_JTAG() override;

    bool CanLeave() const override;
    NuvotonJtagEngine& Engine() { return *engine_; }

    QCheckBox* CheckBox1;
    QPushButton* BitBtn_SETTINGS;
    QPushButton* BitBtn_CONNECT;
    QPushButton* BitBtnFILE_OPEN;
    QLabel* StaticText_in_counter;
    LogView* Memo_NUV_JTAG;
    Gauge* CGauge_progrss;
    QPushButton* BitBtn_NUV_JTAG_RD;
    QPushButton* BitBtn_NUV_JTAG_WR;
    QPushButton* BitBtn_EXIT_NUV;
    QTimer* Timer_MSG_ER;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void Retranslate() override;
    void FormCreate();
    void BitBtn_SETTINGSClick();
    void BitBtn_CONNECTClick();
    void BitBtnFILE_OPENClick();
    void BitBtn_NUV_JTAG_RDClick();
    void BitBtn_NUV_JTAG_WRClick();
    void BitBtn_EXIT_NUVClick();
    void Timer_MSG_ERTimer();
    // True when an operation was running (the technician was asked whether to stop it).
    bool AskToStop();

    // NuvJtagView, called from the worker.
    void SetCounterText(const std::string& text) override;
    void ShowCounter() override;
    void ArmEndTimer() override;

    std::unique_ptr<QtOperatorPort> port_;
    std::unique_ptr<NuvotonJtagEngine> engine_; // after port_: stops its worker before the port
};
