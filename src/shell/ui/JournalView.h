#pragma once
// "Journal": the latest operations of every window and command as a table (time, mode,
// operation, file, result), the newest first; one that did not end well in red.
#include <QDialog>
#include <QPushButton>
#include <QTableWidget>

class JournalView : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kRows = 200;

    explicit JournalView(QWidget* parent);
    // Reads the journal again.
    void Reload();

    QTableWidget* Table;
    QPushButton* Close;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void Retranslate();
};

// Whether a journal result reads as a failure: anything but done or cancelled.
bool JournalResultFailed(const std::string& result);
