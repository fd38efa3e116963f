#include "gui/Gauge.h"

#include <QPainter>

Gauge::Gauge(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(20);
}

void Gauge::SetMaximum(int maximum) {
    maximum_ = maximum > 0 ? maximum : 1;
    update();
}

void Gauge::SetPosition(int position) {
    position_ = std::clamp(position, 0, maximum_);
    update(); // repaints coalesce to what the screen shows
}

void Gauge::SetColour(const QColor& colour) {
    colour_ = colour;
    update();
}

void Gauge::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.fillRect(r, Qt::white);
    const int filled = static_cast<int>(static_cast<long long>(r.width()) * position_ / maximum_);
    p.fillRect(QRect(r.left(), r.top(), filled, r.height()), colour_);
    p.setPen(Qt::black);
    p.drawRect(r);
    const int percent = static_cast<int>(100LL * position_ / maximum_);
    p.drawText(r, Qt::AlignCenter, QString::number(percent) + "%");
}
