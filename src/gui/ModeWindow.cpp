#include "gui/ModeWindow.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QScreen>

#include <algorithm>

void MakeResizableToolWindow(QWidget* window) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint);
}

void MakeFixedToolWindow(QWidget* window) {
    window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowMinimizeButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

void CentreOver(QWidget* window, const QWidget* over) {
    QRect frame = window->frameGeometry();
    frame.moveCenter(over->frameGeometry().center());
    if (const QScreen* screen = over->screen()) {
        const QRect room = screen->availableGeometry();
        frame.moveLeft(std::max(room.left(), std::min(frame.left(), room.right() - frame.width())));
        frame.moveTop(std::max(room.top(), std::min(frame.top(), room.bottom() - frame.height())));
    }
    window->move(frame.topLeft());
}

ModeWindow::ModeWindow(std::shared_ptr<FtdiApi> api, QWidget* mainWindow)
    : QWidget(nullptr), api_(std::move(api)), mainWindow_(mainWindow) {
    MakeResizableToolWindow(this);
}

void ModeWindow::ShowJig(const QString& serial) {
    serial_ = serial;
    setWindowTitle(serial.isEmpty() ? caption_ : caption_ + " — JIG " + serial);
}

void ModeWindow::SetCaption(const QString& caption) {
    caption_ = caption;
    ShowJig(serial_);
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

void ModeWindow::showEvent(QShowEvent* event) {
    if (!event->spontaneous() && mainWindow_ && mainWindow_->isVisible() && !isMaximized())
        CentreOver(this, mainWindow_);
    QWidget::showEvent(event);
}

void ModeWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (CanLeave())
        close(); // each window's close is its EXIT
}

void ModeWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        Retranslate();
    QWidget::changeEvent(event);
}
