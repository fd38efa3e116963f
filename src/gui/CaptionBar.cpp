#include "gui/CaptionBar.h"

#include <QMouseEvent>
#include <QPalette>

CaptionBar::CaptionBar(const QString& caption, QWidget* window) : QLabel(caption, window) {
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::WindowText, p.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(p);
    QFont f = font();
    f.setBold(true);
    setFont(f);
    setContentsMargins(6, 4, 6, 4);
}

void CaptionBar::mousePressEvent(QMouseEvent* event) {
    grab_ = event->globalPosition().toPoint() - window()->frameGeometry().topLeft();
}

void CaptionBar::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton)
        window()->move(event->globalPosition().toPoint() - grab_);
}
