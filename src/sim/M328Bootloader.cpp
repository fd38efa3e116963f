// The PCB3 M328 bootloader, reached by the reset button: answers '+' with its signature,
// takes 128-byte blocks after 'W' / 'G', and starts the received firmware on 'X'.
#include "sim/SimBootloaders.h"
#include "sim/SimContext.h"

namespace {
using namespace std::chrono_literals;

constexpr std::uint32_t kBaud = 921600;
constexpr std::size_t kBlock = 128;

class M328Bootloader : public SimProgram {
  public:
    bool IsBootloader() const override { return true; }

    void Run(SimContext& ctx) override {
        ctx.SetUartBaud(kBaud);
        for (;;) {
            // A session opens with '+'; blocks and the start follow it.
            const std::uint8_t b =
                ctx.Expect("M328 bootloader, waiting for a command", greeted_ ? "+WX" : "+");
            if (b == '+') {
                greeted_ = true;
                ctx.Tx("V3SM328\r\n");
            } else if (b == 'W') {
                ctx.Tx('G');
                for (std::size_t i = 0; i < kBlock; ++i)
                    written_.push_back(ctx.Rx());
                ctx.ChipBusy(4500us, "programming a flash page"); // one flash page
                ctx.Tx('+');
            } else {
                ctx.UpdateBoard([&](SimBoardState& s) { s.m328Image = written_; });
                StartWrittenImage(ctx, written_);
            }
        }
    }

  private:
    std::vector<std::uint8_t> written_;
    bool greeted_ = false;
};
} // namespace

std::unique_ptr<SimProgram> MakeM328Bootloader() {
    return std::make_unique<M328Bootloader>();
}
