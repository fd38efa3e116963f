#include "modes/Keyboard/ui/TKeyboard_testing.h"

#include <QVBoxLayout>

TKeyboard_testing::TKeyboard_testing(std::shared_ptr<FtdiApi> api, QWidget* mainWindow)
    : ModeWindow(std::move(api), mainWindow, "Keyboard_testing 02_03_2017") {
    auto* layout = new QVBoxLayout(this);
    EXIT = new QPushButton("EXIT", this);
    layout->addWidget(EXIT);
    connect(EXIT, &QPushButton::clicked, this, &TKeyboard_testing::BackToMain);
    setFixedSize(520, 360);
}
