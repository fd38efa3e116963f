#pragma once
// A window's read-only log (its memo).
#include <QPlainTextEdit>

class LogView : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit LogView(QWidget* parent = nullptr);
    void AppendLine(const QString& line);
    QStringList Lines() const;
};
