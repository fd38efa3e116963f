#include "sim/chips/EneKb90xx.h"

#include "sim/ChipScenario.h"
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
    const nlohmann::json& c = scenario.ModuleSection(Name());
    memory_ = ChipMemory(scenario, c, kFlashSize, DefaultImage);
    debugVersion_ = static_cast<std::uint8_t>(IntOr(c, "debugVersion", debugVersion_));
    connected_ = BoolOr(c, "connected", true);
    silentAtBlock_ = IntOr(c, "silentAtBlock", 0);
    failBlock_ = IntOr(c, "failBlock", 0);
    checksumNoise_ = std::clamp(IntOr(c, "checksumNoise", 0), 0, 1 << 20);
    auto corrupt = c.find("corruptAfterWrite");
    if (corrupt != c.end() && corrupt->is_object()) {
        const int address = IntOr(*corrupt, "address", -1);
        if (address >= 0 && static_cast<std::size_t>(address) < kFlashSize)
            corruptAddress_ = static_cast<std::size_t>(address);
        corruptXor_ = static_cast<std::uint8_t>(IntOr(*corrupt, "xor", 0x01));
    }
    const int swap = IntOr(c, "swapAfterWrite", -1);
    if (swap >= 0 && static_cast<std::size_t>(swap) + 1 < kFlashSize)
        swapAddress_ = static_cast<std::size_t>(swap);
    auto answer = c.find("checksumAnswer");
    if (answer != c.end() && answer->is_array() && answer->size() == 4) {
        std::array<std::uint8_t, 4> bytes{};
        for (std::size_t i = 0; i < 4; ++i)
            bytes[i] = static_cast<std::uint8_t>(
                (*answer)[i].is_number_integer() ? (*answer)[i].get<int>() : 0);
        checksumAnswer_ = bytes;
    }
    auto wiring = c.find("wiring");
    if (wiring != c.end() && wiring->is_string() && wiring->get<std::string>() == "ffc") {
        static const nlohmann::json none = nlohmann::json::object();
        auto conn = c.find("connector");
        const nlohmann::json& pins = conn != c.end() && conn->is_object() ? *conn : none;
        const int n = IntOr(c, "cable", 30);
        const bool mirrored = BoolOr(c, "mirrored", false);
        auto contact = [&](const char* key) {
            const int pin = IntOr(pins, key, 0);
            const int at = mirrored ? n - pin + 1 : pin;
            if (pin < 1 || pin > n || at < 1 || at > 32)
                ffcMisfit_ = true;
            return at;
        };
        ffc_ = Lines{contact("KSO3"), contact("KSI4"), contact("KSI7"), contact("KSI6"),
                     contact("KSI5")};
    }
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
    ctx.Busy(kChipEraseTime, "erasing the EC's flash");
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
        ctx.Busy(kProgramBlockTime, "programming a block");
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
