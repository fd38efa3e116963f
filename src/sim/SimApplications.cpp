// The JIG's application firmwares: PCB3's one firmware for all modes and PCB2's mode
// firmwares. Both answer the identification and the shared commands, and hand the rest to
// the chip modules their image carries.
#include "sim/SimContext.h"

#include <algorithm>
#include <vector>

namespace {

void AnswerIdentification(SimContext& ctx) {
    ctx.Tx(ctx.Board().versionText + "\r\n");
}

bool OfferToModules(SimContext& ctx, std::uint8_t command,
                    bool (*carries)(SimContext&, SimModule&)) {
    for (const auto& m : ctx.Modules())
        if (carries(ctx, *m) && m->Handle(command, ctx))
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
            } else if (Prefixed(ctx, b)) {
                // a chip module took the command
            } else if (b == 'J') {
                Jtag(ctx);
            } else {
                // Modules with a mode letter only hear what follows it.
                OfferToModules(ctx, b,
                               [](SimContext&, SimModule& m) { return m.Pcb3Prefix() == 0; });
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

    // The JIG's own JTAG and SPI line commands, for when no chip module claims them: they are
    // acknowledged, and shifts return what a TAP without a chip would (all ones).
    static void Jtag(SimContext& ctx) {
        const std::uint8_t sub = ctx.Rx();
        switch (sub) {
        case 'S':
        case 'X':
        case '1':
            ctx.Tx(sub);
            break;
        case 'D':
            for (int i = 0; i < 4; ++i)
                ctx.Rx();
            ctx.Tx(std::vector<std::uint8_t>(4, 0xFF));
            break;
        case 'd':
        case 'i':
            ctx.Rx();
            ctx.Tx(0xFF);
            break;
        default:
            break;
        }
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
