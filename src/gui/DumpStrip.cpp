#include "gui/DumpStrip.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
constexpr int kCellWidth = 12;
constexpr int kCellHeight = 18;
constexpr int kGap = 1;
} // namespace

QColor BlockColour(BlockKind kind, BlockDiff diff) {
    if (diff == BlockDiff::Differs)
        return {220, 30, 30};
    if (diff == BlockDiff::Unchecked)
        return {250, 240, 170};
    switch (kind) {
    case BlockKind::AllFF:
        return {225, 225, 225};
    case BlockKind::All00:
        return {60, 60, 60};
    case BlockKind::Data:
        break;
    }
    return {50, 110, 210};
}

DumpStrip::DumpStrip(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::PointingHandCursor);
}

void DumpStrip::SetMap(const DumpMap* map) {
    map_ = map;
    selected_ = -1;
    updateGeometry();
    adjustSize();
    update();
}

void DumpStrip::SetSelected(int block) {
    selected_ = block;
    update();
}

int DumpStrip::Columns() const {
    const int blocks = map_ ? static_cast<int>(map_->Blocks()) : 0;
    return std::clamp(blocks, 1, kColumns);
}

QRect DumpStrip::CellRect(int block) const {
    const int row = block / Columns(), column = block % Columns();
    return {column * (kCellWidth + kGap), row * (kCellHeight + kGap), kCellWidth, kCellHeight};
}

QSize DumpStrip::sizeHint() const {
    const int blocks = map_ ? static_cast<int>(map_->Blocks()) : 0;
    const int rows = std::max(1, (blocks + Columns() - 1) / Columns());
    return {Columns() * (kCellWidth + kGap) + 1, rows * (kCellHeight + kGap) + 1};
}

void DumpStrip::paintEvent(QPaintEvent*) {
    if (!map_)
        return;
    QPainter painter(this);
    for (std::size_t b = 0; b < map_->Blocks(); ++b) {
        const int block = static_cast<int>(b);
        const QColor colour = BlockColour(map_->kinds[b], map_->DiffOf(b));
        const QRect cell = CellRect(block);
        painter.fillRect(cell, colour);
        // An outline keeps the pale cells apart from the window behind them.
        painter.setPen(colour.darker(140));
        painter.drawRect(cell.adjusted(0, 0, -1, -1));
    }
    if (selected_ >= 0 && selected_ < static_cast<int>(map_->Blocks())) {
        painter.setPen(QPen(Qt::black, 2));
        painter.drawRect(CellRect(selected_).adjusted(1, 1, -1, -1));
    }
}

void DumpStrip::mousePressEvent(QMouseEvent* event) {
    if (!map_ || event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    const int column = at.x() / (kCellWidth + kGap), row = at.y() / (kCellHeight + kGap);
    const int block = row * Columns() + column;
    if (column < Columns() && block < static_cast<int>(map_->Blocks()) && clicked_)
        clicked_(block);
}
