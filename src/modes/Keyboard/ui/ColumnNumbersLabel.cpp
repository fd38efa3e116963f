#include "modes/Keyboard/ui/ColumnNumbersLabel.h"

#include "modes/Keyboard/KeyboardPairs.h"

#include <QPainter>

ColumnNumbersLabel::ColumnNumbersLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent) {}

void ColumnNumbersLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    for (const QString& number : text().split(' ', Qt::SkipEmptyParts)) {
        bool ok = false;
        const int pin = number.toInt(&ok);
        if (!ok)
            continue;
        // The label's own x is subtracted: it sits in the window, the columns too.
        const int centre = Keyboard::IndicatorLeft(pin) + Keyboard::kIndicatorWidth / 2 - x();
        const int width = metrics.horizontalAdvance(number);
        p.drawText(QRect(centre - width / 2, 0, width, height()), Qt::AlignCenter, number);
    }
}
