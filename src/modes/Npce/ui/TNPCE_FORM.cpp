#include "modes/Npce/ui/TNPCE_FORM.h"

#include "gui/Accelerators.h"
#include "gui/Dialogs.h"
#include "gui/SafetySettings.h"
#include "gui/TrText.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
void PaintCaption(QPushButton* button, const QColor& colour) {
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, colour);
    button->setPalette(palette);
    QFont font = button->font();
    font.setBold(true);
    button->setFont(font);
}
} // namespace

TNPCE_FORM::TNPCE_FORM(std::shared_ptr<FtdiApi> api, QWidget* mainWindow)
    : ModeWindow(std::move(api), mainWindow) {
    NPCE_Memo = new LogView(this);
    CGauge_NPCE = new Gauge(this);
    CGauge_NPCE->SetMaximum(Npce::kGaugeMax);
    NPCE_READ = new QPushButton(this);
    NPCE_WRITE = new QPushButton(this);
    EXIT = new QPushButton(this);
    Retranslate();
    NPCE_READ->setObjectName(Npce::kReadButton);
    NPCE_WRITE->setObjectName(Npce::kWriteButton);
    EXIT->setObjectName(Npce::kExitButton);
    PaintCaption(NPCE_READ, QColor(0, 128, 0));
    PaintCaption(NPCE_WRITE, QColor(255, 0, 0));
    for (QPushButton* b : {NPCE_READ, NPCE_WRITE, EXIT})
        b->setMinimumHeight(32);
    AddAccelerators({{NPCE_READ, "Alt+R"}, {NPCE_WRITE, "Alt+W"}, {EXIT, "Alt+X"}});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(NPCE_READ);
    buttons->addWidget(NPCE_WRITE);
    buttons->addStretch();
    buttons->addWidget(EXIT);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(NPCE_Memo, 1);
    layout->addWidget(CGauge_NPCE);
    layout->addLayout(buttons);
    resize(520, 420);

    port_ = std::make_unique<QtOperatorPort>(this, NPCE_Memo, CGauge_NPCE);
    port_->SetMode("NUVOTON spi");
    port_->AddControl(Npce::kReadButton, NPCE_READ);
    port_->AddControl(Npce::kWriteButton, NPCE_WRITE);
    // EXIT stays usable while an operation runs: it is the way to stop one.
    engine_ = std::make_unique<NpceEngine>(api_, *port_);
    port_->SetChipIdSource([e = engine_.get()] { return e->Run().Record().ChipId(); });
    engine_->Run().SetOnEnd([port = port_.get()](Outcome, const std::string& chipState) {
        if (!chipState.empty())
            port->ShowMessage(MessageIcon::Warning, chipState);
    });

    connect(NPCE_READ, &QPushButton::clicked, this, &TNPCE_FORM::NPCE_READClick);
    connect(NPCE_WRITE, &QPushButton::clicked, this, &TNPCE_FORM::NPCE_WRITEClick);
    connect(EXIT, &QPushButton::clicked, this, &TNPCE_FORM::EXIT_NPCEClick);
}

void TNPCE_FORM::Retranslate() {
    SetCaption(TrQ("Npce", "NPCE288N/388N 02_02_2017"));
    NPCE_READ->setText(TrQ("Npce", "Nuvoton_READ"));
    NPCE_WRITE->setText(TrQ("Npce", "Nuvoton_WRITE"));
    EXIT->setText(TrQ("Npce", "EXIT"));
}

TNPCE_FORM::~TNPCE_FORM() {
    engine_.reset();
}

bool TNPCE_FORM::CanLeave() const {
    return engine_->Run().Idle();
}

void TNPCE_FORM::NPCE_READClick() {
    engine_->Run().SetSafety(SafetySettings::Options());
    engine_->ReadClick();
}

void TNPCE_FORM::NPCE_WRITEClick() {
    engine_->Run().SetSafety(SafetySettings::Options());
    engine_->WriteClick();
}

void TNPCE_FORM::EXIT_NPCEClick() {
    if (engine_->Run().Idle())
        BackToMain();
    else
        AskToStop();
}

void TNPCE_FORM::closeEvent(QCloseEvent* event) {
    event->ignore(); // the window only hides: it leaves as EXIT does
    EXIT_NPCEClick();
}

void TNPCE_FORM::AskToStop() {
    if (Dialogs::YesNo(this, Tr("Npce", "Stop the operation?")) && !engine_->Run().Idle())
        engine_->Stop();
}
