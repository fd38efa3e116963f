// The JIG's application firmwares: PCB3's one firmware for all modes and PCB2's mode
// firmwares. Both answer the identification and the shared commands, and hand the rest to
// the chip modules their image carries.
#include "sim/SimContext.h"

#include "sim/JtagLines.h"
#include "sim/Scenario.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kApplicationBaud = 921600;
constexpr std::uint32_t kBootloaderBaud = 115200; // the M88 bootloader's

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

std::string Printable(std::uint8_t b) {
    return b >= 0x20 && b < 0x7F ? std::string("'") + static_cast<char>(b) + "'" : "a byte";
}

class Pcb3Application : public SimProgram {
  public:
    void Run(SimContext& ctx) override {
        ctx.SetUartBaud(kApplicationBaud);
        for (;;) {
            const std::uint8_t b = ctx.Rx();
            if (b == 'B') {
                AnswerIdentification(ctx);
            } else if (b == 'S') {
                Cpld(ctx);
            } else if (b == 'I' || b == 'O') {
                ctx.Tx(b); // PCB3 acknowledges its buzzer signals
            } else if (b == '+') {
                // The update calls the M328 bootloader with '+' until the technician has
                // pressed the reset button; the application lets the calls pass.
            } else if (Prefixed(ctx, b)) {
                // a chip module took the command, or it was a surprise after its mode letter
            } else if (b == 'J') {
                Jtag(ctx);
            } else if (!OfferToModules(
                           ctx, b, [](SimContext&, SimModule& m) { return m.Pcb3Prefix() == 0; })) {
                ctx.Surprise("PCB3 application, waiting for a command", {b});
            }
        }
    }

  private:
    // Modules with a mode letter only hear what follows it.
    static bool Prefixed(SimContext& ctx, std::uint8_t letter) {
        bool known = false;
        for (const auto& m : ctx.Modules())
            known = known || static_cast<std::uint8_t>(m->Pcb3Prefix()) == letter;
        if (!known || letter == 0)
            return false;
        const std::uint8_t command = ctx.Rx();
        for (const auto& m : ctx.Modules())
            if (static_cast<std::uint8_t>(m->Pcb3Prefix()) == letter && m->Handle(command, ctx))
                return true;
        ctx.Surprise("PCB3 application, a command after the mode letter " + Printable(letter),
                     {letter, command});
        return true;
    }

    // The JIG's own JTAG and SPI line commands, for when no chip module claims them: shifts
    // return what a TAP without a chip would (all ones).
    static void Jtag(SimContext& ctx) {
        const std::uint8_t sub = ctx.Rx();
        switch (sub) {
        case 'S':
        case 'X':
        case '1':
            TakeJtagLineCommand(ctx, sub);
            break;
        case 'D':
            if (!JtagLinesReady(ctx, true, "PCB3 application, a 32-bit shift", {'J', sub}))
                break;
            for (int i = 0; i < 4; ++i)
                ctx.Rx();
            ctx.Tx(std::vector<std::uint8_t>(4, 0xFF));
            break;
        case 'd':
        case 'i':
            if (!JtagLinesReady(ctx, true, "PCB3 application, an 8-bit shift", {'J', sub}))
                break;
            ctx.Rx();
            ctx.Tx(0xFF);
            break;
        default:
            ctx.Surprise("PCB3 application, a JTAG line command after 'J'", {'J', sub});
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
        } else {
            ctx.Surprise("PCB3 application, a CPLD command after 'S'", {'S', sub});
        }
    }
};

class Pcb2Application : public SimProgram {
  public:
    void Run(SimContext& ctx) override {
        ctx.SetUartBaud(kApplicationBaud);
        for (;;) {
            const std::uint8_t b = ctx.Rx();
            if (b == 'B') {
                AnswerIdentification(ctx);
            } else if (b == '?') {
                EnterBootloader(ctx);
            } else if (b == 'I' || b == 'O') {
                // Only the NPCE firmware acknowledges its buzzer signals on a PCB2.
                if (ctx.Board().firmwareTag == "NPCE")
                    ctx.Tx(b);
            } else if (ctx.LastRxGarbled()) {
                // The switch calls the M88 bootloader at its 115200 baud until the technician
                // has pressed the reset button; at 921600 the calls are noise it drops.
            } else if (!OfferToModules(ctx, b, [](SimContext& c, SimModule& m) {
                           const auto tags = m.Pcb2Firmwares();
                           return std::find(tags.begin(), tags.end(), c.Board().firmwareTag) !=
                                  tags.end();
                       })) {
                ctx.Surprise(
                    "PCB2 " + ctx.Board().firmwareTag + " application, waiting for a command", {b});
            }
        }
    }

  private:
    static void EnterBootloader(SimContext& ctx) {
        std::shared_ptr<SimProgram> boot;
        if (!ctx.ScenarioData().bootloader.refuseEntry)
            boot = MakeBootloader(ctx.Board());
        if (!boot) {
            ctx.Tx('?');
            return;
        }
        ctx.Announce(*boot);
        const std::uint8_t bang = '!';
        ctx.TxThenBaud({&bang, 1}, kBootloaderBaud);
        ctx.SwitchTo(std::move(boot));
    }
};

// A crashed or erased application: bytes go in, nothing comes out, until the reset button.
// It has no command set to break, so nothing it gets is a surprise.
class HungApplication : public SimProgram {
  public:
    void Run(SimContext& ctx) override {
        for (;;)
            ctx.Rx();
    }
};

} // namespace

std::unique_ptr<SimProgram> MakeApplication(const SimBoardState& board) {
    if (board.applicationHung)
        return std::make_unique<HungApplication>();
    if (board.pcb3)
        return std::make_unique<Pcb3Application>();
    return std::make_unique<Pcb2Application>();
}
