#pragma once
// Worker-to-window delivery: functions run on the thread of `context`, in the order posted,
// and are dropped when `context` is gone.
#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <functional>
#include <utility>

inline void PostToUi(QObject* context, std::function<void()> fn) {
    QMetaObject::invokeMethod(context, std::move(fn), Qt::QueuedConnection);
}

// Runs `fn` on the context's thread and returns its result; direct when already there.
// Only handlers (never a worker that the window joins) may ask questions this way.
template <class R> R RunOnUi(QObject* context, std::function<R()> fn) {
    if (QThread::currentThread() == context->thread())
        return fn();
    R result{};
    QMetaObject::invokeMethod(
        context, [&] { result = fn(); }, Qt::BlockingQueuedConnection);
    return result;
}
