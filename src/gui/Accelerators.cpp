#include "gui/Accelerators.h"

#include <QShortcut>

void AddAccelerator(QAbstractButton* button, const QKeySequence& keys) {
    // A shortcut of its own: a caption's '&' would change its text, and setText() drops a
    // button's own shortcut (the keyboard tester's START SCAN / STOP).
    auto* shortcut = new QShortcut(keys, button);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isEnabled() && button->isVisible())
            button->click();
    });
    const QString name = keys.toString(QKeySequence::NativeText);
    button->setToolTip(button->toolTip().isEmpty() ? name : button->toolTip() + " (" + name + ")");
}

void AddAccelerators(std::initializer_list<std::pair<QAbstractButton*, const char*>> buttons) {
    for (const auto& [button, keys] : buttons)
        AddAccelerator(button, QKeySequence(QString::fromLatin1(keys)));
}

QKeySequence AcceleratorOf(const QAbstractButton* button) {
    const auto* shortcut = button->findChild<QShortcut*>(QString(), Qt::FindDirectChildrenOnly);
    return shortcut ? shortcut->key() : QKeySequence();
}
