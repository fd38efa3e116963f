#include "gui/DumpMapView.h"

#include "gui/TrText.h"
#include "safety/ImageDiff.h"

#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr std::size_t kRangesShown = 8;

QLabel* Swatch(const QColor& colour, QWidget* parent) {
    QPixmap square(14, 14);
    square.fill(colour);
    QPainter painter(&square);
    painter.setPen(colour.darker(140));
    painter.drawRect(0, 0, 13, 13);
    auto* label = new QLabel(parent);
    label->setPixmap(square);
    return label;
}

// Rebuilt for each picture: a verify adds its own classes.
void FillLegend(QHBoxLayout* legend, const DumpMap& map) {
    while (QLayoutItem* item = legend->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    std::vector<std::pair<QColor, QString>> items{
        {BlockColour(BlockKind::Data, BlockDiff::None), TrQ("Gui", "data")},
        {BlockColour(BlockKind::AllFF, BlockDiff::None), TrQ("Gui", "all FFh")},
        {BlockColour(BlockKind::All00, BlockDiff::None), TrQ("Gui", "all 00h")}};
    if (!map.diffs.empty())
        items.emplace_back(BlockColour(BlockKind::Data, BlockDiff::Differs),
                           TrQ("Gui", "differs from the file"));
    if (map.Count(BlockDiff::Unchecked))
        items.emplace_back(BlockColour(BlockKind::Data, BlockDiff::Unchecked),
                           TrQ("Gui", "not verified"));
    QWidget* owner = legend->parentWidget();
    for (const auto& [colour, text] : items) {
        legend->addWidget(Swatch(colour, owner));
        legend->addWidget(new QLabel(text, owner));
        legend->addSpacing(10);
    }
    legend->addStretch(1);
}

QString Text(const std::vector<std::string>& lines) {
    QStringList text;
    for (const std::string& line : lines)
        text << QString::fromStdString(line);
    return text.join('\n');
}
} // namespace

DumpMapView::DumpMapView(QWidget* owner)
    : QWidget(owner, Qt::Window), heading_(new QLabel(this)), strip_(new DumpStrip(this)),
      legend_(new QHBoxLayout), figures_(new QLabel(this)), blockTitle_(new QLabel(this)),
      hex_(new QPlainTextEdit(this)) {
    setObjectName("dumpMap");
    // The mode window keeps the keyboard: the map only shows.
    setAttribute(Qt::WA_ShowWithoutActivating);
    QFont mono("DejaVu Sans Mono");
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(9);
    figures_->setFont(mono);
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    hex_->setFont(mono);
    hex_->setReadOnly(true);
    hex_->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A whole hex line and 24 of them without scrolling sideways.
    const QFontMetrics metrics(mono);
    const int line = static_cast<int>(HexLines(std::vector<std::uint8_t>(16), 0).front().size());
    hex_->setMinimumWidth(metrics.horizontalAdvance(QString(line + 2, '0')) +
                          hex_->verticalScrollBar()->sizeHint().width() + 4 * hex_->frameWidth() +
                          2 * static_cast<int>(hex_->document()->documentMargin()));
    hex_->setMinimumHeight(24 * metrics.lineSpacing());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(strip_, 0, Qt::AlignLeft);
    layout->addLayout(legend_);
    layout->addWidget(figures_);
    layout->addWidget(blockTitle_);
    layout->addWidget(hex_, 1);
    strip_->OnClick([this](int block) { ShowBlock(block); });
    if (owner)
        owner->installEventFilter(this);
}

DumpMapView* DumpMapView::ShowFor(QWidget* owner, std::shared_ptr<const DumpPicture> picture) {
    auto* view = owner->findChild<DumpMapView*>("dumpMap", Qt::FindDirectChildrenOnly);
    const bool made = !view;
    if (made)
        view = new DumpMapView(owner);
    view->SetPicture(std::move(picture));
    if (made) {
        view->adjustSize();
        // Beside the mode window, on the screen: right of it, else left of it, else where the
        // screen leaves room.
        const QRect frame = owner->frameGeometry();
        QPoint at = frame.topRight() + QPoint(8, 0);
        if (const QScreen* screen = owner->screen()) {
            const QRect free = screen->availableGeometry();
            const int leftOf = frame.left() - 8 - view->frameGeometry().width();
            if (at.x() + view->frameGeometry().width() > free.right() && leftOf >= free.left())
                at.setX(leftOf);
            at.setX(std::clamp(at.x(), free.left(),
                               std::max(free.left(), free.right() - view->width())));
            at.setY(std::clamp(at.y(), free.top(),
                               std::max(free.top(), free.bottom() - view->height())));
        }
        view->move(at);
    }
    // The mode window keeps the keyboard: its keys still work after a read.
    const bool ownerActive = owner->isActiveWindow();
    view->setAttribute(Qt::WA_ShowWithoutActivating);
    view->show();
    if (ownerActive)
        owner->activateWindow();
    return view;
}

void DumpMapView::SetPicture(std::shared_ptr<const DumpPicture> picture) {
    picture_ = std::move(picture);
    const DumpMap& map = picture_->map;
    const QString name = QFileInfo(QString::fromStdString(picture_->file)).fileName();
    setWindowTitle(TrQ("Gui", "Dump map: %1").arg(name));
    QString heading = QString::fromStdString(DumpMapLines(map).front());
    if (!picture_->readBack.empty() || !map.diffs.empty())
        heading = TrQ("Gui", "Verify of %1 - %2").arg(name, heading);
    heading_->setText(heading);
    strip_->SetMap(&map);
    FillLegend(legend_, map);
    figures_->setText(TrQ("Gui", "Size     %1 bytes\nCRC-32   %2\nSHA-256  %3")
                          .arg(map.figures.bytes)
                          .arg(QString::fromStdString(map.figures.crc32),
                               QString::fromStdString(map.figures.sha256)));
    hex_->clear();
    // The first block that differs is what the technician wants to see.
    const auto differs = std::ranges::find(map.diffs, BlockDiff::Differs);
    ShowBlock(differs != map.diffs.end() ? static_cast<int>(differs - map.diffs.begin()) : 0);
}

void DumpMapView::ShowBlock(int block) {
    const DumpMap& map = picture_->map;
    if (block < 0 || block >= static_cast<int>(map.Blocks()))
        return;
    strip_->SetSelected(block);
    const std::size_t from = static_cast<std::size_t>(block) * map.blockSize;
    auto part = [&](const std::vector<std::uint8_t>& bytes) {
        const std::size_t start = std::min(from, bytes.size());
        return std::span<const std::uint8_t>(bytes).subspan(
            start, std::min(map.blockSize, bytes.size() - start));
    };
    blockTitle_->setText(TrQ("Gui", "Block %1 of %2: offset 0x%3, %4 bytes (click a block to "
                                    "see another)")
                             .arg(block + 1)
                             .arg(map.Blocks())
                             .arg(QString::number(from, 16).toUpper().rightJustified(6, '0'))
                             .arg(part(picture_->image).size()));
    QString text = Text(HexLines(part(picture_->image), from));
    if (map.DiffOf(static_cast<std::size_t>(block)) == BlockDiff::Differs &&
        !picture_->readBack.empty()) {
        // Where, first: a byte among 4096 is not seen by looking.
        const auto file = part(picture_->image), chip = part(picture_->readBack);
        std::vector<std::string> where{Tr("Gui", "Where the chip differs (file / chip):")};
        for (DiffRange range : DiffRanges(file, chip)) {
            if (where.size() > kRangesShown) {
                where.push_back("...");
                break;
            }
            range.offset += from;
            where.push_back(DiffRangeText(range, picture_->image, picture_->readBack));
        }
        text = Text(where) + "\n\n" + TrQ("Gui", "The file:") + "\n" + text + "\n\n" +
               TrQ("Gui", "The chip:") + "\n" + Text(HexLines(chip, from));
    }
    hex_->setPlainText(text);
}

void DumpMapView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && picture_)
        SetPicture(picture_);
    QWidget::changeEvent(event);
}

bool DumpMapView::eventFilter(QObject* watched, QEvent* event) {
    // Leaves with its mode window.
    if (watched == parent() && event->type() == QEvent::Hide)
        hide();
    return QWidget::eventFilter(watched, event);
}
