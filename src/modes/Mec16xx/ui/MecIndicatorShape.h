#pragma once
// A rounded square filled with the colour of one protection state.
#include <QColor>
#include <QWidget>

class MecIndicatorShape : public QWidget {
    Q_OBJECT
  public:
    explicit MecIndicatorShape(QWidget* parent);
    QColor Colour() const { return colour_; }
    void SetColour(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor colour_{0, 0, 0};
};
