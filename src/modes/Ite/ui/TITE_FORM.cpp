#include "modes/Ite/ui/TITE_FORM.h"

#include "gui/Accelerators.h"
#include "gui/SafetySettings.h"
#include "gui/TrText.h"
#include "port/ProgramFolder.h"
#include "port/Tr.h"
#include "port/TrIn.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {
constexpr int kListRows = 30;

const char* const kInstructionsRu[] = {
    TR_NOOP("Ite", "Порядок подключения:"),
    TR_NOOP("Ite", "1. Обесточьте материнскую плату: отключите адаптер питания и батарею."),
    TR_NOOP(
        "Ite",
        "2. Подключите шлейф от 1-го контакта программатора к 1-му контакту разъема клавиатуры."),
    TR_NOOP("Ite", "3. Соедините землю программатора с землей материнской платы."),
    TR_NOOP("Ite", "4. Выберите материнскую плату (или задайте выводы вручную) и нажмите APPLY."),
    TR_NOOP("Ite",
            "5. Нажмите Check connection и сразу подключите адаптер питания (есть 5 секунд),"),
    TR_NOOP("Ite", "   или подключите питание и нажмите Check connection через 1-3 секунды."),
    TR_NOOP("Ite", "6. Затем READ или WRITE."),
    TR_NOOP("Ite", "Чтение всех 128 КБ занимает около 20 секунд, запись - до 5 минут."),
};

const char* const kInstructionsEn[] = {
    TR_NOOP("Ite", "How to connect:"),
    TR_NOOP("Ite", "1. Power the motherboard off: unplug its power adapter and its battery."),
    TR_NOOP("Ite", "2. Connect the flat cable from contact 1 of the JIG to contact 1 of the "
                   "keyboard connector."),
    TR_NOOP("Ite", "3. Connect the ground of the JIG to the ground of the motherboard."),
    TR_NOOP("Ite", "4. Choose the motherboard (or set the contacts by hand) and press APPLY."),
    TR_NOOP("Ite",
            "5. Press Check connection and plug in the power adapter at once (within 5 seconds),"),
    TR_NOOP("Ite", "   or power the board and press Check connection 1-3 seconds later."),
    TR_NOOP("Ite", "6. Then READ or WRITE."),
};

QColor GroupColour(IteSignalGroup group) {
    switch (group) {
    case IteSignalGroup::Data:
        return QColor(0, 128, 0);
    case IteSignalGroup::Busy:
        return QColor(0, 0, 255);
    case IteSignalGroup::Strobe:
        return QColor(255, 0, 0);
    case IteSignalGroup::Input:
        break;
    }
    return QColor(0, 0, 0);
}

void SetTextColour(QWidget* w, const QColor& colour) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::ButtonText, colour);
    w->setPalette(palette);
}
} // namespace

TITE_FORM::TITE_FORM(std::shared_ptr<FtdiApi> api, QWidget* mainWindow, const std::string& database)
    : ModeWindow(std::move(api), mainWindow) {
    ITE_ComboBox_MB_SWITCH = new QComboBox(this);
    ITE_ComboBox_MB_SWITCH->setMaxVisibleItems(kListRows);
    ITE_ComboBox_MB_SWITCH->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ITE_ComboBox_MB_SWITCH->setMinimumContentsLength(20);

    GroupBox_pins = new QGroupBox(this);
    auto* pins = new QGridLayout(GroupBox_pins);
    int dataRow = 0;
    int otherRow = 0;
    for (const IteSignal& s : IteSignals()) {
        auto* label = new QLabel(GroupBox_pins);
        SetTextColour(label, GroupColour(s.group));
        QComboBox* box = MakeBox(s.box);
        label->setBuddy(box);
        labels_[static_cast<std::size_t>(s.box - 1)] = label;
        const bool data = s.group == IteSignalGroup::Data;
        const int row = data ? dataRow++ : otherRow++;
        const int column = data ? 0 : 3;
        pins->addWidget(label, row, column);
        pins->addWidget(box, row, column + 1);
    }
    pins->setColumnMinimumWidth(2, 24);
    pins->setColumnStretch(5, 1);
    ComboBox1 = Box(1), ComboBox2 = Box(2), ComboBox3 = Box(3), ComboBox4 = Box(4);
    ComboBox5 = Box(5), ComboBox6 = Box(6), ComboBox7 = Box(7), ComboBox8 = Box(8);
    ComboBox9 = Box(9), ComboBox10 = Box(10), ComboBox11 = Box(11), ComboBox12 = Box(12);
    ComboBox13 = Box(13), ComboBox14 = Box(14), ComboBox15 = Box(15);

    ITE_CheckBox = new QCheckBox(this);
    CheckBox_RUS_ENG = new QCheckBox(this);
    ITE_SETUP_BitBtn = new QPushButton(this);
    ITE_CHECK_CON_BitBtn = new QPushButton(this);
    ITE_READ_BitBtn = new QPushButton(this);
    ITE_WRITE_BitBtn = new QPushButton(this);
    ITE_EXIT_BitBtn = new QPushButton(this);
    ITE_SETUP_BitBtn->setObjectName(Ite::kSetupButton);
    ITE_CHECK_CON_BitBtn->setObjectName(Ite::kCheckButton);
    ITE_READ_BitBtn->setObjectName(Ite::kReadButton);
    ITE_WRITE_BitBtn->setObjectName(Ite::kWriteButton);
    ITE_EXIT_BitBtn->setObjectName(Ite::kExitButton);
    AddAccelerators({{ITE_SETUP_BitBtn, "Alt+A"},
                     {ITE_CHECK_CON_BitBtn, "Alt+C"},
                     {ITE_READ_BitBtn, "Alt+R"},
                     {ITE_WRITE_BitBtn, "Alt+W"},
                     {ITE_EXIT_BitBtn, "Alt+X"}});

    Logs = new QStackedWidget(this);
    ITE_Memo1 = new LogView(Logs);
    ITE_Memo_ENG = new LogView(Logs);
    Logs->addWidget(ITE_Memo1);
    Logs->addWidget(ITE_Memo_ENG);
    ITE_CGauge1 = new Gauge(this);
    ITE_CGauge1->SetMaximum(Ite::kReadBlocks);
    SPEED_ITE_CGauge = new Gauge(this);
    SPEED_ITE_CGauge->SetMaximum(Ite::kSpeedGaugeMax);

    auto* options = new QHBoxLayout;
    options->addWidget(CheckBox_RUS_ENG);
    options->addStretch();
    options->addWidget(ITE_SETUP_BitBtn);
    options->addWidget(ITE_CHECK_CON_BitBtn);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ITE_READ_BitBtn);
    buttons->addWidget(ITE_WRITE_BitBtn);
    buttons->addStretch();
    buttons->addWidget(ITE_EXIT_BitBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(ITE_ComboBox_MB_SWITCH);
    layout->addWidget(GroupBox_pins);
    layout->addWidget(ITE_CheckBox);
    layout->addLayout(options);
    layout->addWidget(Logs, 1);
    // The first gauge follows a read's blocks, the second a write's.
    auto* gauges = new QGridLayout;
    Label_read_gauge = new QLabel(this);
    Label_write_gauge = new QLabel(this);
    Label_read_gauge->setBuddy(ITE_CGauge1);
    Label_write_gauge->setBuddy(SPEED_ITE_CGauge);
    gauges->addWidget(Label_read_gauge, 0, 0);
    gauges->addWidget(ITE_CGauge1, 0, 1);
    gauges->addWidget(Label_write_gauge, 1, 0);
    gauges->addWidget(SPEED_ITE_CGauge, 1, 1);
    gauges->setColumnStretch(1, 1);
    layout->addLayout(gauges);
    layout->addLayout(buttons);
    resize(700, 760);
    Retranslate();

    port_ = std::make_unique<IteWindowPort>(this, ITE_Memo1, ITE_Memo_ENG, ITE_CGauge1,
                                            SPEED_ITE_CGauge);
    port_->SetMode("ITE");
    port_->AddControl(Ite::kSetupButton, ITE_SETUP_BitBtn);
    port_->AddControl(Ite::kCheckButton, ITE_CHECK_CON_BitBtn);
    port_->AddControl(Ite::kReadButton, ITE_READ_BitBtn);
    port_->AddControl(Ite::kWriteButton, ITE_WRITE_BitBtn);
    port_->AddControl(Ite::kExitButton, ITE_EXIT_BitBtn);
    engine_ = std::make_unique<IteEngine>(api_, *port_);

    connect(ITE_ComboBox_MB_SWITCH, &QComboBox::activated, this,
            &TITE_FORM::ITE_ComboBox_MB_SWITCHSelect);
    connect(ITE_CheckBox, &QCheckBox::clicked, this, &TITE_FORM::ITE_CheckBoxClick);
    connect(CheckBox_RUS_ENG, &QCheckBox::clicked, this, &TITE_FORM::CheckBox_RUS_ENGClick);
    connect(ITE_SETUP_BitBtn, &QPushButton::clicked, this, &TITE_FORM::ITE_SETUP_BitBtnClick);
    connect(ITE_CHECK_CON_BitBtn, &QPushButton::clicked, this,
            &TITE_FORM::ITE_CHECK_CON_BitBtnClick);
    connect(ITE_READ_BitBtn, &QPushButton::clicked, this, &TITE_FORM::ITE_READ_BitBtnClick);
    connect(ITE_WRITE_BitBtn, &QPushButton::clicked, this, &TITE_FORM::ITE_WRITE_BitBtnClick);
    connect(ITE_EXIT_BitBtn, &QPushButton::clicked, this, &TITE_FORM::ITE_EXIT_BitBtnClick);
    FormCreate(database);
}

TITE_FORM::~TITE_FORM() {
    engine_.reset();
}

// "NC", "1" ... "32"; up to two typed characters, and text that names no entry leaves the box
// without a selection.
QComboBox* TITE_FORM::MakeBox(int number) {
    auto* box = new QComboBox(GroupBox_pins);
    box->setObjectName(QString("ComboBox%1").arg(number));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItem("NC");
    for (int contact = 1; contact <= Ite::kContacts; ++contact)
        box->addItem(QString::number(contact));
    box->lineEdit()->setMaxLength(2);
    box->setCurrentIndex(0);
    box->setMinimumContentsLength(3);
    boxes_[static_cast<std::size_t>(number - 1)] = box;
    return box;
}

IteAssignment TITE_FORM::Boxes() const {
    IteAssignment values{};
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        values[i] = boxes_[i]->findText(boxes_[i]->currentText(), Qt::MatchFixedString);
    return values;
}

void TITE_FORM::SetBoxes(const IteAssignment& values) {
    const IteAssignment shown = Boxes();
    for (std::size_t i = 0; i < boxes_.size(); ++i)
        if (shown[i] != values[i])
            boxes_[i]->setCurrentIndex(values[i]);
}

bool TITE_FORM::CanLeave() const {
    return engine_->Run().Idle();
}

void TITE_FORM::closeEvent(QCloseEvent* event) {
    // The title bar has no close button; a window manager's close is EXIT, which during an
    // operation asks whether to stop it.
    event->ignore();
    ITE_EXIT_BitBtnClick();
}

void TITE_FORM::Retranslate() {
    SetCaption("ITE"); // the chip's name, the same in every language
    GroupBox_pins->setTitle(TrQ("Ite", "Pin ITE mcu -> pin keyboard connector"));
    ITE_CheckBox->setText(TrQ("Ite", "First contact the programmer is connected to the first "
                                     "contact MB (forward or reverse cable, etc.)"));
    CheckBox_RUS_ENG->setText(TrQ("Ite", "Russian / English text"));
    ITE_SETUP_BitBtn->setText(TrQ("Ite", "APPLY"));
    ITE_CHECK_CON_BitBtn->setText(TrQ("Ite", "Check connection"));
    ITE_READ_BitBtn->setText(TrQ("Ite", "READ"));
    ITE_WRITE_BitBtn->setText(TrQ("Ite", "WRITE"));
    ITE_EXIT_BitBtn->setText(TrQ("Ite", "EXIT"));
    Label_read_gauge->setText(TrQ("Ite", "Read"));
    Label_write_gauge->setText(TrQ("Ite", "Write"));
    for (const IteSignal& s : IteSignals())
        BoxLabel(s.box)->setText(TrQ("Ite", s.label));
    if (ITE_ComboBox_MB_SWITCH->count() > 0)
        ITE_ComboBox_MB_SWITCH->setItemText(
            0, TrQ("Ite", databaseFound_ ? kIteSelectMotherboard : kIteDatabaseMissing));
}

void TITE_FORM::changeEvent(QEvent* event) {
    ModeWindow::changeEvent(event);
    if (event->type() == QEvent::LanguageChange && CurrentLanguage() != Language::Original) {
        CheckBox_RUS_ENG->setChecked(CurrentLanguage() == Language::Russian);
        CheckBox_RUS_ENGClick();
    }
}

void TITE_FORM::FormCreate(const std::string& database) {
    const FileLookup where = LookUpFile(database, LookFirst::WorkingFolder);
    const auto lines = where.found ? LoadIteDatabase(where.found->string())
                                   : std::optional<std::vector<std::string>>();
    databaseFound_ = lines.has_value();
    for (const std::string& entry : IteMotherboardList(lines))
        ITE_ComboBox_MB_SWITCH->addItem(QString::fromStdString(entry));
    ITE_ComboBox_MB_SWITCH->setCurrentIndex(0);
    SetTextColour(ITE_ComboBox_MB_SWITCH, lines ? QColor(0, 0, 0) : QColor(255, 0, 0));
    ITE_CheckBox->setChecked(true);
    ITE_CheckBox->setEnabled(false);
    CheckBox_RUS_ENG->setChecked(CurrentLanguage() != Language::English);
    CheckBox_RUS_ENGClick();
    for (const char* line : kInstructionsRu)
        ITE_Memo1->AppendLine(QString::fromStdString(TrIn(Language::Russian, "Ite", line)));
    for (const char* line : kInstructionsEn)
        ITE_Memo_ENG->AppendLine(QString::fromStdString(TrIn(Language::English, "Ite", line)));
    if (!lines)
        for (LogView* memo : {ITE_Memo1, ITE_Memo_ENG})
            memo->AppendLine(QString::fromStdString(NotFoundLine(database, where)));
}

void TITE_FORM::ITE_ComboBox_MB_SWITCHSelect() {
    ITE_CheckBox->setEnabled(false);
    const int index = ITE_ComboBox_MB_SWITCH->currentIndex();
    if (index <= 0)
        return;
    // Checking the mark mirrors what the boxes show, as a click would; the board's own values
    // then overwrite the boxes its line reaches.
    if (!ITE_CheckBox->isChecked()) {
        ITE_CheckBox->setChecked(true);
        ITE_CheckBoxClick();
    }
    const IteSelection chosen =
        SelectIteMotherboard(ITE_ComboBox_MB_SWITCH->currentText().toStdString(), Boxes());
    SetBoxes(chosen.boxes);
    if (chosen.message)
        port_->Say(*chosen.message);
    ITE_CheckBox->setEnabled(chosen.complete);
}

void TITE_FORM::ITE_CheckBoxClick() {
    const IteMirror mirrored =
        MirrorIteAssignment(ITE_ComboBox_MB_SWITCH->currentText().toStdString(), Boxes());
    SetBoxes(mirrored.boxes);
    if (mirrored.message)
        port_->Say(*mirrored.message);
}

void TITE_FORM::CheckBox_RUS_ENGClick() {
    Logs->setCurrentWidget(CheckBox_RUS_ENG->isChecked() ? ITE_Memo1 : ITE_Memo_ENG);
}

void TITE_FORM::ITE_SETUP_BitBtnClick() {
    engine_->ApplyClick(Boxes());
}

void TITE_FORM::ITE_CHECK_CON_BitBtnClick() {
    engine_->Run().SetSafety(SafetySettings::Options());
    engine_->CheckClick();
}

void TITE_FORM::ITE_READ_BitBtnClick() {
    engine_->Run().SetSafety(SafetySettings::Options());
    engine_->ReadClick();
}

void TITE_FORM::ITE_WRITE_BitBtnClick() {
    engine_->Run().SetSafety(SafetySettings::Options());
    engine_->WriteClick();
}

void TITE_FORM::ITE_EXIT_BitBtnClick() {
    if (!engine_->ExitClick())
        return;
    BackToMain();
}
