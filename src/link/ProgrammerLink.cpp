#include "link/ProgrammerLink.h"

#include <algorithm>

ProgrammerLink::ProgrammerLink(std::shared_ptr<FtdiApi> api) : api_(std::move(api)) {}

ProgrammerLink::~ProgrammerLink() {
    Close();
}

void ProgrammerLink::Adopt(FT_HANDLE handle) {
    Close();
    std::lock_guard lock(handleMutex_);
    handle_ = handle;
    replyEnd_.reset();
    if (handle_ && cancel_.load())
        handle_->Interrupt();
}

void ProgrammerLink::Close() {
    FT_HANDLE h;
    {
        std::lock_guard lock(handleMutex_);
        h = handle_;
        handle_ = nullptr;
    }
    if (h)
        api_->FT_Close(h);
}

void ProgrammerLink::Cancel() {
    cancel_.store(true);
    std::lock_guard lock(handleMutex_);
    if (handle_)
        handle_->Interrupt();
}

void ProgrammerLink::ResetCancel() {
    cancel_.store(false);
    std::lock_guard lock(handleMutex_);
    if (handle_)
        handle_->ClearInterrupt();
}

bool ProgrammerLink::IsPcb3() const {
    return versionText.find("EPM240") != std::string::npos;
}

std::vector<std::uint8_t>
ProgrammerLink::ModeFrame(char pcb3Prefix, std::initializer_list<std::uint8_t> command) const {
    std::vector<std::uint8_t> frame;
    if (IsPcb3())
        frame.push_back(static_cast<std::uint8_t>(pcb3Prefix));
    frame.insert(frame.end(), command.begin(), command.end());
    return frame;
}

void ProgrammerLink::RepliesEndWith(std::optional<std::uint8_t> last) {
    if (!handle_ || (replyEnd_ && *replyEnd_ == last))
        return;
    // A chip that refuses it only keeps its latency timer, so the outcome changes nothing.
    api_->FT_SetChars(handle_, last.value_or(0), last ? 1 : 0, 0, 0);
    replyEnd_ = last;
}

bool ProgrammerLink::Send(std::span<const std::uint8_t> frame) {
    if (!handle_)
        return false;
    DWORD written = 0;
    FT_STATUS st =
        api_->FT_Write(handle_, frame.data(), static_cast<DWORD>(frame.size()), &written);
    return st == FT_OK && written == frame.size();
}

bool ProgrammerLink::Send(std::initializer_list<std::uint8_t> frame) {
    return Send(std::span<const std::uint8_t>(frame.begin(), frame.size()));
}

WaitOutcome ProgrammerLink::AwaitReceived(std::size_t count, Deadline deadline) {
    if (!handle_)
        return WaitOutcome::DeviceError;
    return handle_->WaitReceived(count, deadline);
}

WaitOutcome ProgrammerLink::AwaitSent(Millis bound) {
    if (!handle_)
        return WaitOutcome::DeviceError;
    return handle_->WaitSent(DeadlineIn(bound));
}

bool ProgrammerLink::Queued(DWORD* count) {
    DWORD txQueue = 0, events = 0;
    return api_->FT_GetStatus(handle_, count, &txQueue, &events) == FT_OK;
}

// Up to `count` bytes into r.bytes, as many as the read gave; false (no bytes, the device lost)
// when the read itself failed.
bool ProgrammerLink::ReadInto(Reply& r, std::size_t count) {
    r.bytes.resize(count);
    DWORD transferred = 0;
    if (count != 0 &&
        api_->FT_Read(handle_, r.bytes.data(), static_cast<DWORD>(count), &transferred) != FT_OK) {
        r.bytes.clear();
        r.outcome = WaitOutcome::DeviceError;
        return false;
    }
    r.bytes.resize(transferred);
    return true;
}

Reply ProgrammerLink::Expect(std::size_t count, Millis bound, std::string step) {
    Reply r;
    r.step = std::move(step);
    if (!handle_) {
        r.outcome = WaitOutcome::DeviceError;
        return r;
    }
    r.outcome = handle_->WaitReceived(count, DeadlineIn(bound));
    if (r.outcome == WaitOutcome::DeviceError)
        return r;
    DWORD rxQueue = 0;
    if (!Queued(&rxQueue)) {
        r.outcome = WaitOutcome::DeviceError;
        return r;
    }
    // On a time-out the bytes that did come are taken too, so the log can show them.
    r.surplus = r.outcome == WaitOutcome::Ready && rxQueue > count;
    // A reply may be longer than kMostQueued; a surplus is taken up to the larger of the two.
    const std::size_t take = std::min<std::size_t>(
        r.surplus ? rxQueue : std::min<std::size_t>(rxQueue, count), std::max(count, kMostQueued));
    if (!ReadInto(r, take))
        return r;
    if (r.outcome == WaitOutcome::Ready && !r.surplus && r.bytes.size() != count)
        r.outcome = WaitOutcome::DeviceError; // the queue said the bytes were there
    return r;
}

Reply ProgrammerLink::ExpectNext(std::size_t count, Millis bound, std::string step) {
    Reply r;
    r.step = std::move(step);
    if (!handle_) {
        r.outcome = WaitOutcome::DeviceError;
        return r;
    }
    r.outcome = handle_->WaitReceived(count, DeadlineIn(bound));
    if (r.outcome != WaitOutcome::Ready)
        return r;
    if (ReadInto(r, count) && r.bytes.size() != count)
        r.outcome = WaitOutcome::DeviceError; // the queue said the bytes were there
    return r;
}

Reply ProgrammerLink::ExpectQueued(std::size_t count, Deadline deadline, std::size_t most,
                                   std::string step) {
    Reply r;
    r.step = std::move(step);
    if (!handle_) {
        r.outcome = WaitOutcome::DeviceError;
        return r;
    }
    r.outcome = handle_->WaitReceived(count, deadline);
    if (r.outcome == WaitOutcome::Cancelled || r.outcome == WaitOutcome::DeviceError)
        return r;
    DWORD rxQueue = 0;
    if (!Queued(&rxQueue)) {
        r.outcome = WaitOutcome::DeviceError;
        return r;
    }
    // Bytes that came just after the time-out are as good as those before it.
    if (rxQueue < count || rxQueue == 0)
        return r;
    r.outcome = WaitOutcome::Ready;
    ReadInto(r, std::min<std::size_t>(rxQueue, most));
    return r;
}

Reply ProgrammerLink::ExpectRead(std::size_t count, int attempts, std::string step) {
    Reply r;
    r.step = std::move(step);
    if (!handle_) {
        r.outcome = WaitOutcome::DeviceError;
        return r;
    }
    r.outcome = WaitOutcome::TimedOut;
    for (int i = 0; i < attempts; ++i) {
        if (cancel_.load()) {
            r.outcome = WaitOutcome::Cancelled;
            return r;
        }
        if (!ReadInto(r, count))
            return r;
        if (!r.bytes.empty()) {
            r.outcome = WaitOutcome::Ready;
            return r;
        }
    }
    return r;
}
