#include "gui/LogView.h"

#include <QFontDatabase>
#include <QScrollBar>

LogView::LogView(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    // Paths and hashes have no blanks: they break anywhere rather than run off the edge.
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setMaximumBlockCount(20000); // a day of operations, not unbounded memory
    QFont mono("DejaVu Sans Mono");
    mono.setStyleHint(QFont::Monospace);
    if (!QFontInfo(mono).fixedPitch())
        mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    mono.setPointSize(9);
    setFont(mono);
    // Scrolling up to read stops the view following; scrolling back down resumes it.
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { follow_ = AtBottom(); });
}

bool LogView::AtBottom() const {
    return verticalScrollBar()->value() >= verticalScrollBar()->maximum();
}

void LogView::ToBottom() {
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    horizontalScrollBar()->setValue(0);
    follow_ = true;
}

void LogView::AppendLine(const QString& line) {
    const bool follow = follow_ || document()->isEmpty();
    appendPlainText(line);
    if (follow)
        ToBottom();
}

// A log filled while hidden or narrower learns its height only now.
void LogView::resizeEvent(QResizeEvent* event) {
    const bool follow = follow_;
    QPlainTextEdit::resizeEvent(event);
    if (follow)
        ToBottom();
}

void LogView::showEvent(QShowEvent* event) {
    QPlainTextEdit::showEvent(event);
    if (follow_)
        ToBottom();
}

QStringList LogView::Lines() const {
    QString text = toPlainText();
    return text.isEmpty() && blockCount() <= 1 ? QStringList{} : text.split('\n');
}
