#include "modes/Keyboard/ui/IndicatorShape.h"

#include <QPainter>

IndicatorShape::IndicatorShape(QWidget* parent, int pairNumber)
    : QWidget(parent), pairNumber_(pairNumber), colour_(0, 255, 255) {
    setObjectName(QString("Shape%1").arg(pairNumber));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void IndicatorShape::SetColour(const QColor& colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void IndicatorShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(colour_);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
}
