#pragma once
// The thread of one long operation. Whoever owns it joins it before going away, so leaving a
// window or quitting never leaves a worker running; ask the operation to stop first (its
// link's Cancel()) so the join is short.
#include <functional>
#include <thread>

class Worker {
  public:
    Worker() = default;
    ~Worker() { Join(); }
    Worker(const Worker&) = delete;
    Worker& operator=(const Worker&) = delete;

    void Start(std::function<void()> body) {
        Join();
        thread_ = std::thread(std::move(body));
    }
    void Join() {
        if (thread_.joinable() && thread_.get_id() != std::this_thread::get_id())
            thread_.join();
    }
    bool Joinable() const { return thread_.joinable(); }

  private:
    std::thread thread_;
};
