#pragma once
// The link state one window owns: the open device and the version text of the JIG behind it;
// the only way to the device's receive side is through its reply waits. One thread uses it at a
// time (the window's handler, then its worker); Cancel() is the only call another thread may make.
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

class ProgrammerLink {
  public:
    // The most one read takes of what is queued beyond a reply.
    static constexpr std::size_t kMostQueued = 1000;

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

    // The last byte of every reply the current phase waits for, or none where it is not known:
    // the FTDI chip then sends a reply once that byte arrives instead of holding it for its
    // latency timer. Only a change reaches the chip (each one is a USB control transfer); the
    // bytes on the wire stay the same either way.
    void RepliesEndWith(std::optional<std::uint8_t> last);

    // One FT_Write of the whole frame; true when every byte went out.
    bool Send(std::span<const std::uint8_t> frame);
    bool Send(std::initializer_list<std::uint8_t> frame);

    // The one reply wait: within `bound`, `count` bytes for `step`. A reply with more bytes
    // queued than it has is flagged as a surplus; on a time-out what did come is returned.
    Reply Expect(std::size_t count, Millis bound, std::string step = {});
    // A part of a longer answer (progress bytes streaming in): within `bound`, the next `count`
    // bytes for `step`; what follows them stays queued for the next call.
    Reply ExpectNext(std::size_t count, Millis bound, std::string step = {});
    // Once at least `count` bytes are queued by `deadline`, all that is queued, at most `most`
    // (the rest stays queued). Nothing is taken on a time-out: an answer that comes slowly is
    // seen whole by the next call.
    Reply ExpectQueued(std::size_t count, Deadline deadline, std::size_t most = kMostQueued,
                       std::string step = {});
    // The reads of the bootloaders and of the version answer, timed by the device's own read
    // time-out: up to `attempts` reads of at most `count` bytes until one brings something.
    // None once the operation is cancelled.
    Reply ExpectRead(std::size_t count, int attempts, std::string step = {});
    // Waits until `count` bytes are queued and takes none: a call that only asks whether
    // anything answered, leaving the answer to the reads that follow.
    WaitOutcome AwaitReceived(std::size_t count, Deadline deadline);
    // Waits until the transmit queue is empty.
    WaitOutcome AwaitSent(Millis bound);

    // The version text of the JIG behind the link, as the protocol names it.
    std::string versionText;

  private:
    // How many bytes wait in the receive queue; false when the device did not say.
    bool Queued(DWORD* count);
    bool ReadInto(Reply& r, std::size_t count);

    std::shared_ptr<FtdiApi> api_;
    FT_HANDLE handle_ = nullptr;
    // What the open device was last told by RepliesEndWith; unset until it is told.
    std::optional<std::optional<std::uint8_t>> replyEnd_;
    std::atomic<bool> cancel_{false};
    mutable std::mutex handleMutex_; // only between Cancel() and Adopt()/Close()
};
