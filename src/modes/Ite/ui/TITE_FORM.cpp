#include "modes/Ite/ui/TITE_FORM.h"

#include <QVBoxLayout>

TITE_FORM::TITE_FORM(std::shared_ptr<FtdiApi> api, QWidget* mainWindow)
    : ModeWindow(std::move(api), mainWindow, "ITE") {
    auto* layout = new QVBoxLayout(this);
    ITE_Memo = new LogView(this);
    layout->addWidget(ITE_Memo);
    EXIT = new QPushButton("EXIT", this);
    layout->addWidget(EXIT);
    connect(EXIT, &QPushButton::clicked, this, &TITE_FORM::BackToMain);
    setFixedSize(520, 360);
}
