#pragma once
// The label above the grid: its text is the row of column numbers, and each number is drawn
// centred over the column of that pin, whatever the font's widths.
#include <QLabel>

class ColumnNumbersLabel : public QLabel {
    Q_OBJECT
  public:
    ColumnNumbersLabel(const QString& text, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;
};
