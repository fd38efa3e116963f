#include "modes/Kb901x_form/ui/TKB901X_forms.h"

#include "gui/Accelerators.h"
#include "gui/Dialogs.h"
#include "gui/SafetySettings.h"
#include "gui/TrText.h"
#include "gui/UiThread.h"
#include "port/EightBitText.h"
#include "port/ProgramFolder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {
constexpr int kListRows = 20;

std::optional<std::string> Chosen(const QComboBox* list) {
    if (list->currentIndex() < 0)
        return std::nullopt;
    return list->currentText().toStdString();
}

// A motherboard entry as the file holds it; the list shows it readably.
std::optional<std::string> ChosenEntry(const QComboBox* list) {
    if (list->currentIndex() < 0)
        return std::nullopt;
    return list->currentData().toByteArray().toStdString();
}
} // namespace

TKB901X_forms::TKB901X_forms(std::shared_ptr<FtdiApi> api, QWidget* mainWindow,
                             const std::string& database)
    : ModeWindow(std::move(api), mainWindow) {
    ComboBox_KB901X = new QComboBox(this);
    ComboBox_KB901X->setMaxVisibleItems(kListRows);
    ComboBox_KB901X->setMinimumContentsLength(40);
    ComboBox_KB901X->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ComboBox_KB901X_FFC = new QComboBox(this);
    for (const std::string& item : FfcCableItems())
        ComboBox_KB901X_FFC->addItem(QString::fromStdString(item));
    CheckBox_KB901X = new QCheckBox(this);
    CheckBox_KB901X->setChecked(true);
    SpeedButton1 = new QPushButton(this);
    GroupBox_help = new QGroupBox(this);
    Label_result = new QLabel("*************", GroupBox_help);
    Label_result->setWordWrap(true);
    KB901X_Memo = new LogView(this);
    CGauge_KB901X = new Gauge(this);
    CGauge_KB901X->SetMaximum(Kb90::kGaugeMax);
    KB901X_READ = new QPushButton(this);
    KB901X_WRITE = new QPushButton(this);
    EXIT = new QPushButton(this);
    Retranslate();
    KB901X_READ->setObjectName("KB901X_READ");
    KB901X_WRITE->setObjectName("KB901X_WRITE");
    EXIT->setObjectName("EXIT_KB901X");
    AddAccelerators({{SpeedButton1, "Alt+A"},
                     {KB901X_READ, "Alt+R"},
                     {KB901X_WRITE, "Alt+W"},
                     {EXIT, "Alt+X"}});

    auto* helpLayout = new QVBoxLayout(GroupBox_help);
    helpLayout->addWidget(Label_result);
    auto* ffc = new QGridLayout;
    ffc->addWidget(ComboBox_KB901X, 0, 0, 1, 2);
    ffc->addWidget(ComboBox_KB901X_FFC, 1, 0);
    ffc->addWidget(CheckBox_KB901X, 1, 1);
    ffc->addWidget(SpeedButton1, 2, 0, 1, 2);
    ffc->addWidget(GroupBox_help, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(KB901X_READ);
    buttons->addWidget(KB901X_WRITE);
    buttons->addStretch();
    buttons->addWidget(EXIT);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(ffc);
    layout->addWidget(KB901X_Memo, 1);
    layout->addWidget(CGauge_KB901X);
    layout->addLayout(buttons);
    resize(640, 600);

    port_ = std::make_unique<QtOperatorPort>(this, KB901X_Memo, CGauge_KB901X);
    port_->SetMode("ENE KB90XX");
    port_->AddControl(Kb90::kReadButton, KB901X_READ);
    port_->AddControl(Kb90::kWriteButton, KB901X_WRITE);
    port_->AddControl(Kb90::kExitButton, EXIT);
    engine_ = std::make_unique<Kb901xEngine>(api_, *port_);
    port_->SetChipIdSource([e = engine_.get()] { return e->Run().Record().ChipId(); });
    engine_->Run().SetOnEnd([this](Outcome, const std::string& chipState) {
        PostToUi(this, [this, chipState] { OperationEnded(chipState); });
    });

    connect(ComboBox_KB901X, &QComboBox::activated, this, &TKB901X_forms::ComboBox_KB901XSelect);
    connect(ComboBox_KB901X_FFC, &QComboBox::activated, this,
            &TKB901X_forms::ComboBox_KB901X_FFCSelect);
    connect(CheckBox_KB901X, &QCheckBox::clicked, this, &TKB901X_forms::CheckBox_KB901XClick);
    connect(SpeedButton1, &QPushButton::clicked, this, &TKB901X_forms::SpeedButton1Click);
    connect(KB901X_READ, &QPushButton::clicked, this, &TKB901X_forms::KB901X_READClick);
    connect(KB901X_WRITE, &QPushButton::clicked, this, &TKB901X_forms::KB901X_WRITEClick);
    connect(EXIT, &QPushButton::clicked, this, &TKB901X_forms::EXIT_KB901XClick);
    FormCreate(database);
}

void TKB901X_forms::Retranslate() {
    SetCaption(TrQ("Ene", "KB9010/9012/9016/9022  03/03/2017"));
    CheckBox_KB901X->setText(TrQ("Ene", "Pin 1 connected  to pin 1 on the MB keyboard connector"));
    SpeedButton1->setText(TrQ("Ene", "Apply settings if use FFC  (only for JIG 3)"));
    GroupBox_help->setTitle(TrQ("Ene", " Help for FFC cable connection  "));
    KB901X_READ->setText(TrQ("Ene", "KB90XX_READ"));
    KB901X_WRITE->setText(TrQ("Ene", "KB90XX_WRITE"));
    EXIT->setText(TrQ("Ene", "EXIT"));
    ComboBox_KB901X->setPlaceholderText(TrQ("Ene", "Select MB"));
    ComboBox_KB901X_FFC->setPlaceholderText(TrQ("Ene", "Select FFC cable you used"));
    if (databaseMissing_)
        Label_result->setText(TrQ("Ene", kHelpDatabaseMissing));
    else if (ComboBox_KB901X->currentIndex() >= 0 && ComboBox_KB901X_FFC->currentIndex() >= 0)
        RefreshHelp();
}

TKB901X_forms::~TKB901X_forms() {
    engine_.reset();
}

bool TKB901X_forms::CanLeave() const {
    return engine_->Run().Idle();
}

void TKB901X_forms::closeEvent(QCloseEvent* event) {
    event->ignore(); // the title bar has no close button; a window manager's close is EXIT
    // EXIT is disabled while an operation runs: the close asks to stop it instead.
    if (!engine_->Run().Idle()) {
        if (Dialogs::YesNo(this, Tr("Ene", "Stop the operation?")))
            engine_->Stop();
        return;
    }
    EXIT_KB901XClick();
}

void TKB901X_forms::OperationEnded(const std::string& chipState) {
    if (!chipState.empty())
        Dialogs::Message(this, MessageIcon::Error, chipState);
}

void TKB901X_forms::PaintList(QComboBox* list, bool selected) {
    QPalette palette = list->palette();
    const QColor colour = selected ? QApplication::palette().color(QPalette::Button) : Qt::yellow;
    palette.setColor(QPalette::Button, colour);
    palette.setColor(QPalette::Base, colour);
    list->setPalette(palette);
}

void TKB901X_forms::FormCreate(const std::string& database) {
    for (QComboBox* list : {ComboBox_KB901X, ComboBox_KB901X_FFC}) {
        list->setEnabled(false);
        list->setCurrentIndex(-1);
        PaintList(list, false);
    }
    CheckBox_KB901X->setEnabled(false);
    const FileLookup where = LookUpFile(database, LookFirst::WorkingFolder);
    const auto lines = where.found ? LoadEneDatabase(where.found->string())
                                   : std::optional<std::vector<std::string>>();
    if (!lines) {
        databaseMissing_ = true;
        Label_result->setText(TrQ("Ene", kHelpDatabaseMissing));
        KB901X_Memo->AppendLine(QString::fromStdString(NotFoundLine(database, where)));
        PaintList(ComboBox_KB901X, true);
        PaintList(ComboBox_KB901X_FFC, true);
        return;
    }
    ComboBox_KB901X->setEnabled(true);
    ComboBox_KB901X_FFC->setEnabled(true);
    CheckBox_KB901X->setEnabled(true);
    Label_result->clear();
    for (const std::string& line : *lines)
        ComboBox_KB901X->addItem(QString::fromStdString(EightBitToUtf8(line)),
                                 QByteArray::fromStdString(line));
    ComboBox_KB901X->setCurrentIndex(-1);
}

void TKB901X_forms::ComboBox_KB901XSelect() {
    PaintList(ComboBox_KB901X, true);
    if (ComboBox_KB901X_FFC->currentIndex() >= 0)
        RefreshHelp();
}

void TKB901X_forms::ComboBox_KB901X_FFCSelect() {
    PaintList(ComboBox_KB901X_FFC, true);
    if (ComboBox_KB901X->currentIndex() >= 0)
        RefreshHelp();
}

void TKB901X_forms::CheckBox_KB901XClick() {
    if (ComboBox_KB901X->currentIndex() >= 0 && ComboBox_KB901X_FFC->currentIndex() >= 0)
        RefreshHelp();
}

void TKB901X_forms::RefreshHelp() {
    const std::string entry = ChosenEntry(ComboBox_KB901X).value_or("");
    const std::string cable = ComboBox_KB901X_FFC->currentText().toStdString();
    Label_result->setText(
        QString::fromStdString(EneHelpLabel(entry, cable, CheckBox_KB901X->isChecked()).label));
}

void TKB901X_forms::SpeedButton1Click() {
    engine_->ApplyFfcSettings(ChosenEntry(ComboBox_KB901X), Chosen(ComboBox_KB901X_FFC),
                              CheckBox_KB901X->isChecked());
}

void TKB901X_forms::KB901X_READClick() {
    engine_->Run().SetSafety(SafetySettings::Options());
    engine_->ReadClick();
}

void TKB901X_forms::KB901X_WRITEClick() {
    engine_->Run().SetSafety(SafetySettings::Options());
    engine_->WriteClick();
}

void TKB901X_forms::EXIT_KB901XClick() {
    if (!engine_->ExitClick())
        return;
    BackToMain();
    port_->SetGauge(0);
}
