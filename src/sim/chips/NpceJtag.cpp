#include "sim/chips/NpceJtag.h"

#include "sim/ChipScenario.h"
#include "sim/Scenario.h"

#include "sim/CpldRouting.h"
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
    const nlohmann::json& c = scenario.ModuleSection(Name());
    memory_ = ChipMemory(scenario, c, kFlashSize, DefaultImage);
    const bool wire = scenario.timing == SimTiming::Wire;
    const auto id = static_cast<std::uint32_t>(c.contains("id") && c["id"].is_number_unsigned()
                                                   ? c["id"].get<std::uint64_t>()
                                                   : kDefaultId);
    controller_ = std::make_unique<NpceJtagController>(
        memory_->Data(), id,
        wire ? milliseconds(IntOr(c, "eraseMs", kDefaultEraseMs)) : milliseconds(0));
    controller_->EraseNeverEnds(IntOr(c, "eraseNeverEnds", -1));
    connected_ = BoolOr(c, "connected", true);
    reversed_ = BoolOr(c, "reversed", false);
    silentAtBlock_ = IntOr(c, "silentAtBlock", -1);
    auto commit = c.find("commitStatus");
    if (commit != c.end() && commit->is_object()) {
        commitFaultBlock_ = IntOr(*commit, "block", -1);
        commitFaultStatus_ = static_cast<std::uint8_t>(IntOr(*commit, "status", 0x23));
    }
    auto corrupt = c.find("corruptAfterWrite");
    if (corrupt != c.end() && corrupt->is_object()) {
        const int address = IntOr(*corrupt, "address", -1);
        if (address >= 0 && static_cast<std::size_t>(address) < kFlashSize)
            corruptAddress_ = static_cast<std::size_t>(address);
        corruptXor_ = static_cast<std::uint8_t>(IntOr(*corrupt, "xor", 0x01));
    }
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
    if (!connected_ || spiOn_)
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

void SimNpceJtag::FallSilent(SimContext& ctx) {
    for (;;)
        ctx.Rx();
}

bool SimNpceJtag::Jtag(std::uint8_t sub, SimContext& ctx) {
    switch (sub) {
    case 'S': {
        std::lock_guard lock(mutex_);
        spiOn_ = true;
        controller_->EndSession();
        break;
    }
    case 'X':
        spiOn_ = false;
        break;
    case '1': {
        ctx.Busy(kShortShift, "resetting the TAP");
        std::lock_guard lock(mutex_);
        if (TapReachable(ctx))
            controller_->TestLogicReset();
        break;
    }
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
        return true;
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
        Tx32(ctx, out);
        return true;
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
        ctx.Tx(static_cast<std::uint8_t>(out));
        return true;
    }
    case 'W':
        Batch(ctx);
        return true;
    case 'R':
        BlockRead(ctx);
        return true;
    default:
        return false;
    }
    ctx.Tx(sub);
    return true;
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
            ctx.Busy(kPageProgramTime, "programming a block");
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
