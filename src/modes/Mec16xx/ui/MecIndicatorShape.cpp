#include "modes/Mec16xx/ui/MecIndicatorShape.h"

#include <QPainter>

MecIndicatorShape::MecIndicatorShape(QWidget* parent) : QWidget(parent) {
    setFixedSize(28, 28);
}

void MecIndicatorShape::SetColour(const QColor& colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    update();
}

void MecIndicatorShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(colour_);
    p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}
