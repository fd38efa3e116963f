#pragma once
// The cells of a dump's map, one a block, coloured by what the block holds; a click names the
// block.
#include "safety/DumpMap.h"

#include <QColor>
#include <QWidget>

#include <functional>

// Erased grey, 00h dark, data blue; a block that differs red, one not compared pale yellow.
QColor BlockColour(BlockKind kind, BlockDiff diff);

class DumpStrip : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kColumns = 64;
    explicit DumpStrip(QWidget* parent = nullptr);

    void SetMap(const DumpMap* map);
    void SetSelected(int block);
    void OnClick(std::function<void(int block)> clicked) { clicked_ = std::move(clicked); }
    QRect CellRect(int block) const;
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    int Columns() const;
    const DumpMap* map_ = nullptr;
    int selected_ = -1;
    std::function<void(int)> clicked_;
};
