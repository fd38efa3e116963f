#pragma once
// One pin pair's indicator: a rounded rectangle filled with its colour.
#include <QColor>
#include <QWidget>

class IndicatorShape : public QWidget {
    Q_OBJECT
  public:
    IndicatorShape(QWidget* parent, int pairNumber);
    int PairNumber() const { return pairNumber_; }
    QColor Colour() const { return colour_; }
    // Repaints only when the colour differs.
    void SetColour(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int pairNumber_;
    QColor colour_;
};
