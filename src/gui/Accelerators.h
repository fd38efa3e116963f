#pragma once
// Keys for a window's buttons. The captions stay as they are; the keys live beside them and
// the tooltip names them.
#include <QAbstractButton>
#include <QKeySequence>

#include <initializer_list>
#include <utility>

// `keys` anywhere in the button's window clicks it while it is enabled.
void AddAccelerator(QAbstractButton* button, const QKeySequence& keys);
void AddAccelerators(std::initializer_list<std::pair<QAbstractButton*, const char*>> buttons);
// The keys given to `button`, empty when none.
QKeySequence AcceleratorOf(const QAbstractButton* button);
