#pragma once
// Worker-to-window delivery: functions run on the thread of `context`, in the order posted,
// and are dropped when `context` is gone.
#include <QMetaObject>
#include <QObject>
#include <QThread>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <utility>

#if defined(__SANITIZE_THREAD__)
#include <sanitizer/tsan_interface.h>
#endif

// A posted function. Qt's event queue orders the worker's writes before the window's thread
// runs the function, but Qt is not built with ThreadSanitizer, so TSan cannot see that; the
// release once the call is stored in Qt's slot object and the acquire before it runs tell it.
class PostedCall {
  public:
    explicit PostedCall(std::function<void()> fn) : fn_(std::move(fn)) { Published(); }
    PostedCall(const PostedCall& other) : fn_(other.fn_) { Published(); }
    PostedCall(PostedCall&& other) noexcept : fn_(std::move(other.fn_)) { Published(); }
    PostedCall& operator=(const PostedCall&) = delete;
    PostedCall& operator=(PostedCall&&) = delete;

    // The worker may drop the last reference to Qt's slot object, and so destroy the call,
    // after the window's thread ran it: the release after the run and the acquire before the
    // destruction order the two for TSan.
    ~PostedCall() {
#if defined(__SANITIZE_THREAD__)
        __tsan_acquire(this);
#endif
    }

    void operator()() {
#if defined(__SANITIZE_THREAD__)
        __tsan_acquire(this);
#endif
        fn_();
        Published();
    }

  private:
    void Published() {
#if defined(__SANITIZE_THREAD__)
        __tsan_release(this);
#endif
    }
    std::function<void()> fn_;
};

inline void PostToUi(QObject* context, std::function<void()> fn) {
    QMetaObject::invokeMethod(context, PostedCall(std::move(fn)), Qt::QueuedConnection);
}

// Runs `fn` on the context's thread and returns its result; direct when already there. A worker
// that asks waits for the answer, so its window must answer before it joins the worker (a modal
// question keeps the window from closing meanwhile). The worker waits on a condition variable of
// its own rather than in Qt's blocking call, whose arguments on the worker's stack Qt still reads
// after the call, where TSan cannot see them ordered.
template <class R> R RunOnUi(QObject* context, std::function<R()> fn) {
    if (QThread::currentThread() == context->thread())
        return fn();
    struct Answer {
        std::mutex mutex;
        std::condition_variable given;
        bool done = false;
        R result{};
        void Give(const R* value) {
            std::lock_guard lock(mutex);
            if (value)
                result = *value;
            done = true;
            given.notify_all();
        }
    };
    // Ends the wait however the call ends: run, or dropped with its window (the default answer).
    struct Guard {
        explicit Guard(std::shared_ptr<Answer> a) : answer(std::move(a)) {}
        ~Guard() { answer->Give(nullptr); }
        Guard(const Guard&) = delete;
        Guard& operator=(const Guard&) = delete;
        std::shared_ptr<Answer> answer;
    };
    auto answer = std::make_shared<Answer>();
    auto guard = std::make_shared<Guard>(answer);
    PostToUi(context, [fn = std::move(fn), guard] {
        const R value = fn();
        guard->answer->Give(&value);
    });
    guard.reset();
    std::unique_lock lock(answer->mutex);
    answer->given.wait(lock, [&] { return answer->done; });
    return answer->result;
}
