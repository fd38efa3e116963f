#include "shell/ui/Main_88m_kb9012.h"

#include "gui/Accelerators.h"
#include "gui/Dialogs.h"
#include "gui/LanguageChoice.h"
#include "gui/ModeWindow.h"
#include "gui/SafetySettings.h"
#include "gui/TrText.h"
#include "link/InUse.h"
#include "link/OpenProgrammerLink.h"
#include "link/StartLog.h"
#include "link/VersionText.h"
#include "modes/Kb901x_form/ui/TKB901X_forms.h"
#include "port/UserFolders.h"
#include "shell/ReadThread_UPD.h"
#include "shell/StartFlow.h"
#include "shell/ui/JigPicker.h"
#include "shell/ui/JournalView.h"
#include "shell/ui/Update.h"
#include "shell/ui/UpdateSwitchPort.h"

#include "gui/UiThread.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>

TForm1::TForm1(std::shared_ptr<ChosenDeviceApi> api) : QWidget(nullptr), api_(api), link_(api) {
    MakeFixedToolWindow(this);

    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(14, 10, 14, 12);
    layout->setVerticalSpacing(8);
    Label_mode = new QLabel(this);
    MAIN_SELECTOR = new QComboBox(this);
    for (const std::string& item : ModeSelectorItems())
        MAIN_SELECTOR->addItem(QString::fromStdString(item));
    MAIN_SELECTOR->setCurrentIndex(0);
    Jig_picker = new JigPicker(api_, this);
    CheckBox_BACKUP = new QCheckBox(this);
    CheckBox_BACKUP->setChecked(SafetySettings::Backup());
    CheckBox_READ_TWICE = new QCheckBox(this);
    CheckBox_READ_TWICE->setChecked(SafetySettings::ReadTwice());
    Label_backups = new QLabel(this);
    Label_journal = new QLabel(this);
    for (QLabel* place : {Label_backups, Label_journal})
        place->setTextInteractionFlags(Qt::TextSelectableByMouse);
    OpenBackups = new QPushButton(this);
    ShowJournal = new QPushButton(this);
    Journal = new JournalView(this);
    MAIN_CONNECT = new QPushButton(this);
    Exit = new QPushButton(this);
    Retranslate();
    MAIN_CONNECT->setDefault(true);
    AddAccelerators(
        {{MAIN_CONNECT, "Alt+S"}, {Exit, "Alt+X"}, {OpenBackups, "Alt+B"}, {ShowJournal, "Alt+J"}});
    layout->addWidget(Label_mode, 0, 0, 1, 2);
    layout->addWidget(MAIN_SELECTOR, 1, 0, 1, 2);
    layout->addWidget(Jig_picker, 2, 0, 1, 2);
    layout->addWidget(CheckBox_BACKUP, 3, 0, 1, 2);
    layout->addWidget(CheckBox_READ_TWICE, 4, 0, 1, 2);
    layout->addWidget(Label_backups, 5, 0, 1, 2);
    layout->addWidget(Label_journal, 6, 0, 1, 2);
    layout->addWidget(OpenBackups, 7, 0);
    layout->addWidget(ShowJournal, 7, 1);
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(new QLabel(QString::fromUtf8("Language / Язык"), this));
    Language_box = MakeLanguageBox(this);
    languageRow->addWidget(Language_box, 1);
    layout->addLayout(languageRow, 8, 0, 1, 2);
    layout->addWidget(MAIN_CONNECT, 9, 0);
    layout->addWidget(Exit, 9, 1);

    Timer_5SEC = new QTimer(this);
    Timer_5SEC->setInterval(5000);
    Timer_5SEC->setSingleShot(true);
    Timer_RUN = new QTimer(this);
    Timer_RUN->setInterval(300);
    Timer_RUN->setSingleShot(true);
    Timer_5SEC->setTimerType(Qt::PreciseTimer);
    Timer_RUN->setTimerType(Qt::PreciseTimer); // never earlier than its 300 ms

    connect(MAIN_CONNECT, &QPushButton::clicked, this, &TForm1::MAIN_CONNECTClick);
    connect(Exit, &QPushButton::clicked, this, &TForm1::ExitClick);
    connect(OpenBackups, &QPushButton::clicked, this,
            [] { Dialogs::OpenFolder(BackupFolder().string()); });
    connect(ShowJournal, &QPushButton::clicked, this, [this] {
        Journal->Reload();
        Journal->show();
        Journal->raise();
    });
    connect(Timer_5SEC, &QTimer::timeout, this, &TForm1::Timer_5SECTimer);
    connect(Timer_RUN, &QTimer::timeout, this, &TForm1::Timer_RUNTimer);
    connect(CheckBox_BACKUP, &QCheckBox::toggled, this,
            [](bool on) { SafetySettings::SetBackup(on); });
    connect(CheckBox_READ_TWICE, &QCheckBox::toggled, this,
            [](bool on) { SafetySettings::SetReadTwice(on); });

    connect(Jig_picker, &JigPicker::LayoutChanged, this, &TForm1::FitHeight);
    Jig_picker->Refresh();
    FitHeight();
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm1::Retranslate() {
    setWindowTitle(TrQ("Shell", "Tolvane_JIG  VER 4.A   24/03/2017   for PCB2 and PCB3"));
    Label_mode->setText(TrQ("Shell", "Working mode"));
    MAIN_SELECTOR->setItemText(0, TrQ("Shell", ModeSelectorItems().front().c_str()));
    CheckBox_BACKUP->setText(TrQ("Gui", SafetySettings::kBackupCaption));
    CheckBox_BACKUP->setToolTip(QString::fromStdString(
        Fill(Tr("Shell", "Before its first erase or write, every mode reads the whole chip into "
                         "a new file in %1"),
             BackupFolder().string())));
    CheckBox_READ_TWICE->setText(TrQ("Gui", SafetySettings::kReadTwiceCaption));
    CheckBox_READ_TWICE->setToolTip(TrQ("Shell", "Every read is made twice; a difference fails "
                                                 "it (a loose clip or a long wire)"));
    Label_backups->setText(
        QString::fromStdString(Fill(Tr("Shell", "Backups: %1"), BackupFolder().string())));
    Label_journal->setText(
        QString::fromStdString(Fill(Tr("Shell", "Journal: %1"), JournalFile().string())));
    for (QLabel* place : {Label_backups, Label_journal})
        place->setToolTip(place->text());
    OpenBackups->setText(TrQ("Shell", "Open backups folder"));
    ShowJournal->setText(TrQ("Shell", "Journal"));
    MAIN_CONNECT->setText(TrQ("Shell", "Start"));
    Exit->setText(TrQ("Shell", "Exit"));
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        Retranslate();
        FitHeight();
    }
    QWidget::changeEvent(event);
}

void TForm1::FitHeight() {
    constexpr int kWidth = 560;
    layout()->invalidate();
    // A wrapped notice needs the height its width gives it.
    const int height = layout()->totalHeightForWidth(kWidth);
    setFixedSize(kWidth, height > 0 ? height : sizeHint().height());
}

void TForm1::showEvent(QShowEvent* event) {
    if (!switchRunning_.load() && !ending_)
        Jig_picker->Refresh();
    QWidget::showEvent(event);
}

TForm1::~TForm1() {
    if (switch_)
        switch_->Cancel();
    switchWorker_.Join();
}

void TForm1::SetWindows(const ModeWindows& windows) {
    windows_ = windows;
    switchPort_ = std::make_unique<UpdateSwitchPort>(this, windows_.update);
}

void TForm1::MAIN_CONNECTClick() {
    if (MAIN_SELECTOR->currentIndex() == 0 || switchRunning_.load() || ending_)
        return;
    // A JIG unplugged since it was chosen: the technician is told, never switched silently.
    const std::optional<std::string> chosen = Jig_picker->Chosen();
    Jig_picker->Refresh();
    if (chosen && Jig_picker->Chosen() != chosen) {
        Dialogs::Message(this, MessageIcon::Warning,
                         Jig_picker->Notice->text().isEmpty()
                             ? Fill(Tr("Shell", "The JIG %1 is no longer plugged in."), *chosen)
                             : Jig_picker->Notice->text().toStdString());
        return;
    }
    startedMode_ = SelectedMode();
    if (windows_.update)
        windows_.update->Memo_UPDATE->clear();
    OpenProgrammerLinkMain(link_, kKeepHandle);
    const std::string& version = link_.versionText;
    const StartStep step = StepAfterIdentification(version);
    if (step == StartStep::NoJig) {
        Dialogs::Message(this, MessageIcon::Error,
                         version == kInUseText ? Tr("Link", kInUseText)
                                               : Tr("Shell", "JIG not connected to the USB port!"));
        return;
    }
    if (version != kNoAnswerText)
        Jig_picker->Identified(version);
    if (windows_.ene) {
        if (IsPcb3Answer(version)) {
            for (const std::string& line : FlexibleCableInstructions())
                windows_.ene->KB901X_Memo->AppendLine(QString::fromStdString(line));
        } else {
            windows_.ene->SpeedButton1->setEnabled(false);
        }
    }
    // The mode is fixed from here until its window opens or the switch fails.
    SetStartControlsEnabled(false);
    if (step == StartStep::OpenModeWindow) {
        Timer_RUN->start();
        if (windows_.ene)
            windows_.ene->SpeedButton1->setEnabled(true);
        link_.Close();
        return;
    }
    StartLogLine(Tr("Link", "ReadThread_UPD start ... "));
    StartFirmwareSwitch();
}

void TForm1::StartFirmwareSwitch() {
    if (!switchPort_) {
        link_.Close();
        SetStartControlsEnabled(true);
        return;
    }
    switchWorker_.Join();
    switch_ = std::make_unique<ReadThread_UPD>(link_, *switchPort_, BootWaitExpired, startedMode_);
    switchRunning_.store(true);
    switchWorker_.Start([this] {
        switch_->Execute();
        switchRunning_.store(false);
        PostToUi(this, [this] { SwitchEnded(); });
    });
}

void TForm1::SwitchEnded() {
    // After a good switch Timer_RUN opens the mode window; after a failure Start is free again.
    if (!ending_ && !Timer_RUN->isActive())
        SetStartControlsEnabled(true);
}

bool TForm1::WritingFirmware() const {
    return switchPort_ && switchPort_->WritingFirmware();
}

void TForm1::SetStartControlsEnabled(bool enabled) {
    MAIN_SELECTOR->setEnabled(enabled);
    Jig_picker->setEnabled(enabled);
    MAIN_CONNECT->setEnabled(enabled);
}

void TForm1::ExitClick() {
    close();
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (WritingFirmware()) {
        event->ignore();
        Dialogs::Message(this, MessageIcon::Warning, Tr("Shell", kFirmwareBeingWritten));
        return;
    }
    EndProgram();
    event->accept();
}

// Exit ends the program in every state: the other windows are top-level windows of their own
// and would keep it alive, and a running switch would go on and open its mode window later.
void TForm1::EndProgram() {
    if (ending_)
        return;
    ending_ = true;
    Timer_RUN->stop();
    Timer_5SEC->stop();
    // A switch past the bootloader's greeting still sends 'g' LF on its way out.
    if (switch_)
        switch_->Cancel();
    switchWorker_.Join();
    link_.Close();
    for (const auto& [name, window] : windows_.byMode)
        if (window)
            window->hide();
    if (windows_.update)
        windows_.update->hide();
    emit ProgramEnded();
    QCoreApplication::quit();
}

void TForm1::Timer_5SECTimer() {
    Timer_5SEC->stop();
    BootWaitExpired.store(true);
}

QWidget* ModeWindows::For(const std::string& mode) const {
    for (const auto& [name, window] : byMode)
        if (name == mode)
            return window;
    return nullptr;
}

void TForm1::Timer_RUNTimer() {
    Timer_RUN->stop();
    SetStartControlsEnabled(true); // for when the mode window hands back
    if (ending_)
        return;
    const std::string mode = startedMode_;
    LogModeWindowOpening(mode);
    QWidget* window = windows_.For(mode);
    if (!window)
        return;
    if (auto* modeWindow = qobject_cast<ModeWindow*>(window))
        modeWindow->ShowJig(Jig_picker->ChosenSerial());
    window->show();
    hide();
}
