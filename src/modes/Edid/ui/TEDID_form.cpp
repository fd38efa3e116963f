#include "modes/Edid/ui/TEDID_form.h"

#include <QVBoxLayout>

TEDID_form::TEDID_form(std::shared_ptr<FtdiApi> api, QWidget* mainWindow)
    : ModeWindow(std::move(api), mainWindow, "EEPROM LCD read/write 09/01/2017") {
    auto* layout = new QVBoxLayout(this);
    EDID_Memo = new LogView(this);
    layout->addWidget(EDID_Memo);
    EXIT = new QPushButton("EXIT", this);
    layout->addWidget(EXIT);
    connect(EXIT, &QPushButton::clicked, this, &TEDID_form::BackToMain);
    setFixedSize(520, 360);
}
