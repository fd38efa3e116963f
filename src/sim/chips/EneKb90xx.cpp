#include "sim/chips/EneKb90xx.h"

#include "sim/SimContext.h"

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

int IntOr(const nlohmann::json& j, const char* key, int fallback) {
    auto it = j.find(key);
    return it != j.end() && it->is_number_integer() ? it->get<int>() : fallback;
}

bool BoolOr(const nlohmann::json& j, const char* key, bool fallback) {
    auto it = j.find(key);
    return it != j.end() && it->is_boolean() ? it->get<bool>() : fallback;
}

std::uint16_t CrcArc(std::uint16_t crc, std::uint8_t byte) {
    crc ^= byte;
    for (int i = 0; i < 8; ++i)
        crc = (crc & 1) ? static_cast<std::uint16_t>((crc >> 1) ^ 0xA001)
                        : static_cast<std::uint16_t>(crc >> 1);
    return crc;
}

bool CpldBit(const std::array<std::uint8_t, 256>& cpld, int base, int pin) {
    return (cpld[static_cast<std::size_t>(base + (pin - 1) / 8)] >> ((pin - 1) % 8)) & 1;
}
} // namespace

SimEneKb90xx::SimEneKb90xx(const Scenario& scenario) {
    const nlohmann::json& c = scenario.Chip("ene");
    auto file = c.find("file");
    if (file != c.end() && file->is_string()) {
        memory_ = std::make_unique<SimMemory>(scenario.Resolve(file->get<std::string>()),
                                              kFlashSize, 0xFF);
    } else {
        memory_ = std::make_unique<SimMemory>(std::filesystem::path(), kFlashSize, 0xFF);
        memory_->Data() = DefaultImage();
    }
    debugVersion_ = static_cast<std::uint8_t>(IntOr(c, "debugVersion", debugVersion_));
    connected_ = BoolOr(c, "connected", true);
    silentAtBlock_ = IntOr(c, "silentAtBlock", 0);
    failBlock_ = IntOr(c, "failBlock", 0);
    checksumNoise_ = IntOr(c, "checksumNoise", 0);
    auto corrupt = c.find("corruptAfterWrite");
    if (corrupt != c.end() && corrupt->is_object()) {
        const int address = IntOr(*corrupt, "address", -1);
        if (address >= 0 && static_cast<std::size_t>(address) < kFlashSize)
            corruptAddress_ = static_cast<std::size_t>(address);
        corruptXor_ = static_cast<std::uint8_t>(IntOr(*corrupt, "xor", 0x01));
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
    std::vector<std::uint8_t> image(kFlashSize);
    std::uint32_t x = 0x4B393031;
    for (std::uint8_t& b : image) {
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        b = static_cast<std::uint8_t>(x >> 24);
    }
    return image;
}

std::vector<std::uint8_t> SimEneKb90xx::Flash() const {
    std::lock_guard lock(mutex_);
    return memory_->Data();
}

int SimEneKb90xx::Erases() const {
    std::lock_guard lock(mutex_);
    return erases_;
}

// On PCB3 the EC's lines reach the JIG only through the CPLD: its default routing serves the
// soldered wires, a flexible cable needs every line on the contact the cable brings it to.
bool SimEneKb90xx::EcReachable(SimContext& ctx) const {
    if (!connected_)
        return false;
    if (!ctx.Pcb3())
        return true;
    const SimBoardState& b = ctx.Board();
    const auto& r = b.cpld;
    if (!ffc_)
        return b.cpldResetSeen && r[16] == 0 && r[17] == 0 && r[18] == 0 && r[19] == 0 &&
               r[64] == 0;
    if (ffcMisfit_)
        return false;
    struct Driven {
        int pin;
        bool high, low;
    };
    const Driven driven[] = {{ffc_->zero, true, true},
                             {ffc_->cs, true, false},
                             {ffc_->dataTo, false, true},
                             {ffc_->clk, false, false}};
    for (const Driven& d : driven)
        if (!CpldBit(r, 16, d.pin) || CpldBit(r, 36, d.pin) != d.high ||
            CpldBit(r, 32, d.pin) != d.low)
            return false;
    return r[64] == (0x80 | ((ffc_->dataFrom - 1) & 0x1F));
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

void SimEneKb90xx::Read(SimContext& ctx) {
    const bool reachable = EcReachable(ctx);
    std::vector<std::uint8_t> block(kBlockSize, 0xFF);
    for (int index = 0; index < kBlocks; ++index) {
        if (silentAtBlock_ == index + 1)
            FallSilent(ctx);
        ctx.Busy(kReadBlockTime);
        if (reachable) {
            std::lock_guard lock(mutex_);
            const auto from =
                memory_->Data().begin() + static_cast<std::ptrdiff_t>(index * kBlockSize);
            std::copy(from, from + kBlockSize, block.begin());
        }
        ctx.Tx(block);
        for (;;) {
            const std::uint8_t next = ctx.Rx();
            if (next == '?') {
                ctx.Tx(reachable && failBlock_ != index + 1 ? kGood : kFailed);
                continue;
            }
            if (next == 'N' || next == 'R')
                break; // 'R' alone: the next block of a verification read-back
            return;    // 'X' ends the transfer
        }
    }
}

void SimEneKb90xx::Write(SimContext& ctx) {
    const bool reachable = EcReachable(ctx);
    ctx.Busy(kChipEraseTime);
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
        ctx.Busy(kProgramBlockTime);
        const bool good = reachable && failBlock_ != index + 1;
        if (good) {
            std::lock_guard lock(mutex_);
            auto at = memory_->Data().begin() + static_cast<std::ptrdiff_t>(index * kBlockSize);
            for (std::uint8_t b : data)
                *at++ &= b; // programming only clears bits
        }
        ctx.Tx(good ? kGood : kFailed);
        if (ctx.Rx() != 'N')
            break; // 'X' ends the transfer
    }
    std::lock_guard lock(mutex_);
    if (corruptAddress_)
        memory_->Data()[*corruptAddress_] ^= corruptXor_;
    memory_->Save();
}

void SimEneKb90xx::Checksum(SimContext& ctx) {
    const bool reachable = EcReachable(ctx);
    std::uint16_t sum = 0;
    std::uint16_t crc = 0;
    for (int index = 0; index < kBlocks; ++index) {
        ctx.Busy(kReadBlockTime);
        {
            std::lock_guard lock(mutex_);
            for (std::size_t i = 0; i < kBlockSize; ++i) {
                const std::uint8_t b = reachable ? memory_->Data()[index * kBlockSize + i] : 0xFF;
                sum = static_cast<std::uint16_t>(sum + b);
                crc = CrcArc(crc, b);
            }
        }
        ctx.Tx(std::uint8_t{'-'});
        if (index == 0 && checksumNoise_ > 0)
            ctx.Tx(std::vector<std::uint8_t>(static_cast<std::size_t>(checksumNoise_), '.'));
    }
    const std::uint8_t answer[4] = {
        static_cast<std::uint8_t>(sum), static_cast<std::uint8_t>(sum >> 8),
        static_cast<std::uint8_t>(crc), static_cast<std::uint8_t>(crc >> 8)};
    ctx.Tx(answer);
}
