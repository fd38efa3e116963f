#include "gui/DumpMapView.h"

#include <QEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace {
QString Swatch(const QColor& colour, const QString& text) {
    return QString("<span style=\"background-color:%1\">&nbsp;&nbsp;&nbsp;&nbsp;</span>&nbsp;%2")
        .arg(colour.name(), text);
}

QString Legend(const DumpMap& map) {
    QStringList items{Swatch(BlockColour(BlockKind::Data, BlockDiff::None), "data"),
                      Swatch(BlockColour(BlockKind::AllFF, BlockDiff::None), "all FFh"),
                      Swatch(BlockColour(BlockKind::All00, BlockDiff::None), "all 00h")};
    if (!map.diffs.empty())
        items << Swatch(BlockColour(BlockKind::Data, BlockDiff::Differs), "differs from the file");
    if (map.Count(BlockDiff::Unchecked))
        items << Swatch(BlockColour(BlockKind::Data, BlockDiff::Unchecked), "not verified");
    return items.join("&nbsp;&nbsp;&nbsp;");
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
      legend_(new QLabel(this)), figures_(new QLabel(this)), blockTitle_(new QLabel(this)),
      hex_(new QPlainTextEdit(this)) {
    setObjectName("dumpMap");
    // The mode window keeps the keyboard: the map only shows.
    setAttribute(Qt::WA_ShowWithoutActivating);
    QFont mono("DejaVu Sans Mono");
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(9);
    figures_->setFont(mono);
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    legend_->setTextFormat(Qt::RichText);
    hex_->setFont(mono);
    hex_->setReadOnly(true);
    hex_->setLineWrapMode(QPlainTextEdit::NoWrap);
    hex_->setMinimumHeight(200);
    const int hexWidth = QFontMetrics(mono).horizontalAdvance(QString(80, 'W'));
    hex_->setMinimumWidth(hexWidth);
    blockTitle_->setText("Click a block to see its bytes.");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(strip_, 0, Qt::AlignLeft);
    layout->addWidget(legend_);
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
        // Beside the mode window, on the screen.
        QPoint at = owner->frameGeometry().topRight() + QPoint(8, 0);
        if (const QScreen* screen = owner->screen()) {
            const QRect free = screen->availableGeometry();
            at.setX(std::clamp(at.x(), free.left(),
                               std::max(free.left(), free.right() - view->width())));
            at.setY(std::clamp(at.y(), free.top(),
                               std::max(free.top(), free.bottom() - view->height())));
        }
        view->move(at);
    }
    view->show();
    return view;
}

void DumpMapView::SetPicture(std::shared_ptr<const DumpPicture> picture) {
    picture_ = std::move(picture);
    const DumpMap& map = picture_->map;
    const QString name = QFileInfo(QString::fromStdString(picture_->file)).fileName();
    setWindowTitle("Dump map: " + name);
    QString heading = QString::fromStdString(DumpMapLines(map).front());
    if (!picture_->readBack.empty() || !map.diffs.empty())
        heading = "Verify of " + name + " - " + heading;
    heading_->setText(heading);
    strip_->SetMap(&map);
    legend_->setText(Legend(map));
    figures_->setText(QString("Size     %1 bytes\nCRC-32   %2\nSHA-256  %3")
                          .arg(map.figures.bytes)
                          .arg(QString::fromStdString(map.figures.crc32),
                               QString::fromStdString(map.figures.sha256)));
    blockTitle_->setText("Click a block to see its bytes.");
    hex_->clear();
    // The first block that differs is what the technician wants to see.
    const auto differs = std::ranges::find(map.diffs, BlockDiff::Differs);
    if (differs != map.diffs.end())
        ShowBlock(static_cast<int>(differs - map.diffs.begin()));
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
    blockTitle_->setText(QString("Block %1 of %2: offset 0x%3, %4 bytes")
                             .arg(block + 1)
                             .arg(map.Blocks())
                             .arg(QString::number(from, 16).toUpper().rightJustified(6, '0'))
                             .arg(part(picture_->image).size()));
    QString text = Text(HexLines(part(picture_->image), from));
    if (map.DiffOf(static_cast<std::size_t>(block)) == BlockDiff::Differs &&
        !picture_->readBack.empty())
        text = "The file:\n" + text + "\n\nThe chip:\n" +
               Text(HexLines(part(picture_->readBack), from));
    hex_->setPlainText(text);
}

bool DumpMapView::eventFilter(QObject* watched, QEvent* event) {
    // Leaves with its mode window.
    if (watched == parent() && event->type() == QEvent::Hide)
        hide();
    return QWidget::eventFilter(watched, event);
}
