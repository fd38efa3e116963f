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

bool ProgrammerLink::Send(std::span<const std::uint8_t> frame) {
    if (!handle_)
        return false;
    transferred = 0;
    FT_STATUS st =
        api_->FT_Write(handle_, frame.data(), static_cast<DWORD>(frame.size()), &transferred);
    return st == FT_OK && transferred == frame.size();
}

bool ProgrammerLink::Send(std::initializer_list<std::uint8_t> frame) {
    return Send(std::span<const std::uint8_t>(frame.begin(), frame.size()));
}

ReplyResult ProgrammerLink::AwaitReply(std::size_t count, Millis bound) {
    if (!handle_)
        return {WaitOutcome::DeviceError, 0};
    count = std::min(count, kBufferSize);
    const Deadline deadline = DeadlineIn(bound);
    for (;;) {
        WaitOutcome w = handle_->WaitReceived(1, deadline);
        if (w != WaitOutcome::Ready)
            return {w, 0};
        transferred = 0;
        if (api_->FT_Read(handle_, buffer_.data(), static_cast<DWORD>(count), &transferred) !=
            FT_OK)
            return {WaitOutcome::DeviceError, 0};
        if (transferred != 0)
            return {WaitOutcome::Ready, transferred};
    }
}

ReplyResult ProgrammerLink::AwaitQueued(std::size_t count, Millis bound, bool readExactly) {
    if (!handle_)
        return {WaitOutcome::DeviceError, 0};
    WaitOutcome w = handle_->WaitReceived(count, DeadlineIn(bound));
    if (w != WaitOutcome::Ready)
        return {w, 0};
    if (api_->FT_GetStatus(handle_, &rxQueue, &txQueue, &eventWord) != FT_OK)
        return {WaitOutcome::DeviceError, 0};
    std::size_t take = readExactly ? count : rxQueue;
    take = std::min(take, kBufferSize);
    transferred = 0;
    if (api_->FT_Read(handle_, buffer_.data(), static_cast<DWORD>(take), &transferred) != FT_OK)
        return {WaitOutcome::DeviceError, 0};
    return {WaitOutcome::Ready, transferred};
}

WaitOutcome ProgrammerLink::AwaitSent(Millis bound) {
    if (!handle_)
        return WaitOutcome::DeviceError;
    return handle_->WaitSent(DeadlineIn(bound));
}

std::optional<std::uint8_t> ProgrammerLink::CountedRead(int attempts) {
    if (!handle_)
        return std::nullopt;
    for (int i = 0; i < attempts && !cancel_.load(); ++i) {
        transferred = 0;
        if (api_->FT_Read(handle_, buffer_.data(), 1, &transferred) != FT_OK)
            return std::nullopt;
        if (transferred == 1)
            return buffer_[0];
    }
    return std::nullopt;
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
    if (api_->FT_GetStatus(handle_, &rxQueue, &txQueue, &eventWord) != FT_OK) {
        r.outcome = WaitOutcome::DeviceError;
        return r;
    }
    // On a time-out the bytes that did come are taken too, so the log can show them.
    r.surplus = r.outcome == WaitOutcome::Ready && rxQueue > count;
    // The reply lands in its own bytes, so a reply may be larger than the link's buffer.
    const std::size_t take = std::min<std::size_t>(
        r.surplus ? rxQueue : std::min<std::size_t>(rxQueue, count), std::max(count, kBufferSize));
    r.bytes.resize(take);
    transferred = 0;
    if (take != 0 &&
        api_->FT_Read(handle_, r.bytes.data(), static_cast<DWORD>(take), &transferred) != FT_OK) {
        r.bytes.clear();
        r.outcome = WaitOutcome::DeviceError;
        return r;
    }
    r.bytes.resize(transferred);
    if (r.outcome == WaitOutcome::Ready && !r.surplus && transferred != count)
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
    r.bytes.resize(count);
    transferred = 0;
    if (api_->FT_Read(handle_, r.bytes.data(), static_cast<DWORD>(count), &transferred) != FT_OK ||
        transferred != count)
        r.outcome = WaitOutcome::DeviceError; // the queue said the bytes were there
    r.bytes.resize(transferred);
    return r;
}
