#pragma once
// The "KB9010/9012/9016/9022  03/03/2017" window: reads and writes a KB90xx flash, shows the
// wiring of a motherboard for a flexible cable and routes the cable on a PCB3 JIG. The work
// itself is the Kb901xEngine's; the window presents it.
#include "gui/Gauge.h"
#include "gui/LogView.h"
#include "gui/ModeWindow.h"
#include "gui/QtOperatorPort.h"
#include "modes/Kb901x_form/EneDatabase.h"
#include "modes/Kb901x_form/Kb901xEngine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <memory>
#include <string>

class TKB901X_forms : public ModeWindow {
    Q_OBJECT
  public:
    // `database`: the motherboard wiring file, by default "MB connection ENE.txt" in the current
    // folder.
    TKB901X_forms(std::shared_ptr<FtdiApi> api, QWidget* mainWindow,
                  const std::string& database = kEneDatabaseFile);
    ~TKB901X_forms() override;

    bool CanLeave() const override;
    Kb901xEngine& Engine() { return *engine_; }

    QComboBox* ComboBox_KB901X;
    QComboBox* ComboBox_KB901X_FFC;
    QCheckBox* CheckBox_KB901X;
    QPushButton* SpeedButton1;
    QGroupBox* GroupBox_help;
    QLabel* Label_result;
    LogView* KB901X_Memo;
    Gauge* CGauge_KB901X;
    QPushButton* KB901X_READ;
    QPushButton* KB901X_WRITE;
    QPushButton* EXIT;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Retranslate() override;
    void FormCreate(const std::string& database);
    void ComboBox_KB901XSelect();
    void ComboBox_KB901X_FFCSelect();
    void CheckBox_KB901XClick();
    void SpeedButton1Click();
    void KB901X_READClick();
    void KB901X_WRITEClick();
    void EXIT_KB901XClick();
    void RefreshHelp();
    // After the worker: a write that failed or was stopped says where the chip stands.
    void OperationEnded(const std::string& chipState);
    static void PaintList(QComboBox* list, bool selected);

    bool databaseMissing_ = false;
    std::unique_ptr<QtOperatorPort> port_;
    std::unique_ptr<Kb901xEngine> engine_; // after port_: stops its worker before the port goes
};
