#include "sim/chips/NpceJtag.h"

#include "sim/ChipSection.h"
#include "sim/Scenario.h"

#include "sim/CpldRouting.h"
#include "sim/JtagLines.h"
#include "sim/SimContext.h"

#include <chrono>

namespace {
using std::chrono::microseconds;
using std::chrono::milliseconds;

// The JIG's own time: it bit-bangs TCK at about 1 MHz; the helper reads a block from the
// serial flash and shifts it out, or programs a page, in a millisecond or two.
constexpr microseconds kShortShift{20};
constexpr microseconds kLongShift{45};
constexpr microseconds kPairTime{60};
constexpr microseconds kBlockReadTime{2500};
constexpr microseconds kPageProgramTime{1500};
constexpr int kDefaultEraseMs = 60;
constexpr std::size_t kBlockSize = 256;
constexpr std::size_t kMaxBatch = 512; // the JIG's batch buffer
constexpr int kCableContacts = 30;

// Where the keyboard connector of the board carries the NPCE's JTAG lines.
constexpr int kZeroPin = 7, kTckPin = 19, kTdoPin = 10, kTdiPin = 21, kTmsPin = 20;

void Tx32(SimContext& ctx, std::uint32_t v) {
    const std::uint8_t bytes[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                                   static_cast<std::uint8_t>(v >> 16),
                                   static_cast<std::uint8_t>(v >> 24)};
    ctx.Tx(bytes);
}

std::uint32_t Rx32(SimContext& ctx) {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i)
        v |= static_cast<std::uint32_t>(ctx.Rx()) << (8 * i);
    return v;
}
} // namespace

SimNpceJtag::SimNpceJtag(const Scenario& scenario) {
    ChipSection c(scenario, Name());
    constexpr long long kLastBlock = kFlashSize / kBlockSize - 1;
    memory_ = c.Memory(kFlashSize, DefaultImage);
    const bool wire = scenario.timing == SimTiming::Wire;
    const auto id = static_cast<std::uint32_t>(c.Whole("id", kDefaultId, 0, 0xFFFFFFFF));
    const milliseconds erase(c.Whole("eraseMs", kDefaultEraseMs, 0, 600000));
    controller_ =
        std::make_unique<NpceJtagController>(memory_->Data(), id, wire ? erase : milliseconds(0));
    controller_->EraseNeverEnds(static_cast<int>(c.Whole("eraseNeverEnds", -1, -1, 31)));
    connected_ = c.Flag("connected", true);
    reversed_ = c.Flag("reversed", false);
    silentAtBlock_ = static_cast<int>(c.Whole("silentAtBlock", -1, -1, kLastBlock));
    if (std::optional<ChipSection> commit = c.Part("commitStatus")) {
        commitFaultBlock_ = static_cast<int>(commit->Whole("block", -1, -1, kLastBlock));
        commitFaultStatus_ = static_cast<std::uint8_t>(commit->Whole("status", 0x23, 0, 0xFF));
        commit->Finish();
    }
    if (std::optional<ChipSection> corrupt = c.Part("corruptAfterWrite")) {
        corruptAddress_ = static_cast<std::size_t>(
            corrupt->Whole("address", 0, 0, static_cast<long long>(kFlashSize) - 1));
        corruptXor_ = static_cast<std::uint8_t>(corrupt->Whole("xor", 0x01, 0, 0xFF));
        corrupt->Finish();
    }
    c.Finish();
}

SimNpceJtag::~SimNpceJtag() = default;

std::vector<std::uint8_t> SimNpceJtag::DefaultImage() {
    return PseudoRandomImage(kFlashSize, 0x4E504345);
}

std::vector<std::uint8_t> SimNpceJtag::Flash() const {
    std::lock_guard lock(mutex_);
    return memory_->Data();
}

bool SimNpceJtag::Prepared() const {
    std::lock_guard lock(mutex_);
    return controller_->Prepared();
}

bool SimNpceJtag::TapReachable(SimContext& ctx) const {
    if (!connected_ || ctx.Board().spiLinesOn)
        return false;
    if (!ctx.Pcb3())
        return true; // PCB2: lines A to E wired by hand
    auto at = [&](int pin) { return reversed_ ? kCableContacts + 1 - pin : pin; };
    CpldWiring wiring;
    wiring.driven[at(kZeroPin)] = {true, true};
    wiring.driven[at(kTdiPin)] = {true, false};
    wiring.driven[at(kTckPin)] = {false, true};
    wiring.driven[at(kTmsPin)] = {false, false};
    wiring.readBack = at(kTdoPin);
    return RoutesExactly(ctx.Board().cpld, wiring);
}

bool SimNpceJtag::Handle(std::uint8_t command, SimContext& ctx) {
    if (ctx.Pcb3())
        return Jtag(command, ctx);
    if (command == 'J') {
        const std::uint8_t sub = ctx.Rx();
        if (!Jtag(sub, ctx))
            ctx.Surprise("PCB2 NPCE application, a JTAG command after 'J'", {'J', sub});
        return true;
    }
    if (command == 'S') {
        const std::uint8_t sub = ctx.Rx();
        if (sub == 'R')
            ctx.Tx(sub); // nothing to reset on an M88 JIG, but the command is answered
        else
            ctx.Surprise("PCB2 NPCE application, a CPLD command on a JIG without one", {'S', sub});
        return true;
    }
    return false;
}

// Every erase and every committed block reaches the chip's file as it happens: a test that
// reads the file sees what the chip holds, whatever came after.
void SimNpceJtag::Persist() {
    const auto [first, end] = controller_->TakeChanged();
    memory_->SaveRange(first, end);
}

void SimNpceJtag::ReportChipWork(SimContext& ctx) {
    std::chrono::nanoseconds work;
    {
        std::lock_guard lock(mutex_);
        work = controller_->TakeStartedWork();
    }
    if (work.count() > 0)
        ctx.ChipWorks(work);
}

void SimNpceJtag::FallSilent(SimContext& ctx) {
    for (;;)
        ctx.Rx();
}

bool SimNpceJtag::Jtag(std::uint8_t sub, SimContext& ctx) {
    switch (sub) {
    case 'S': {
        std::lock_guard lock(mutex_);
        controller_->EndSession();
        break;
    }
    case 'X':
        break;
    case '1':
        ctx.Busy(kShortShift, "resetting the TAP");
        break;
    case 'i':
    case 'd':
    case 'D':
    case 'T':
    case 'W':
    case 'R':
        if (!JtagLinesReady(ctx, true, "NPCE JTAG command", {'J', sub}))
            return true;
        Shift(sub, ctx);
        return true;
    default:
        return false;
    }
    TakeJtagLineCommand(ctx, sub);
    if (sub == '1' && ctx.Board().tapReset && TapReachable(ctx)) {
        std::lock_guard lock(mutex_);
        controller_->TestLogicReset();
    }
    return true;
}

void SimNpceJtag::Shift(std::uint8_t sub, SimContext& ctx) {
    switch (sub) {
    case 'i':
    case 'd': {
        const std::uint8_t v = ctx.Rx();
        ctx.Busy(kShortShift, "shifting 8 bits");
        std::uint8_t out = 0xFF;
        if (TapReachable(ctx)) {
            std::lock_guard lock(mutex_);
            out = sub == 'i' ? controller_->ShiftIr(v) : controller_->ShiftDr8(v);
        }
        ctx.Tx(out);
        return;
    }
    case 'D': {
        const std::uint32_t v = Rx32(ctx);
        ctx.Busy(kLongShift, "shifting 32 bits");
        std::uint32_t out = 0xFFFFFFFF;
        if (TapReachable(ctx)) {
            std::lock_guard lock(mutex_);
            out = controller_->ShiftDr32(v);
            Persist();
        }
        ReportChipWork(ctx);
        Tx32(ctx, out);
        return;
    }
    case 'T': {
        const std::uint8_t idle = ctx.Rx();
        const std::uint8_t code = ctx.Rx();
        const std::uint32_t v = Rx32(ctx);
        ctx.Busy(kPairTime + microseconds(idle), "shifting a pair");
        std::uint32_t out = 0xFFFFFFFF;
        if (TapReachable(ctx)) {
            std::lock_guard lock(mutex_);
            controller_->ShiftDr8(code);
            out = controller_->ShiftDr32(v);
            Persist();
        }
        ReportChipWork(ctx);
        ctx.Tx(static_cast<std::uint8_t>(out));
        return;
    }
    case 'W':
        Batch(ctx);
        return;
    default:
        BlockRead(ctx);
        return;
    }
}

// "J" "W", length (low first), mode, entries of code + value. A length that is no whole number
// of entries, or more than the JIG's buffer, or an unknown mode, is refused at once.
void SimNpceJtag::Batch(SimContext& ctx) {
    const std::uint8_t lo = ctx.Rx();
    const std::uint8_t hi = ctx.Rx();
    const std::size_t length = lo | static_cast<std::size_t>(hi) << 8;
    if (length < 10 || length > kMaxBatch || (length - 5) % 5 != 0) {
        ctx.Surprise("NPCE JTAG batch, its length", {'J', 'W', lo, hi});
        return;
    }
    const std::uint8_t mode = ctx.Rx();
    if (mode != 0xFE && mode != 0xFF && mode != 0x22) {
        ctx.Surprise("NPCE JTAG batch, its mode byte", {'J', 'W', lo, hi, mode});
        return;
    }
    const std::size_t count = (length - 5) / 5;
    std::vector<std::pair<std::uint8_t, std::uint32_t>> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint8_t code = ctx.Rx();
        entries.emplace_back(code, Rx32(ctx));
    }
    ctx.Busy(kPairTime * static_cast<int>(count), "shifting a batch of pairs");
    if (!TapReachable(ctx)) {
        ctx.Tx(std::uint8_t{0xFF});
        return;
    }
    std::uint8_t status = NpceJtagController::kGood;
    {
        std::unique_lock lock(mutex_);
        for (const auto& [code, value] : entries) {
            controller_->ShiftDr8(code);
            controller_->ShiftDr32(value);
        }
        if (mode == 0xFF) {
            status = controller_->CheckedStatus();
        } else if (mode == 0x22) {
            const std::optional<int> block = controller_->CommitBlock();
            if (block && *block == silentAtBlock_) {
                lock.unlock();
                FallSilent(ctx);
            }
            lock.unlock();
            ctx.ChipBusy(kPageProgramTime, "programming a block");
            lock.lock();
            status =
                block && *block == commitFaultBlock_ ? commitFaultStatus_ : controller_->Commit();
            if (block && *block + 1 == static_cast<int>(kFlashSize / kBlockSize) &&
                corruptAddress_) {
                memory_->Data()[*corruptAddress_] ^= corruptXor_;
                memory_->SaveRange(*corruptAddress_, *corruptAddress_ + 1);
            }
        }
        Persist();
    }
    ReportChipWork(ctx);
    ctx.Tx(status);
}

void SimNpceJtag::BlockRead(SimContext& ctx) {
    std::vector<std::uint8_t> block(kBlockSize, 0xFF);
    const bool reachable = TapReachable(ctx);
    NpceJtagController::ReadTurn turn;
    {
        std::lock_guard lock(mutex_);
        if (reachable)
            turn = controller_->NextReadBlock();
    }
    if (turn.refused) {
        ctx.Surprise("NPCE JTAG block read, its helper's pass is over: the script runs it again",
                     {'J', 'R'});
        return;
    }
    const std::optional<int> number = turn.block;
    if (number && *number == silentAtBlock_)
        FallSilent(ctx);
    ctx.Busy(kBlockReadTime, "reading a block through the helper");
    if (number) {
        std::lock_guard lock(mutex_);
        const auto from =
            memory_->Data().begin() + static_cast<std::ptrdiff_t>(*number * kBlockSize);
        std::copy(from, from + kBlockSize, block.begin());
    }
    ctx.Tx(block);
}
