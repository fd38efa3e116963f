#include "modes/Kb901x_form/ui/TKB901X_forms.h"

#include <QVBoxLayout>

TKB901X_forms::TKB901X_forms(std::shared_ptr<FtdiApi> api, QWidget* mainWindow)
    : ModeWindow(std::move(api), mainWindow, "KB9010/9012/9016/9022  03/03/2017") {
    auto* layout = new QVBoxLayout(this);
    KB901X_Memo = new LogView(this);
    layout->addWidget(KB901X_Memo);
    SpeedButton1 = new QPushButton("Apply settings if use FFC  (only for JIG 3)", this);
    layout->addWidget(SpeedButton1);
    EXIT = new QPushButton("EXIT", this);
    layout->addWidget(EXIT);
    connect(EXIT, &QPushButton::clicked, this, &TKB901X_forms::BackToMain);
    setFixedSize(520, 360);
}
