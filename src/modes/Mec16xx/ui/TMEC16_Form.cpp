#include "modes/Mec16xx/ui/TMEC16_Form.h"

#include "gui/Accelerators.h"
#include "gui/Dialogs.h"
#include "gui/SafetySettings.h"
#include "gui/TrText.h"
#include "gui/UiThread.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

TMEC16_Form::TMEC16_Form(std::shared_ptr<FtdiApi> api, QWidget* mainWindow)
    : ModeWindow(std::move(api), mainWindow) {
    BitBtn_MEC16 = new QPushButton(this);
    Shape_FWP_MEC16 = new MecIndicatorShape(this);
    Label_MEC16_FWP = new QLabel(this);
    Shape_BootLock_MEC = new MecIndicatorShape(this);
    Label_BootLock_MEC = new QLabel(this);
    CheckBox_MEC16_RD = new QCheckBox(this);
    BitBtn_RD_MEC16 = new QPushButton(this);
    CheckBox_erase_mec16 = new QCheckBox(this);
    BitBtn_MEC16_ERASE = new QPushButton(this);
    CheckBox_write_mec16 = new QCheckBox(this);
    CheckBox_write_mec16->setEnabled(false); // an INFO write is not offered
    BitBtn_MEC16_WRITE = new QPushButton(this);
    BitBtn_MEC16_HELP = new QPushButton(this);
    EXIT_MEC16 = new QPushButton(this);
    Retranslate();
    Memo_MEC16 = new LogView(this);
    Memo_MEC16->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    CGauge_MEC16 = new Gauge(this);
    CGauge_MEC16->SetMaximum(Mec::kGaugeStart);

    for (QPushButton* b : {BitBtn_MEC16, BitBtn_RD_MEC16, BitBtn_MEC16_ERASE, BitBtn_MEC16_WRITE})
        b->setMinimumWidth(170);
    BitBtn_MEC16->setObjectName("BitBtn_MEC16");
    BitBtn_RD_MEC16->setObjectName("BitBtn_RD_MEC16");
    BitBtn_MEC16_ERASE->setObjectName("BitBtn_MEC16_ERASE");
    BitBtn_MEC16_WRITE->setObjectName("BitBtn_MEC16_WRITE");
    BitBtn_MEC16_HELP->setObjectName("BitBtn_MEC16_HELP");
    EXIT_MEC16->setObjectName("EXIT_MEC16");
    AddAccelerators({{BitBtn_MEC16, "Alt+C"},
                     {BitBtn_RD_MEC16, "Alt+R"},
                     {BitBtn_MEC16_ERASE, "Alt+E"},
                     {BitBtn_MEC16_WRITE, "Alt+W"},
                     {BitBtn_MEC16_HELP, "F1"},
                     {EXIT_MEC16, "Alt+X"}});

    auto* controls = new QGridLayout;
    controls->addWidget(BitBtn_MEC16, 0, 0, 2, 1);
    controls->addWidget(Shape_FWP_MEC16, 0, 1);
    controls->addWidget(Label_MEC16_FWP, 0, 2);
    controls->addWidget(Shape_BootLock_MEC, 1, 1);
    controls->addWidget(Label_BootLock_MEC, 1, 2);
    controls->addWidget(BitBtn_RD_MEC16, 2, 0);
    controls->addWidget(CheckBox_MEC16_RD, 2, 1, 1, 2);
    controls->addWidget(BitBtn_MEC16_ERASE, 3, 0);
    controls->addWidget(CheckBox_erase_mec16, 3, 1, 1, 2);
    controls->addWidget(BitBtn_MEC16_WRITE, 4, 0);
    controls->addWidget(CheckBox_write_mec16, 4, 1, 1, 2);
    controls->setColumnStretch(2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn_MEC16_HELP);
    buttons->addStretch();
    buttons->addWidget(EXIT_MEC16);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(controls);
    layout->addWidget(Memo_MEC16, 1);
    layout->addWidget(CGauge_MEC16);
    layout->addLayout(buttons);
    resize(560, 560);

    port_ = std::make_unique<QtOperatorPort>(this, Memo_MEC16, CGauge_MEC16);
    port_->SetMode("MEC jtag");
    engine_ = std::make_unique<Mec16xxEngine>(api_, *port_);
    port_->SetChipIdSource([e = engine_.get()] { return e->Run().Record().ChipId(); });
    engine_->SetIndicatorSink([this](MecIndicator which, Rgb colour) {
        PostToUi(this, [this, which, colour] { ShowIndicator(which, colour); });
    });
    // An erase or write that failed or stopped says where the chip stands, in a box that waits.
    engine_->SetEndSink([this](Outcome, const std::string& chipState) {
        if (!chipState.empty())
            PostToUi(this,
                     [this, chipState] { Dialogs::Message(this, MessageIcon::Error, chipState); });
    });

    connect(BitBtn_MEC16, &QPushButton::clicked, this, &TMEC16_Form::BitBtn_MEC16Click);
    connect(BitBtn_RD_MEC16, &QPushButton::clicked, this, &TMEC16_Form::BitBtn_RD_MEC16Click);
    connect(BitBtn_MEC16_ERASE, &QPushButton::clicked, this, &TMEC16_Form::BitBtn_MEC16_ERASEClick);
    connect(BitBtn_MEC16_WRITE, &QPushButton::clicked, this, &TMEC16_Form::BitBtn_MEC16_WRITEClick);
    connect(BitBtn_MEC16_HELP, &QPushButton::clicked, this, &TMEC16_Form::BitBtn_MEC16_HELPClick);
    connect(EXIT_MEC16, &QPushButton::clicked, this, &TMEC16_Form::EXIT_MEC16Click);
    engine_->ShowOpeningNotes();
}

void TMEC16_Form::Retranslate() {
    SetCaption(TrQ("Mec", "Read and Write MEC   19_03_17"));
    BitBtn_MEC16->setText(TrQ("Mec", "Check connect to MEC"));
    Label_MEC16_FWP->setText(TrQ("Mec", "If Green - Erase/Write allowed"));
    Label_BootLock_MEC->setText(TrQ("Mec", "If Green - no Boot_Lock"));
    CheckBox_MEC16_RD->setText(TrQ("Mec", "Also need read INFO"));
    BitBtn_RD_MEC16->setText(TrQ("Mec", "Read FLASH MEC "));
    CheckBox_erase_mec16->setText(TrQ("Mec", "Also need erase INFO"));
    BitBtn_MEC16_ERASE->setText(TrQ("Mec", "Erase FLASH MEC16"));
    CheckBox_write_mec16->setText(TrQ("Mec", "Also need write INFO"));
    BitBtn_MEC16_WRITE->setText(TrQ("Mec", "Write FLASH MEC16"));
    BitBtn_MEC16_HELP->setText(TrQ("Mec", "HELP"));
    EXIT_MEC16->setText(TrQ("Mec", "STOP and EXIT"));
}

TMEC16_Form::~TMEC16_Form() {
    engine_.reset();
}

bool TMEC16_Form::CanLeave() const {
    return engine_->Run().Idle();
}

void TMEC16_Form::closeEvent(QCloseEvent* event) {
    event->ignore(); // the title bar has no close button; a window manager's close is EXIT
    EXIT_MEC16Click();
}

void TMEC16_Form::ShowIndicator(MecIndicator which, Rgb c) {
    MecIndicatorShape* shape = which == MecIndicator::Fwp ? Shape_FWP_MEC16 : Shape_BootLock_MEC;
    shape->SetColour(QColor(c.r, c.g, c.b));
}

void TMEC16_Form::BitBtn_MEC16Click() {
    engine_->Run().SetSafety(SafetySettings::Options());
    engine_->CheckClick();
}

void TMEC16_Form::BitBtn_RD_MEC16Click() {
    engine_->Run().SetSafety(SafetySettings::Options());
    engine_->ReadClick(CheckBox_MEC16_RD->isChecked());
}

void TMEC16_Form::BitBtn_MEC16_ERASEClick() {
    engine_->Run().SetSafety(SafetySettings::Options());
    engine_->EraseClick(CheckBox_erase_mec16->isChecked());
}

void TMEC16_Form::BitBtn_MEC16_WRITEClick() {
    engine_->Run().SetSafety(SafetySettings::Options());
    engine_->WriteClick();
}

void TMEC16_Form::BitBtn_MEC16_HELPClick() {
    engine_->HelpClick();
}

// A first press during an operation asks it to stop at its next safe point; once the operation
// has ended a press leaves.
void TMEC16_Form::EXIT_MEC16Click() {
    if (engine_->StopExitClick())
        BackToMain();
}
