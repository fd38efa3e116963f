#include "modes/Nuvoton_jtag_form/ui/TForm_NUVOTON_JTAG.h"

#include <QVBoxLayout>

TForm_NUVOTON_JTAG::TForm_NUVOTON_JTAG(std::shared_ptr<FtdiApi> api, QWidget* mainWindow)
    : ModeWindow(std::move(api), mainWindow, "NUVOTON JTAG 11_03_2017") {
    auto* layout = new QVBoxLayout(this);
    Memo_NUVOTON_JTAG = new LogView(this);
    layout->addWidget(Memo_NUVOTON_JTAG);
    EXIT = new QPushButton("EXIT", this);
    layout->addWidget(EXIT);
    connect(EXIT, &QPushButton::clicked, this, &TForm_NUVOTON_JTAG::BackToMain);
    setFixedSize(520, 360);
}
