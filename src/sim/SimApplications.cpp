// The JIG's application firmwares: PCB3's one firmware for all modes and PCB2's mode
// firmwares. Both answer the identification and the shared commands, and hand the rest to
// the chip modules their image carries.
#include "sim/SimContext.h"

#include <algorithm>

namespace {

void AnswerIdentification(SimContext& ctx) {
    ctx.Tx(ctx.Board().versionText + "\r\n");
}

bool OfferToModules(SimContext& ctx, std::uint8_t command,
                    bool (*carries)(SimContext&, SimModule&)) {
    for (const auto& m : ctx.Modules())
        if (carries(ctx, *m) && m->Pcb3Prefix() == 0 && m->Handle(command, ctx))
            return true;
    return false;
}

class Pcb3Application : public SimProgram {
  public:
    void Run(SimContext& ctx) override {
        for (;;) {
            const std::uint8_t b = ctx.Rx();
            if (b == 'B') {
                AnswerIdentification(ctx);
            } else if (b == 'S') {
                Cpld(ctx);
            } else if (b == 'I' || b == 'O') {
                ctx.Tx(b); // PCB3 acknowledges its buzzer signals
            } else if (!Prefixed(ctx, b)) {
                OfferToModules(ctx, b, [](SimContext&, SimModule&) { return true; });
            }
        }
    }

  private:
    static bool Prefixed(SimContext& ctx, std::uint8_t letter) {
        for (const auto& m : ctx.Modules())
            if (m->Pcb3Prefix() != 0 && static_cast<std::uint8_t>(m->Pcb3Prefix()) == letter) {
                m->Handle(ctx.Rx(), ctx);
                return true;
            }
        return false;
    }

    static void Cpld(SimContext& ctx) {
        const std::uint8_t sub = ctx.Rx();
        if (sub == 'R') {
            ctx.UpdateBoard([](SimBoardState& b) {
                b.cpld.fill(0);
                b.cpldResetSeen = true;
            });
            ctx.Tx('R');
        } else if (sub == 'W') {
            const std::uint8_t reg = ctx.Rx();
            const std::uint8_t value = ctx.Rx();
            ctx.UpdateBoard([&](SimBoardState& b) { b.cpld[reg] = value; });
            ctx.Tx('W');
        }
    }
};

class Pcb2Application : public SimProgram {
  public:
    void Run(SimContext& ctx) override {
        for (;;) {
            const std::uint8_t b = ctx.Rx();
            if (b == 'B') {
                AnswerIdentification(ctx);
            } else if (b == '?') {
                ctx.Tx('!');
                if (auto boot = MakeBootloader(ctx.Board()))
                    ctx.SwitchTo(std::move(boot));
            } else if (b == 'I' || b == 'O') {
                // PCB2 signals without an acknowledgement
            } else {
                OfferToModules(ctx, b, [](SimContext& c, SimModule& m) {
                    const auto tags = m.Pcb2Firmwares();
                    return std::find(tags.begin(), tags.end(), c.Board().firmwareTag) != tags.end();
                });
            }
        }
    }
};

} // namespace

std::unique_ptr<SimProgram> MakeApplication(const SimBoardState& board) {
    if (board.pcb3)
        return std::make_unique<Pcb3Application>();
    return std::make_unique<Pcb2Application>();
}
