#pragma once
// A JIG served by tolvane-jig-sim on a pseudo-terminal, behind a virtual chip. The chip's baud
// rate reaches the simulator through the terminal's settings; the simulator process keeps its
// own latency model, so replies may wait for it as well.
#include "virtualusb/ChipBacking.h"

#include <atomic>
#include <memory>
#include <string>

class PtyBacking : public ChipBacking {
  public:
    // nullptr and a reason when the terminal cannot be opened.
    static std::unique_ptr<PtyBacking> Open(const std::string& path, std::string* error);
    ~PtyBacking() override;

    void Send(const std::uint8_t* data, std::size_t count) override;
    std::size_t Take(std::uint8_t* out, std::size_t count) override;
    std::size_t Holding() override { return 0; } // the simulator holds them back itself
    void Await(Deadline until) override;
    void Purge(bool fromJig, bool toJig) override;
    void SetBaud(std::uint32_t baud) override;
    void SetLatency(int /*ms*/) override {}
    void SetEventChar(std::optional<std::uint8_t> /*b*/) override {}
    std::size_t Sending() override;
    bool Gone() override { return gone_.load(); }
    void Unplug() override { gone_.store(true); }

  private:
    explicit PtyBacking(int fd) : fd_(fd) {}
    const int fd_;
    std::atomic<bool> gone_{false};
};
