#include "sim/chips/EneKb90xx.h"

#include "sim/ChipSection.h"
#include "sim/Scenario.h"

#include "sim/CpldRouting.h"
#include "sim/SimContext.h"

#include <algorithm>
#include <chrono>

namespace {
using std::chrono::milliseconds;

// The JIG's own time: the EC's debug interface moves a 256-byte block in a few milliseconds,
// programming takes longer, and the erase before a write is one long step.
constexpr milliseconds kReadBlockTime{8};
constexpr milliseconds kProgramBlockTime{12};
constexpr milliseconds kChipEraseTime{200};
constexpr std::uint8_t kReady = 'R';
constexpr std::uint8_t kGood = 'G';
constexpr std::uint8_t kFailed = 'E';

std::uint16_t CrcArc(std::uint16_t crc, std::uint8_t byte) {
    crc ^= byte;
    for (int i = 0; i < 8; ++i)
        crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001)
                        : static_cast<std::uint16_t>(crc >> 1);
    return crc;
}

} // namespace

SimEneKb90xx::SimEneKb90xx(const Scenario& scenario) {
    ChipSection c(scenario, Name());
    constexpr long long kLastAddress = static_cast<long long>(kFlashSize) - 1;
    constexpr long long kMostBlocks = static_cast<long long>(kFlashSize) / 128;
    memory_ = c.Memory(kFlashSize, DefaultImage);
    debugVersion_ = static_cast<std::uint8_t>(c.Whole("debugVersion", debugVersion_, 0, 0xFF));
    connected_ = c.Flag("connected", true);
    silentAtBlock_ = static_cast<int>(c.Whole("silentAtBlock", 0, 0, kMostBlocks));
    failBlock_ = static_cast<int>(c.Whole("failBlock", 0, 0, kMostBlocks));
    checksumNoise_ = static_cast<int>(c.Whole("checksumNoise", 0, 0, 1 << 20));
    if (std::optional<ChipSection> corrupt = c.Part("corruptAfterWrite")) {
        corruptAddress_ = static_cast<std::size_t>(corrupt->Whole("address", 0, 0, kLastAddress));
        corruptXor_ = static_cast<std::uint8_t>(corrupt->Whole("xor", 0x01, 0, 0xFF));
        corrupt->Finish();
    }
    if (const long long swap = c.Whole("swapAfterWrite", -1, 0, kLastAddress - 1); swap >= 0)
        swapAddress_ = static_cast<std::size_t>(swap);
    if (const std::vector<long long> answer = c.Wholes("checksumAnswer", 4, 0, 0xFF);
        !answer.empty()) {
        std::array<std::uint8_t, 4> bytes{};
        for (std::size_t i = 0; i < 4; ++i)
            bytes[i] = static_cast<std::uint8_t>(answer[i]);
        checksumAnswer_ = bytes;
    }
    const std::string wiring = c.Text("wiring").value_or("soldered");
    if (wiring != "soldered" && wiring != "ffc")
        c.Mistake("wiring", "is \"soldered\" or \"ffc\", not \"" + wiring + "\"");
    const int n = static_cast<int>(c.Whole("cable", 30, 1, 64));
    const bool mirrored = c.Flag("mirrored", false);
    std::optional<ChipSection> pins = c.Part("connector");
    bool misfit = false;
    auto contact = [&](const char* key) {
        const int pin = pins ? static_cast<int>(pins->Whole(key, 0, 0, 64)) : 0;
        const int at = mirrored ? n - pin + 1 : pin;
        misfit = misfit || pin < 1 || pin > n || at < 1 || at > 32;
        return at;
    };
    const Lines lines{contact("KSO3"), contact("KSI4"), contact("KSI7"), contact("KSI6"),
                      contact("KSI5")};
    if (wiring == "ffc") {
        ffc_ = lines;
        ffcMisfit_ = misfit;
    }
    if (pins)
        pins->Finish();
    c.Finish();
}

SimEneKb90xx::~SimEneKb90xx() = default;

std::vector<std::uint8_t> SimEneKb90xx::DefaultImage() {
    return PseudoRandomImage(kFlashSize, 0x4B393031);
}

std::vector<std::uint8_t> SimEneKb90xx::Flash() const {
    std::lock_guard lock(mutex_);
    return memory_->Data();
}

int SimEneKb90xx::Erases() const {
    std::lock_guard lock(mutex_);
    return erases_;
}

// On PCB3 the EC's lines reach the JIG only through the CPLD: its power-up routing serves the
// soldered wires, a flexible cable needs every line on the contact the cable brings it to and
// nothing else driven.
bool SimEneKb90xx::EcReachable(SimContext& ctx) const {
    if (!connected_)
        return false;
    if (!ctx.Pcb3())
        return true;
    const SimBoardState& b = ctx.Board();
    if (!ffc_)
        return b.cpldResetSeen && RoutesNothing(b.cpld);
    if (ffcMisfit_)
        return false;
    CpldWiring wiring;
    wiring.driven[ffc_->zero] = {true, true};
    wiring.driven[ffc_->cs] = {true, false};
    wiring.driven[ffc_->dataTo] = {false, true};
    wiring.driven[ffc_->clk] = {false, false};
    wiring.readBack = ffc_->dataFrom;
    return wiring.driven.size() == 4 && RoutesExactly(b.cpld, wiring);
}

bool SimEneKb90xx::Handle(std::uint8_t command, SimContext& ctx) {
    switch (command) {
    case 'V':
        ctx.Tx(EcReachable(ctx) ? debugVersion_ : std::uint8_t{0xFF});
        return true;
    case 'R':
        Read(ctx);
        return true;
    case 'W':
        Write(ctx);
        return true;
    case 'S':
        if (ctx.Pcb3())
            return false; // PCB3 verifies by reading back; its 'S' is the CPLD's
        Checksum(ctx);
        return true;
    default:
        return false;
    }
}

void SimEneKb90xx::FallSilent(SimContext& ctx) {
    for (;;)
        ctx.Rx();
}

// After each block a PCB3 read takes '?' (the block's status) before 'N', or 'R' straight
// away when it is the read-back of a verification; PCB2 knows neither '?' nor a lone 'R'.
// Only 'X' ends the transfer, and after the last block nothing else is taken.
void SimEneKb90xx::Read(SimContext& ctx) {
    const bool reachable = EcReachable(ctx);
    const bool pcb3 = ctx.Pcb3();
    std::vector<std::uint8_t> block(kBlockSize, 0xFF);
    for (int index = 0; index < kBlocks; ++index) {
        if (silentAtBlock_ == index + 1)
            FallSilent(ctx);
        ctx.Busy(kReadBlockTime, "reading a block from the EC");
        if (reachable) {
            std::lock_guard lock(mutex_);
            const auto from =
                memory_->Data().begin() + static_cast<std::ptrdiff_t>(index * kBlockSize);
            std::copy(from, from + kBlockSize, block.begin());
        }
        ctx.Tx(block);
        const bool last = index + 1 == kBlocks;
        const std::string step = "KB90xx read, after block " + std::to_string(index + 1);
        std::uint8_t next = ctx.Expect(step, pcb3 ? (last ? "?X" : "?RX") : (last ? "X" : "NX"));
        if (next == '?') {
            ctx.Tx(reachable && failBlock_ != index + 1 ? kGood : kFailed);
            next = ctx.Expect(step + " and its status", last ? "X" : "NX");
        }
        if (next == 'X')
            return;
    }
}

void SimEneKb90xx::Write(SimContext& ctx) {
    const bool reachable = EcReachable(ctx);
    ctx.ChipBusy(kChipEraseTime, "erasing the EC's flash");
    {
        std::lock_guard lock(mutex_);
        if (reachable)
            std::fill(memory_->Data().begin(), memory_->Data().end(), 0xFF);
        ++erases_;
    }
    std::vector<std::uint8_t> data(kBlockSize);
    for (int index = 0; index < kBlocks; ++index) {
        ctx.Tx(kReady);
        for (std::uint8_t& b : data)
            b = ctx.Rx();
        if (silentAtBlock_ == index + 1)
            FallSilent(ctx);
        ctx.ChipBusy(kProgramBlockTime, "programming a block");
        const bool good = reachable && failBlock_ != index + 1;
        if (good) {
            std::lock_guard lock(mutex_);
            auto at = memory_->Data().begin() + static_cast<std::ptrdiff_t>(index * kBlockSize);
            for (std::uint8_t b : data)
                *at++ &= b; // programming only clears bits
        }
        ctx.Tx(good ? kGood : kFailed);
        const bool last = index + 1 == kBlocks;
        if (ctx.Expect("KB90xx write, after block " + std::to_string(index + 1),
                       last ? "X" : "NX") == 'X')
            break;
    }
    std::lock_guard lock(mutex_);
    if (corruptAddress_)
        memory_->Data()[*corruptAddress_] ^= corruptXor_;
    if (swapAddress_)
        std::swap(memory_->Data()[*swapAddress_], memory_->Data()[*swapAddress_ + 1]);
    memory_->Save();
}

void SimEneKb90xx::Checksum(SimContext& ctx) {
    const bool reachable = EcReachable(ctx);
    std::uint16_t sum = 0;
    std::uint16_t crc = 0;
    for (int index = 0; index < kBlocks; ++index) {
        ctx.Busy(kReadBlockTime, "summing the EC's flash");
        {
            std::lock_guard lock(mutex_);
            for (std::size_t i = 0; i < kBlockSize; ++i) {
                const std::uint8_t b = reachable ? memory_->Data()[index * kBlockSize + i] : 0xFF;
                sum = static_cast<std::uint16_t>(sum + b);
                crc = CrcArc(crc, b);
            }
        }
        ctx.Tx(std::uint8_t{'-'});
        // Noise spread over the pass, before the last '-': the answer follows that at once.
        if (index + 1 < kBlocks) {
            const int noise = (index < checksumNoise_ ? 1 : 0) +
                              (index == 0 ? std::max(0, checksumNoise_ - (kBlocks - 1)) : 0);
            if (noise > 0)
                ctx.Tx(std::vector<std::uint8_t>(static_cast<std::size_t>(noise), '.'));
        }
    }
    std::array<std::uint8_t, 4> answer = {
        static_cast<std::uint8_t>(sum), static_cast<std::uint8_t>(sum >> 8),
        static_cast<std::uint8_t>(crc), static_cast<std::uint8_t>(crc >> 8)};
    ctx.Tx(checksumAnswer_.value_or(answer));
}
