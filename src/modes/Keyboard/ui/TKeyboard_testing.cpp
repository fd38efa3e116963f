#include "modes/Keyboard/ui/TKeyboard_testing.h"

#include "gui/Accelerators.h"
#include "gui/TrText.h"
#include "gui/UiThread.h"
#include "modes/Keyboard/KeyboardStatus.h"
#include "modes/Keyboard/ui/ColumnNumbersLabel.h"
#include "modes/Keyboard/ui/IndicatorShape.h"

#include <QEvent>

using namespace Keyboard;

namespace {
constexpr const char* kColumnNumbers = " 2       6       11        16       21       26       31";
constexpr int kRowLabelLeft = 548;
constexpr int kRowLabelTops[] = {36, 116, 196, 276, 356, 436, 516};
constexpr int kRowLabelPins[] = {1, 6, 11, 16, 21, 26, 31};
constexpr int kControlsTop = 560;

QColor ToQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

// The grid's pairs as text, for a technician who cannot tell the colours apart or wants to
// write them down: red (closed now) and yellow (closed before), in pin order.
QString PairsSeenText(const std::array<IndicatorShape*, kMaxPairNumber + 1>& shapes,
                      const std::array<std::atomic<std::uint8_t>, kMaxPairNumber + 1>& colours) {
    QStringList seen;
    for (const PinPair& p : AllPairs()) {
        const auto n = static_cast<std::size_t>(PairNumber(p.a, p.b));
        const auto colour = static_cast<Colour>(colours[n].load());
        if (shapes[n] && (colour == Colour::Red || colour == Colour::Yellow))
            seen << QString("%1-%2").arg(p.a).arg(p.b);
    }
    return TrQ("Keyboard", "Pairs seen: %1")
        .replace("%1", seen.isEmpty() ? TrQ("Keyboard", "none") : seen.join(' '));
}
} // namespace

TKeyboard_testing::TKeyboard_testing(std::shared_ptr<FtdiApi> api, QWidget* mainWindow)
    : ModeWindow(api, mainWindow), START_SCAN(new QPushButton(this)),
      EXIT_KB_TEST(new QPushButton(this)), Clear(new QPushButton(this)),
      Buzzer_box(new QCheckBox(this)), CheckBox_HIDE(new QCheckBox(this)),
      Label_keyb_con(new QLabel(this)), Label_pairs(new QLabel(this)),
      repaintTimer_(new QTimer(this)), scanner_(std::make_unique<KeyboardScanner>(
                                           std::move(api), static_cast<KeyboardListener&>(*this))) {
    for (const PinPair& p : AllPairs()) {
        const int n = PairNumber(p.a, p.b);
        auto* shape = new IndicatorShape(this, n);
        shape->setGeometry(IndicatorLeft(p.b), IndicatorTop(p.a), kIndicatorWidth,
                           kIndicatorHeight);
        shapes_[static_cast<std::size_t>(n)] = shape;
    }
    auto* columns = new ColumnNumbersLabel(kColumnNumbers, this);
    columns->setObjectName("Label_columns");
    columns->setGeometry(IndicatorLeft(2) - 6, 22, IndicatorLeft(32) - IndicatorLeft(2) + 30, 14);
    for (std::size_t i = 0; i < std::size(kRowLabelTops); ++i) {
        auto* row = new QLabel(QString::number(kRowLabelPins[i]), this);
        row->setObjectName(QString("Label_row%1").arg(kRowLabelPins[i]));
        row->setGeometry(kRowLabelLeft, kRowLabelTops[i], 24, 16);
    }

    START_SCAN->setGeometry(20, kControlsTop, 110, 30);
    Clear->setGeometry(140, kControlsTop, 80, 30);
    Buzzer_box->setGeometry(230, kControlsTop, 104, 30);
    CheckBox_HIDE->setGeometry(336, kControlsTop, 140, 30); // room for the Russian caption
    EXIT_KB_TEST->setGeometry(480, kControlsTop, 80, 30);
    Label_keyb_con->setGeometry(20, kControlsTop + 40, 540, 24);
    QFont status = Label_keyb_con->font();
    status.setPointSize(12);
    status.setBold(true);
    Label_keyb_con->setFont(status);
    Label_pairs->setObjectName("Label_pairs");
    Label_pairs->setGeometry(20, kControlsTop + 70, 540, 48);
    Label_pairs->setWordWrap(true);
    Label_pairs->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label_pairs->setTextInteractionFlags(Qt::TextSelectableByMouse);
    CheckBox_HIDE->setEnabled(false);
    Retranslate();
    AddAccelerators({{START_SCAN, "Alt+S"}, {Clear, "Alt+C"}, {EXIT_KB_TEST, "Alt+X"}});

    repaintTimer_->setSingleShot(true);
    sinceRepaint_.start();
    connect(repaintTimer_, &QTimer::timeout, this, &TKeyboard_testing::FlushIndicators);
    connect(START_SCAN, &QPushButton::clicked, this, &TKeyboard_testing::START_SCANClick);
    connect(Clear, &QPushButton::clicked, this, &TKeyboard_testing::ClearClick);
    connect(CheckBox_HIDE, &QCheckBox::clicked, this, &TKeyboard_testing::CheckBox_HIDEClick);
    connect(Buzzer_box, &QCheckBox::toggled, this,
            [this](bool checked) { scanner_->SetBuzzerOff(checked); });
    connect(EXIT_KB_TEST, &QPushButton::clicked, this, &TKeyboard_testing::EXIT_KB_TESTClick);
    MakeFixedToolWindow(this); // a grid of fixed places: nothing to grow
    setFixedSize(580, 690);
}

void TKeyboard_testing::Retranslate() {
    SetCaption(TrQ("Keyboard", "Keyboard_testing 02_03_2017"));
    START_SCAN->setText(scanRunning_ ? TrQ("Keyboard", "STOP") : TrQ("Keyboard", "START SCAN"));
    EXIT_KB_TEST->setText(TrQ("Keyboard", "EXIT"));
    Clear->setText(TrQ("Keyboard", "Clear"));
    Buzzer_box->setText(TrQ("Keyboard", "Buzzer off"));
    CheckBox_HIDE->setText(TrQ("Keyboard", "Hide current"));
    ShowStatusWord(statusWord_);
    Label_pairs->setText(PairsSeenText(shapes_, pending_));
}

TKeyboard_testing::~TKeyboard_testing() {
    // The worker reports into this window: it ends before anything here goes.
    scanner_->Shutdown();
}

IndicatorShape* TKeyboard_testing::Shape(int n) const {
    return n >= 0 && n <= kMaxPairNumber ? shapes_[static_cast<std::size_t>(n)] : nullptr;
}

bool TKeyboard_testing::CanLeave() const {
    return !scanner_->Scanning();
}

void TKeyboard_testing::START_SCANClick() {
    scanner_->StartScanClick();
}

void TKeyboard_testing::ClearClick() {
    scanner_->ClearClick();
}

void TKeyboard_testing::CheckBox_HIDEClick() {
    scanner_->SetHideCurrent(CheckBox_HIDE->isChecked());
}

void TKeyboard_testing::EXIT_KB_TESTClick() {
    if (CanLeave())
        BackToMain();
}

void TKeyboard_testing::IndicatorChanged(int n, Colour colour) {
    pending_[static_cast<std::size_t>(n)].store(static_cast<std::uint8_t>(colour));
    if (!flushPosted_.exchange(true))
        PostToUi(this, [this] {
            const qint64 since = sinceRepaint_.elapsed();
            repaintTimer_->start(since >= kRepaintMs ? 0 : static_cast<int>(kRepaintMs - since));
        });
}

void TKeyboard_testing::FlushIndicators() {
    // Cleared first: a change made while painting posts the next repaint.
    flushPosted_.store(false);
    for (IndicatorShape* shape : shapes_)
        if (shape) {
            const auto colour =
                static_cast<Colour>(pending_[static_cast<std::size_t>(shape->PairNumber())].load());
            shape->SetColour(ToQColor(RgbOf(colour)));
        }
    Label_pairs->setText(PairsSeenText(shapes_, pending_));
    sinceRepaint_.restart();
}

void TKeyboard_testing::StatusWordChanged(const std::string& word) {
    PostToUi(this, [this, word] { ShowStatusWord(word); });
}

void TKeyboard_testing::ScanRunning(bool running) {
    PostToUi(this, [this, running] { ShowScanRunning(running); });
}

void TKeyboard_testing::ShowStatusWord(const std::string& word) {
    statusWord_ = word;
    const StatusLabel label = StatusLabelOf(word);
    Label_keyb_con->setText(TrQ("Keyboard", label.text));
    QPalette palette = Label_keyb_con->palette();
    palette.setColor(QPalette::WindowText, ToQColor(label.colour));
    Label_keyb_con->setPalette(palette);
}

void TKeyboard_testing::ShowScanRunning(bool running) {
    scanRunning_ = running;
    START_SCAN->setText(running ? TrQ("Keyboard", "STOP") : TrQ("Keyboard", "START SCAN"));
    EXIT_KB_TEST->setEnabled(!running);
    CheckBox_HIDE->setEnabled(running);
    if (!running) {
        Buzzer_box->setChecked(false);
        CheckBox_HIDE->setChecked(false);
    }
}
