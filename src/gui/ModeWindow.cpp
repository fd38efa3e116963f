#include "gui/ModeWindow.h"

#include <QCloseEvent>

void MakeFixedToolWindow(QWidget* window) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinimizeButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

ModeWindow::ModeWindow(std::shared_ptr<FtdiApi> api, QWidget* mainWindow, const QString& caption)
    : QWidget(nullptr), api_(std::move(api)), mainWindow_(mainWindow) {
    MakeFixedToolWindow(this);
    setWindowTitle(caption);
}

void ModeWindow::BackToMain() {
    if (mainWindow_)
        mainWindow_->show();
    hide();
}

void ModeWindow::closeEvent(QCloseEvent* event) {
    // The title bar offers no close button; a window manager's close acts like EXIT.
    event->ignore();
    if (CanLeave())
        BackToMain();
}
