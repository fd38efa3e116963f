#include "support/FuzzJig.h"

#include "sim/Scenario.h"

#include <algorithm>
#include <atomic>

FuzzJig::FuzzJig(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {
    board_ = Next();
}

int FuzzJig::Next() {
    return at_ < size_ ? data_[at_++] : -1;
}

int FuzzJig::Next16() {
    const int lo = Next();
    const int hi = Next();
    return (lo < 0 ? 0 : lo) | (hi < 0 ? 0 : hi) << 8;
}

void FuzzJig::Count() {
    if (++calls_ > kCallLimit)
        vanished_ = true;
}

void FuzzJig::Content(std::vector<std::uint8_t>& reply) {
    auto literal = [&](int n) {
        for (int i = 0; i < n; ++i) {
            const int b = Next();
            if (b < 0)
                return;
            reply.push_back(static_cast<std::uint8_t>(b));
        }
    };
    for (bool more = true; more && reply.size() < kReplyLimit;) {
        const int h = Next();
        if (h < 0)
            return;
        const int kind = h & 31;
        more = kind == 25 || kind == 28 || kind == 29;
        if (kind < 24) {
            literal(kind);
        } else if (kind == 24) {
            literal(std::max(Next(), 0) + 24);
        } else if (kind == 25 || kind == 26) {
            const int n = Next16() % 1024 + 1;
            const int b = Next();
            reply.insert(reply.end(), static_cast<std::size_t>(n), static_cast<std::uint8_t>(b));
        } else if (kind == 27 || kind == 28) {
            // Copied first: `previous_` may be what grows.
            const std::vector<std::uint8_t> again = previous_;
            reply.insert(reply.end(), again.begin(), again.end());
        } else if (kind == 29) {
            literal(Next16() % 1024);
        }
    }
    if (reply.size() > kReplyLimit)
        reply.resize(kReplyLimit);
}

void FuzzJig::HostWrite(const std::uint8_t* data, std::size_t count) {
    Count();
    host_.insert(host_.end(), data, data + count);
    std::vector<std::uint8_t> reply;
    const auto& boards = BoardPresets();
    const std::size_t choices = boards.size() + 1;
    if (!identified_ && count == 1 && data[0] == 'B' &&
        static_cast<std::size_t>(std::max(board_, 0)) % choices < boards.size()) {
        identified_ = true;
        const std::string text =
            boards[static_cast<std::size_t>(std::max(board_, 0)) % choices].versionText;
        reply.assign(text.begin(), text.end());
        reply.push_back('\r');
        reply.push_back('\n');
        visible_.insert(visible_.end(), reply.begin(), reply.end());
        return;
    }
    identified_ = identified_ || (count == 1 && data[0] == 'B');
    const int h = at_ < size_ ? data_[at_] : -1;
    if (h < 0)
        return; // silent from here on
    const int timing = h >> 5;
    Content(reply);
    previous_ = reply;
    switch (timing) {
    case 4: {
        const std::size_t piece = static_cast<std::size_t>(std::max(Next(), 0) % 8 + 1);
        for (std::size_t i = 0; i < reply.size(); i += piece)
            pending_.push_back(
                {{reply.begin() + static_cast<long>(i),
                  reply.begin() + static_cast<long>(std::min(reply.size(), i + piece))},
                 false});
        break;
    }
    case 5:
        if (!reply.empty())
            pending_.push_back({{reply.front()}, false});
        break;
    case 6:
        vanished_ = true;
        break;
    case 7:
        pending_.push_back({reply, true});
        break;
    default:
        pending_.push_back({reply, false});
        break;
    }
}

bool FuzzJig::Arrive() {
    if (pending_.empty() || pending_.front().late)
        return false;
    visible_.insert(visible_.end(), pending_.front().bytes.begin(), pending_.front().bytes.end());
    pending_.pop_front();
    return true;
}

WaitOutcome FuzzJig::WaitReceived(std::size_t count) {
    Count();
    for (;;) {
        if (vanished_)
            return WaitOutcome::DeviceError;
        if (visible_.size() >= count)
            return WaitOutcome::Ready;
        if (Arrive())
            continue;
        // The wait times out; a late piece shows right after.
        if (!pending_.empty()) {
            pending_.front().late = false;
            Arrive();
        }
        return WaitOutcome::TimedOut;
    }
}

std::size_t FuzzJig::HostRead(std::uint8_t* out, std::size_t count) {
    Count();
    while (visible_.size() < count && Arrive()) {
    }
    const std::size_t n = std::min(count, visible_.size());
    std::copy_n(visible_.begin(), n, out);
    visible_.erase(visible_.begin(), visible_.begin() + static_cast<long>(n));
    if (n < count && !pending_.empty()) {
        // The read's own time-out passed; what was late arrives now.
        pending_.front().late = false;
    }
    return n;
}

void FuzzJig::Purge(bool rx) {
    if (rx)
        visible_.clear();
}

namespace {
class FuzzDevice : public FtdiDevice {
  public:
    explicit FuzzDevice(FuzzJig& jig) : jig_(jig) {}

    FT_STATUS Status() const { return jig_.Vanished() ? FT_IO_ERROR : FT_OK; }
    FT_STATUS GetDriverVersion(DWORD* version) override {
        *version = 0x00030216;
        return Status();
    }
    FT_STATUS ResetDevice() override {
        jig_.Purge(true);
        return Status();
    }
    FT_STATUS SetBaudRate(DWORD) override { return Status(); }
    FT_STATUS SetDataCharacteristics(UCHAR, UCHAR, UCHAR) override { return Status(); }
    FT_STATUS SetTimeouts(DWORD, DWORD) override { return Status(); }
    FT_STATUS SetLatencyTimer(UCHAR) override { return Status(); }
    FT_STATUS Purge(DWORD mask) override {
        jig_.Purge(mask & FT_PURGE_RX);
        return Status();
    }
    FT_STATUS Write(const void* data, DWORD count, DWORD* written) override {
        *written = 0;
        if (jig_.Vanished())
            return FT_IO_ERROR;
        jig_.HostWrite(static_cast<const std::uint8_t*>(data), count);
        *written = count;
        return FT_OK;
    }
    FT_STATUS Read(void* data, DWORD count, DWORD* got) override {
        *got = 0;
        if (jig_.Vanished())
            return FT_IO_ERROR;
        if (interrupt_.load())
            return FT_OK;
        *got = static_cast<DWORD>(jig_.HostRead(static_cast<std::uint8_t*>(data), count));
        return FT_OK;
    }
    FT_STATUS GetStatus(DWORD* rx, DWORD* tx, DWORD* events) override {
        *rx = static_cast<DWORD>(jig_.Visible());
        *tx = *events = 0;
        return Status();
    }
    WaitOutcome WaitReceived(std::size_t count, Deadline) override {
        if (interrupt_.load())
            return WaitOutcome::Cancelled;
        return jig_.WaitReceived(count);
    }
    WaitOutcome WaitSent(Deadline) override {
        if (interrupt_.load())
            return WaitOutcome::Cancelled;
        return jig_.Vanished() ? WaitOutcome::DeviceError : WaitOutcome::Ready;
    }
    void Interrupt() override { interrupt_.store(true); }
    void ClearInterrupt() override { interrupt_.store(false); }

  private:
    FuzzJig& jig_;
    std::atomic<bool> interrupt_{false};
};
} // namespace

FT_STATUS FuzzFtdiApi::FT_CreateDeviceInfoList(DWORD* numDevs) {
    *numDevs = jig_.Vanished() ? 0 : 1;
    return FT_OK;
}

FT_STATUS FuzzFtdiApi::FT_Open(int index, FT_HANDLE* handle) {
    *handle = nullptr;
    if (index != 0 || jig_.Vanished())
        return FT_DEVICE_NOT_FOUND;
    *handle = new FuzzDevice(jig_);
    return FT_OK;
}
