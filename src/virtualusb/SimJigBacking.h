#pragma once
// The simulated JIG of this process behind a virtual chip. Its host side already models the
// UART's speed and when the chip's latency timer lets bytes go; the chip only packs them.
#include "sim/SimJig.h"
#include "virtualusb/ChipBacking.h"

#include <memory>

class SimJigBacking : public ChipBacking {
  public:
    explicit SimJigBacking(std::unique_ptr<SimJig> jig) : jig_(std::move(jig)) {}

    void Send(const std::uint8_t* data, std::size_t count) override {
        jig_->HostWrite(data, count);
    }
    std::size_t Take(std::uint8_t* out, std::size_t count) override {
        return jig_->HostRead(out, count);
    }
    std::size_t Holding() override { return jig_->HostQueued(); }
    void Await(Deadline until) override { jig_->HostWaitReceived(1, until, nullptr); }
    void Purge(bool fromJig, bool toJig) override { jig_->HostPurge(fromJig, toJig); }
    void SetBaud(std::uint32_t baud) override { jig_->SetHostBaud(baud); }
    void SetLatency(int ms) override { jig_->SetHostLatency(ms); }
    void SetEventChar(std::optional<std::uint8_t> b) override { jig_->SetHostEventChar(b); }
    std::size_t Sending() override { return jig_->HostTxPending(); }
    bool Gone() override { return jig_->Vanished(); }
    bool Stats(SimStats* stats) override {
        *stats = jig_->Stats();
        return true;
    }
    void Unplug() override { jig_->Vanish(); }

  private:
    std::unique_ptr<SimJig> jig_;
};
