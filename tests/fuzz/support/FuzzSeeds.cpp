#include "support/FuzzSeeds.h"

#include <mutex>

class RecordingDevice : public FtdiDevice {
  public:
    RecordingDevice(RecordingFtdiApi& api, FT_HANDLE inner) : api_(api), inner_(inner) {}
    ~RecordingDevice() override { api_.inner_->FT_Close(inner_); }

    FT_STATUS GetDriverVersion(DWORD* v) override { return inner_->GetDriverVersion(v); }
    FT_STATUS ResetDevice() override { return inner_->ResetDevice(); }
    FT_STATUS SetBaudRate(DWORD baud) override { return inner_->SetBaudRate(baud); }
    FT_STATUS SetDataCharacteristics(UCHAR b, UCHAR s, UCHAR p) override {
        return inner_->SetDataCharacteristics(b, s, p);
    }
    FT_STATUS SetTimeouts(DWORD r, DWORD w) override { return inner_->SetTimeouts(r, w); }
    FT_STATUS SetLatencyTimer(UCHAR ms) override { return inner_->SetLatencyTimer(ms); }
    FT_STATUS SetChars(UCHAR ev, UCHAR evOn, UCHAR er, UCHAR erOn) override {
        return inner_->SetChars(ev, evOn, er, erOn);
    }
    FT_STATUS Purge(DWORD mask) override { return inner_->Purge(mask); }
    FT_STATUS Write(const void* data, DWORD count, DWORD* written) override {
        const FT_STATUS st = inner_->Write(data, count, written);
        std::lock_guard lock(api_.mutex_);
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        api_.exchanges_.push_back({{bytes, bytes + *written}, {}});
        return st;
    }
    FT_STATUS Read(void* data, DWORD count, DWORD* got) override {
        const FT_STATUS st = inner_->Read(data, count, got);
        std::lock_guard lock(api_.mutex_);
        if (!api_.exchanges_.empty()) {
            const auto* bytes = static_cast<const std::uint8_t*>(data);
            auto& read = api_.exchanges_.back().read;
            read.insert(read.end(), bytes, bytes + *got);
        }
        return st;
    }
    FT_STATUS GetStatus(DWORD* rx, DWORD* tx, DWORD* ev) override {
        return inner_->GetStatus(rx, tx, ev);
    }
    WaitOutcome WaitReceived(std::size_t count, Deadline deadline) override {
        return inner_->WaitReceived(count, deadline);
    }
    WaitOutcome WaitSent(Deadline deadline) override { return inner_->WaitSent(deadline); }
    void Interrupt() override { inner_->Interrupt(); }
    void ClearInterrupt() override { inner_->ClearInterrupt(); }

  private:
    RecordingFtdiApi& api_;
    FT_HANDLE inner_;
};

FT_STATUS RecordingFtdiApi::FT_CreateDeviceInfoList(DWORD* numDevs) {
    return inner_->FT_CreateDeviceInfoList(numDevs);
}

FT_STATUS RecordingFtdiApi::FT_Open(int index, FT_HANDLE* handle) {
    FT_HANDLE inner = nullptr;
    const FT_STATUS st = inner_->FT_Open(index, &inner);
    *handle = st == FT_OK ? new RecordingDevice(*this, inner) : nullptr;
    return st;
}

std::vector<RecordingFtdiApi::Exchange> RecordingFtdiApi::Exchanges() const {
    std::lock_guard lock(mutex_);
    return exchanges_;
}

namespace {
// One reply as directives: runs of a byte as fills, the rest as literals, each going on to the
// next and the last one ending the reply.
void EncodeReply(const std::vector<std::uint8_t>& reply, std::vector<std::uint8_t>* out) {
    if (reply.empty()) {
        out->push_back(30);
        return;
    }
    std::size_t i = 0;
    while (i < reply.size()) {
        std::size_t run = 1;
        while (i + run < reply.size() && reply[i + run] == reply[i] && run < 1024)
            ++run;
        if (run >= 8) {
            const std::size_t n = run - 1;
            out->insert(out->end(), {25, static_cast<std::uint8_t>(n & 0xFF),
                                     static_cast<std::uint8_t>(n >> 8), reply[i]});
            i += run;
            continue;
        }
        // A literal up to the next long run.
        std::size_t end = i;
        while (end < reply.size() && end - i < 1023) {
            std::size_t r = 1;
            while (end + r < reply.size() && reply[end + r] == reply[end] && r < 8)
                ++r;
            if (r >= 8)
                break;
            end += r;
        }
        end = std::min(end, i + 1023);
        const std::size_t n = end - i;
        out->insert(out->end(),
                    {29, static_cast<std::uint8_t>(n & 0xFF), static_cast<std::uint8_t>(n >> 8)});
        out->insert(out->end(), reply.begin() + static_cast<long>(i),
                    reply.begin() + static_cast<long>(end));
        i = end;
    }
    out->push_back(30);
}
} // namespace

std::vector<std::uint8_t>
EncodeFuzzReplies(int board, const std::vector<RecordingFtdiApi::Exchange>& exchanges) {
    std::vector<std::uint8_t> out{static_cast<std::uint8_t>(board)};
    bool identified = false;
    for (const auto& e : exchanges) {
        if (!identified && e.written.size() == 1 && e.written[0] == 'B') {
            identified = true; // the board byte answers it
            continue;
        }
        EncodeReply(e.read, &out);
    }
    return out;
}
