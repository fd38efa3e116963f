#include "modes/Nuvoton_jtag_form/ui/TForm_NUVOTON_JTAG.h"

#include "gui/Accelerators.h"
#include "gui/Dialogs.h"
#include "gui/SafetySettings.h"
#include "gui/TrText.h"
#include "gui/UiThread.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
constexpr int kTimerMs = 100;

const char* const kSteps[] = {
    TR_NOOP("Jtag", "How to work:"),
    TR_NOOP("Jtag", "1. Connect the 30 pin FFC between the MB keyboard connector and the JIG."),
    TR_NOOP("Jtag", "2. Check the GND connection between the motherboard and the JIG."),
    TR_NOOP("Jtag", "3. Pin 1 to pin 1, or pin 1 to pin 30? Set or clear the check box."),
    TR_NOOP("Jtag", "4. Click \"Send settings\"."),
    TR_NOOP("Jtag", "5. Connect the power supply to the motherboard."),
    TR_NOOP("Jtag", "6. Click \"Check connect to Nuvoton\"."),
    TR_NOOP("Jtag", "7. Click \"READ\" or \"WRITE\"."),
    TR_NOOP("Jtag", "8. Disconnect the power supply from the motherboard."),
};
} // namespace

TForm_NUVOTON_JTAG::TForm_NUVOTON_JTAG(std::shared_ptr<FtdiApi> api, QWidget* mainWindow)
    : ModeWindow(std::move(api), mainWindow) {
    CheckBox1 = new QCheckBox(this);
    CheckBox1->setChecked(true);
    BitBtn_SETTINGS = new QPushButton(this);
    BitBtn_SETTINGS->setDefault(true);
    BitBtn_SETTINGS->setAutoDefault(true);
    BitBtn_CONNECT = new QPushButton(this);
    BitBtnFILE_OPEN = new QPushButton("###", this);
    BitBtnFILE_OPEN->setFixedWidth(40);
    StaticText_in_counter = new QLabel(this);
    StaticText_in_counter->setMinimumWidth(60);
    StaticText_in_counter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Memo_NUV_JTAG = new LogView(this);
    CGauge_progrss = new Gauge(this);
    BitBtn_NUV_JTAG_RD = new QPushButton(this);
    BitBtn_NUV_JTAG_WR = new QPushButton(this);
    BitBtn_EXIT_NUV = new QPushButton(this);
    Retranslate();
    Timer_MSG_ER = new QTimer(this);
    Timer_MSG_ER->setSingleShot(true);
    Timer_MSG_ER->setInterval(kTimerMs);
    BitBtn_SETTINGS->setObjectName(NuvJtag::kSettingsButton);
    BitBtn_CONNECT->setObjectName(NuvJtag::kConnectButton);
    BitBtn_NUV_JTAG_RD->setObjectName(NuvJtag::kReadButton);
    BitBtn_NUV_JTAG_WR->setObjectName(NuvJtag::kWriteButton);
    BitBtn_EXIT_NUV->setObjectName("BitBtn_EXIT_NUV");
    AddAccelerators({{BitBtn_SETTINGS, "Alt+S"},
                     {BitBtn_CONNECT, "Alt+C"},
                     {BitBtnFILE_OPEN, "Alt+O"},
                     {BitBtn_NUV_JTAG_RD, "Alt+R"},
                     {BitBtn_NUV_JTAG_WR, "Alt+W"},
                     {BitBtn_EXIT_NUV, "Alt+X"}});

    auto* steps = new QHBoxLayout;
    steps->addWidget(BitBtn_SETTINGS);
    steps->addWidget(BitBtn_CONNECT);
    steps->addStretch();
    steps->addWidget(StaticText_in_counter);
    steps->addWidget(BitBtnFILE_OPEN);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BitBtn_NUV_JTAG_RD);
    buttons->addWidget(BitBtn_NUV_JTAG_WR);
    buttons->addStretch();
    buttons->addWidget(BitBtn_EXIT_NUV);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(CheckBox1);
    layout->addLayout(steps);
    layout->addWidget(Memo_NUV_JTAG, 1);
    layout->addWidget(CGauge_progrss);
    layout->addLayout(buttons);
    resize(600, 520);

    port_ = std::make_unique<QtOperatorPort>(this, Memo_NUV_JTAG, CGauge_progrss);
    port_->SetMode("NUVOTON jtag");
    port_->AddControl(NuvJtag::kSettingsButton, BitBtn_SETTINGS);
    port_->AddControl(NuvJtag::kConnectButton, BitBtn_CONNECT);
    port_->AddControl(NuvJtag::kReadButton, BitBtn_NUV_JTAG_RD);
    port_->AddControl(NuvJtag::kWriteButton, BitBtn_NUV_JTAG_WR);
    engine_ = std::make_unique<NuvotonJtagEngine>(api_, *port_, this);
    port_->SetChipIdSource([e = engine_.get()] { return e->Run().Record().ChipId(); });

    connect(BitBtn_SETTINGS, &QPushButton::clicked, this,
            &TForm_NUVOTON_JTAG::BitBtn_SETTINGSClick);
    connect(BitBtn_CONNECT, &QPushButton::clicked, this, &TForm_NUVOTON_JTAG::BitBtn_CONNECTClick);
    connect(BitBtnFILE_OPEN, &QPushButton::clicked, this,
            &TForm_NUVOTON_JTAG::BitBtnFILE_OPENClick);
    connect(BitBtn_NUV_JTAG_RD, &QPushButton::clicked, this,
            &TForm_NUVOTON_JTAG::BitBtn_NUV_JTAG_RDClick);
    connect(BitBtn_NUV_JTAG_WR, &QPushButton::clicked, this,
            &TForm_NUVOTON_JTAG::BitBtn_NUV_JTAG_WRClick);
    connect(BitBtn_EXIT_NUV, &QPushButton::clicked, this,
            &TForm_NUVOTON_JTAG::BitBtn_EXIT_NUVClick);
    connect(Timer_MSG_ER, &QTimer::timeout, this, &TForm_NUVOTON_JTAG::Timer_MSG_ERTimer);
    FormCreate();
}

void TForm_NUVOTON_JTAG::Retranslate() {
    SetCaption(TrQ("Jtag", "NUVOTON JTAG 11_03_2017"));
    CheckBox1->setText(
        TrQ("Jtag", "Pin 1 connected  to pin 1 on the MB keyboard connector (30 pin FFC)"));
    BitBtn_SETTINGS->setText(TrQ("Jtag", "Send settings"));
    BitBtn_CONNECT->setText(TrQ("Jtag", "Check connect to Nuvoton"));
    BitBtnFILE_OPEN->setToolTip(TrQ("Jtag", "Choose the .vss script"));
    BitBtn_NUV_JTAG_RD->setText(TrQ("Jtag", "READ"));
    BitBtn_NUV_JTAG_WR->setText(TrQ("Jtag", "WRITE"));
    BitBtn_EXIT_NUV->setText(TrQ("Jtag", "EXIT"));
}

TForm_NUVOTON_JTAG::~TForm_NUVOTON_JTAG() {
    engine_.reset();
}

void TForm_NUVOTON_JTAG::FormCreate() {
    StaticText_in_counter->setVisible(false);
    CGauge_progrss->SetMaximum(NuvJtag::kBlocks);
    CGauge_progrss->SetPosition(0);
    // The engine's initial reset already reached the controls through the port (queued).
    BitBtn_SETTINGS->setEnabled(true);
    BitBtn_CONNECT->setEnabled(false);
    BitBtn_NUV_JTAG_RD->setEnabled(false);
    BitBtn_NUV_JTAG_WR->setEnabled(false);
}

// The steps are the log's first lines whenever the window opens with an empty log.
void TForm_NUVOTON_JTAG::showEvent(QShowEvent* event) {
    ModeWindow::showEvent(event);
    if (Memo_NUV_JTAG->Lines().isEmpty())
        for (const char* line : kSteps)
            Memo_NUV_JTAG->AppendLine(TrQ("Jtag", line));
}

bool TForm_NUVOTON_JTAG::CanLeave() const {
    return !engine_->Running();
}

void TForm_NUVOTON_JTAG::closeEvent(QCloseEvent* event) {
    event->ignore(); // the title bar has no close button; a window manager's close is EXIT
    BitBtn_EXIT_NUVClick();
}

// The window has no STOP: EXIT (or the close) during an operation offers to stop it. The
// operation then ends as every operation does, with its message; EXIT works again after it.
bool TForm_NUVOTON_JTAG::AskToStop() {
    if (!engine_->Running())
        return false;
    if (Dialogs::YesNo(this, Tr("Jtag", "Stop the operation?")))
        engine_->Stop();
    return true;
}

void TForm_NUVOTON_JTAG::BitBtn_SETTINGSClick() {
    engine_->SendSettings(CheckBox1->isChecked());
}

void TForm_NUVOTON_JTAG::BitBtn_CONNECTClick() {
    engine_->Run().SetSafety(SafetySettings::Options());
    engine_->CheckConnect();
}

void TForm_NUVOTON_JTAG::BitBtnFILE_OPENClick() {
    engine_->ChooseScript();
}

void TForm_NUVOTON_JTAG::BitBtn_NUV_JTAG_RDClick() {
    engine_->Run().SetSafety(SafetySettings::Options());
    engine_->ReadClick();
}

void TForm_NUVOTON_JTAG::BitBtn_NUV_JTAG_WRClick() {
    engine_->Run().SetSafety(SafetySettings::Options());
    engine_->WriteClick();
}

void TForm_NUVOTON_JTAG::BitBtn_EXIT_NUVClick() {
    if (AskToStop() || !engine_->ExitClick())
        return;
    BackToMain();
}

void TForm_NUVOTON_JTAG::Timer_MSG_ERTimer() {
    Timer_MSG_ER->stop();
    engine_->EndOfOperationTimer();
}

void TForm_NUVOTON_JTAG::SetCounterText(const std::string& text) {
    QLabel* label = StaticText_in_counter;
    PostToUi(this, [label, t = QString::fromStdString(text)] { label->setText(t); });
}

void TForm_NUVOTON_JTAG::ShowCounter() {
    QLabel* label = StaticText_in_counter;
    PostToUi(this, [label] { label->setVisible(true); });
}

void TForm_NUVOTON_JTAG::ArmEndTimer() {
    QTimer* timer = Timer_MSG_ER;
    PostToUi(this, [timer] { timer->start(); });
}
