#pragma once
// The link state one window owns: the open device, its I/O buffer and counters, and the
// version text of the JIG behind it. One thread uses it at a time (the window's handler, then
// its worker); Cancel() is the only call another thread may make.
#include "link/FtdiApi.h"
#include "link/Reply.h"
#include "link/WaitTypes.h"

#include <atomic>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct ReplyResult {
    WaitOutcome outcome = WaitOutcome::TimedOut;
    DWORD count = 0;
    bool Ok() const { return outcome == WaitOutcome::Ready && count > 0; }
};

class ProgrammerLink {
  public:
    static constexpr std::size_t kBufferSize = 1000;

    explicit ProgrammerLink(std::shared_ptr<FtdiApi> api);
    ~ProgrammerLink();
    ProgrammerLink(const ProgrammerLink&) = delete;
    ProgrammerLink& operator=(const ProgrammerLink&) = delete;

    FtdiApi& Api() { return *api_; }
    const std::shared_ptr<FtdiApi>& SharedApi() const { return api_; }

    bool IsOpen() const { return handle_ != nullptr; }
    FT_HANDLE Handle() const { return handle_; }
    void Adopt(FT_HANDLE handle); // takes ownership of an opened device
    void Close();

    // Wakes every wait of the current operation; they return Cancelled until ResetCancel().
    void Cancel();
    void ResetCancel();
    bool CancelRequested() const { return cancel_.load(); }

    // PCB3 (M328 + EPM240 CPLD) is told by its version text.
    bool IsPcb3() const;
    // Prepends the PCB3 mode letter when the JIG is a PCB3.
    std::vector<std::uint8_t> ModeFrame(char pcb3Prefix,
                                        std::initializer_list<std::uint8_t> command) const;

    // One FT_Write of the whole frame; true when every byte went out.
    bool Send(std::span<const std::uint8_t> frame);
    bool Send(std::initializer_list<std::uint8_t> frame);

    // The one reply wait: within `bound`, `count` bytes for `step`. A reply with more bytes
    // queued than it has is flagged as a surplus; on a time-out what did come is returned.
    Reply Expect(std::size_t count, Millis bound, std::string step = {});
    // A part of a longer answer (progress bytes streaming in): within `bound`, the next `count`
    // bytes for `step`; what follows them stays queued for the next call.
    Reply ExpectNext(std::size_t count, Millis bound, std::string step = {});
    // Repeats FT_Read of `count` bytes into the buffer until something arrives.
    ReplyResult AwaitReply(std::size_t count, Millis bound);
    // Waits until `count` bytes are queued, then reads all queued bytes (or exactly `count`).
    ReplyResult AwaitQueued(std::size_t count, Millis bound, bool readExactly = false);
    // Waits until the transmit queue is empty.
    WaitOutcome AwaitSent(Millis bound);
    // Up to `attempts` reads of one byte, each bounded by the read time-out.
    std::optional<std::uint8_t> CountedRead(int attempts);

    std::uint8_t* Buffer() { return buffer_.data(); }
    const std::uint8_t* Buffer() const { return buffer_.data(); }

    // Public link state, named as the protocol describes it.
    DWORD deviceCount = 0;
    DWORD transferred = 0;
    DWORD rxQueue = 0;
    DWORD txQueue = 0;
    DWORD eventWord = 0;
    DWORD driverVersion = 0;
    std::string versionText;

  private:
    std::shared_ptr<FtdiApi> api_;
    FT_HANDLE handle_ = nullptr;
    std::vector<std::uint8_t> buffer_ = std::vector<std::uint8_t>(kBufferSize);
    std::atomic<bool> cancel_{false};
    mutable std::mutex handleMutex_; // only between Cancel() and Adopt()/Close()
};
