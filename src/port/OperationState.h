#pragma once
// A window's operation state ("NONE" when idle), shared by its handlers and its worker.
#include <mutex>
#include <string>

class OperationState {
  public:
    std::string Get() const {
        std::lock_guard lock(mutex_);
        return value_;
    }
    void Set(std::string value) {
        std::lock_guard lock(mutex_);
        value_ = std::move(value);
    }
    bool IsNone() const { return Get() == "NONE"; }
    // Sets `to` only when idle; false when another operation runs.
    bool TryBegin(const std::string& to) {
        std::lock_guard lock(mutex_);
        if (value_ != "NONE")
            return false;
        value_ = to;
        return true;
    }

  private:
    mutable std::mutex mutex_;
    std::string value_ = "NONE";
};
