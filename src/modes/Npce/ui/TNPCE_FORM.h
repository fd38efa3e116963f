#pragma once
// The "NPCE288N/388N 02_02_2017" window: reads the SPI flash of a Nuvoton NPCE288N/388N into a
// file, and writes a file into it with erase, blank check and verification. The work itself is
// the NpceEngine's; the window presents it. The window has no STOP: EXIT, or closing the window,
// while an operation runs asks whether to stop it.
#include "gui/Gauge.h"
#include "gui/LogView.h"
#include "gui/ModeWindow.h"
#include "gui/QtOperatorPort.h"
#include "modes/Npce/NpceEngine.h"

#include <QPushButton>

#include <memory>

class TNPCE_FORM : public ModeWindow {
    Q_OBJECT
  public:
    TNPCE_FORM(std::shared_ptr<FtdiApi> api, QWidget* mainWindow);
    ~TNPCE_FORM() override;

    bool CanLeave() const override;
    NpceEngine& Engine() { return *engine_; }

    LogView* NPCE_Memo;
    Gauge* CGauge_NPCE;
    QPushButton* NPCE_READ;
    QPushButton* NPCE_WRITE;
    QPushButton* EXIT;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Retranslate() override;
    void NPCE_READClick();
    void NPCE_WRITEClick();
    void EXIT_NPCEClick();
    // "Stop the operation?"; yes stops it at its next safe point.
    void AskToStop();

    std::unique_ptr<QtOperatorPort> port_;
    std::unique_ptr<NpceEngine> engine_; // after port_: stops its worker before the port goes
};
