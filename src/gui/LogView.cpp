#include "gui/LogView.h"

#include <QScrollBar>

LogView::LogView(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setMaximumBlockCount(20000); // a day of operations, not unbounded memory
    QFont mono("DejaVu Sans Mono");
    mono.setStyleHint(QFont::Monospace);
    mono.setPointSize(9);
    setFont(mono);
}

void LogView::AppendLine(const QString& line) {
    appendPlainText(line);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

QStringList LogView::Lines() const {
    QString text = toPlainText();
    return text.isEmpty() && blockCount() <= 1 ? QStringList{} : text.split('\n');
}
