#include "modes/Edid/ui/TEDID_form.h"

#include "gui/Accelerators.h"
#include "gui/SafetySettings.h"
#include "gui/TrText.h"

#include <QCloseEvent>
#include <QGridLayout>

TEDID_form::TEDID_form(std::shared_ptr<FtdiApi> api, QWidget* mainWindow)
    : ModeWindow(api, mainWindow), EDID_Memo(new LogView(this)), EDID_READ(new QPushButton(this)),
      EDID_WRITE(new QPushButton(this)), EXIT(new QPushButton(this)), link_(std::move(api)),
      port_(this, EDID_Memo), engine_(link_, port_) {
    Retranslate();
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(EDID_Memo, 0, 0, 1, 3);
    layout->addWidget(EDID_READ, 1, 0);
    layout->addWidget(EXIT, 1, 1);
    layout->addWidget(EDID_WRITE, 1, 2);
    for (QPushButton* b : {EDID_READ, EXIT, EDID_WRITE})
        b->setMinimumHeight(32);
    AddAccelerators({{EDID_READ, "Alt+R"}, {EDID_WRITE, "Alt+W"}, {EXIT, "Alt+X"}});

    port_.SetMode("EDID lcd");
    connect(EDID_READ, &QPushButton::clicked, this, &TEDID_form::EDID_READClick);
    connect(EDID_WRITE, &QPushButton::clicked, this, &TEDID_form::EDID_WRITEClick);
    connect(EXIT, &QPushButton::clicked, this, &TEDID_form::EXIT_EDIDClick);
    resize(560, 680);
}

void TEDID_form::Retranslate() {
    SetCaption(TrQ("Edid", "EEPROM LCD read/write 09/01/2017"));
    EDID_READ->setText(TrQ("Edid", "EDID_READ"));
    EDID_WRITE->setText(TrQ("Edid", "EDID_WRITE"));
    EXIT->setText(TrQ("Edid", "EXIT"));
}

void TEDID_form::EDID_READClick() {
    engine_.Run().SetSafety(SafetySettings::Options());
    engine_.ReadClick();
}

void TEDID_form::EDID_WRITEClick() {
    engine_.Run().SetSafety(SafetySettings::Options());
    engine_.WriteClick();
}

void TEDID_form::EXIT_EDIDClick() {
    EDID_Memo->clear();
    BackToMain();
}

void TEDID_form::closeEvent(QCloseEvent* event) {
    event->ignore();
    EXIT_EDIDClick();
}
