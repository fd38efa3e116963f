#include "modes/Mec16xx/ui/TMEC16_Form.h"

#include <QVBoxLayout>

TMEC16_Form::TMEC16_Form(std::shared_ptr<FtdiApi> api, QWidget* mainWindow)
    : ModeWindow(std::move(api), mainWindow, "Read and Write MEC   19_03_17") {
    auto* layout = new QVBoxLayout(this);
    Memo_MEC16 = new LogView(this);
    layout->addWidget(Memo_MEC16);
    EXIT = new QPushButton("EXIT", this);
    layout->addWidget(EXIT);
    connect(EXIT, &QPushButton::clicked, this, &TMEC16_Form::BackToMain);
    setFixedSize(520, 360);
}
