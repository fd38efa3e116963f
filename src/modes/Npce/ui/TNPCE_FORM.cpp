#include "modes/Npce/ui/TNPCE_FORM.h"

#include <QVBoxLayout>

TNPCE_FORM::TNPCE_FORM(std::shared_ptr<FtdiApi> api, QWidget* mainWindow)
    : ModeWindow(std::move(api), mainWindow, "NPCE288N/388N 02_02_2017") {
    auto* layout = new QVBoxLayout(this);
    Memo_NPCE = new LogView(this);
    layout->addWidget(Memo_NPCE);
    EXIT = new QPushButton("EXIT", this);
    layout->addWidget(EXIT);
    connect(EXIT, &QPushButton::clicked, this, &TNPCE_FORM::BackToMain);
    setFixedSize(520, 360);
}
