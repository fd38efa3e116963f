#pragma once
// A progress gauge in a chosen colour, with the percentage in its middle.
#include <QColor>
#include <QWidget>

class Gauge : public QWidget {
    Q_OBJECT
  public:
    explicit Gauge(QWidget* parent = nullptr);
    void SetMaximum(int maximum);
    void SetPosition(int position);
    void SetColour(const QColor& colour);
    int Maximum() const { return maximum_; }
    int Position() const { return position_; }
    QColor Colour() const { return colour_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int maximum_ = 100;
    int position_ = 0;
    QColor colour_{0, 255, 0};
};
