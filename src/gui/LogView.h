#pragma once
// A window's read-only log (its memo): long lines wrap, so nothing hides beyond the right edge,
// and the view follows new lines unless the technician scrolled up to read.
#include <QPlainTextEdit>

class LogView : public QPlainTextEdit {
    Q_OBJECT
  public:
    explicit LogView(QWidget* parent = nullptr);
    void AppendLine(const QString& line);
    QStringList Lines() const;
    // Whether the last line is in view.
    bool AtBottom() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void ToBottom();
    bool follow_ = true;
};
