#pragma once
// What every mode window shares: a fixed caption, only the minimise button, the link backend,
// and the way back to the main window.
#include "link/FtdiApi.h"

#include <QWidget>

#include <memory>

class ModeWindow : public QWidget {
    Q_OBJECT
  public:
    ModeWindow(std::shared_ptr<FtdiApi> api, QWidget* mainWindow, const QString& caption);

    // Shows the main window and hides this one.
    void BackToMain();
    // Whether EXIT may leave now (no operation running); windows with workers override it.
    virtual bool CanLeave() const { return true; }

  protected:
    void closeEvent(QCloseEvent* event) override;

    std::shared_ptr<FtdiApi> api_;
    QWidget* mainWindow_;
};

// Fixed size, single border, minimise button only.
void MakeFixedToolWindow(QWidget* window);
