#include "sim/chips/Mec16xx.h"

#include "sim/ChipSection.h"
#include "sim/Scenario.h"

#include "sim/CpldRouting.h"
#include "sim/JtagLines.h"
#include "sim/SimContext.h"

#include <algorithm>
#include <cstdio>

namespace {
using std::chrono::microseconds;
using std::chrono::milliseconds;

// The JIG's own time: it shifts every word through the controller's JTAG debug port.
constexpr microseconds kJtagResetTime{200};
constexpr microseconds kIdTime{500};
constexpr microseconds kRegisterTime{300};
constexpr milliseconds kReadBlockTime{25};
constexpr milliseconds kProgramBlockTime{20};
// At instant timing an erase shows its busy bit to this many status reads.
constexpr int kInstantBusyPolls = 2;

constexpr std::uint32_t kRegDevice = 0xFFFD00;
constexpr std::uint32_t kRegEraseArgument = 0xFF3904;
constexpr std::uint32_t kRegMode = 0xFF3908;
constexpr std::uint32_t kRegStatus = 0xFF390C;
constexpr std::uint32_t kRegAccess = 0xFF3910;
constexpr std::uint32_t kModeRead = 0x105;
constexpr std::uint32_t kModeProgram = 0x106;
constexpr std::uint32_t kModeErase = 0x107;
constexpr std::uint32_t kModeEnd = 0x100;
constexpr std::uint32_t kEraseMain = 0x00F80000;
constexpr std::uint32_t kEraseMainAndInfo = 0x00FC0000;
constexpr std::uint32_t kMainAddress = 0x000000;
constexpr std::uint32_t kInfoAddress = 0x040000;

constexpr std::size_t kReadBlock = 1024;
constexpr std::size_t kWriteBlock = 256;
constexpr int kMainReadBlocks = 192;
constexpr int kInfoReadBlocks = 2;
constexpr int kWriteBlocks = 768;

constexpr std::uint8_t kWriteRequest = 'R';
constexpr std::uint8_t kProgrammed = 'G';
constexpr std::uint8_t kNotProgrammed = 'E';

std::vector<std::uint8_t> BigEndian(std::uint32_t v) {
    return {static_cast<std::uint8_t>(v >> 24), static_cast<std::uint8_t>(v >> 16),
            static_cast<std::uint8_t>(v >> 8), static_cast<std::uint8_t>(v)};
}

int HexDigit(std::uint8_t c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1; // the firmware takes upper-case digits only
}
} // namespace

SimMec16xx::SimMec16xx(const Scenario& scenario) {
    ChipSection c(scenario, Name());
    constexpr long long kBlocks = kWriteBlocks; // the most of a read (194) or a write
    memory_ = c.Memory(kImageSize, DefaultImage);
    id_ = static_cast<std::uint32_t>(c.Whole("id", kDefaultId, 0, 0xFFFFFFFF));
    connected_ = c.Flag("connected", true);
    fwp_ = c.Flag("fwp", false);
    bootLock_ = c.Flag("bootLock", false);
    regFffd00_ = static_cast<std::uint32_t>(c.Whole("regFFFD00", regFffd00_, 0, 0xFFFFFFFF));
    eraseTime_ = milliseconds(c.Whole("eraseMs", 1200, 0, 600000));
    stuckBusy_ = c.Flag("stuckBusy", false);
    silentAtBlock_ = static_cast<int>(c.Whole("silentAtBlock", 0, 0, kBlocks));
    badStatusAtBlock_ = static_cast<int>(c.Whole("badStatusAtBlock", 0, 0, kBlocks));
    surplusRegister_ = c.Whole("surplusRegister", -1, -1, 0xFFFFFF);
    c.Finish();
}

SimMec16xx::~SimMec16xx() = default;

std::vector<std::uint8_t> SimMec16xx::DefaultImage() {
    return PseudoRandomImage(kImageSize, 0x4D454331);
}

std::vector<std::uint8_t> SimMec16xx::Image() const {
    std::lock_guard lock(mutex_);
    return memory_->Data();
}

int SimMec16xx::Erases() const {
    std::lock_guard lock(mutex_);
    return erases_;
}

bool SimMec16xx::Reachable(SimContext& ctx) const {
    if (!connected_)
        return false;
    if (!ctx.Pcb3())
        return true;
    const SimBoardState& b = ctx.Board();
    return b.cpldResetSeen && RoutesNothing(b.cpld);
}

bool SimMec16xx::Handle(std::uint8_t command, SimContext& ctx) {
    switch (command) {
    case '1':
        if (ctx.Pcb3())
            return false; // PCB3 resets the TAP with its own 'J' '1'
        JtagReset(ctx);
        return true;
    case '0':
        if (ctx.Pcb3())
            return false;
        ReleaseTapWithoutSpi(ctx); // nothing is answered
        return true;
    case 'j':
    case 'r':
    case 'w':
    case 'R':
    case 'W':
        break;
    default:
        return false;
    }
    const std::vector<std::uint8_t> frame =
        ctx.Pcb3() ? std::vector<std::uint8_t>{static_cast<std::uint8_t>(Pcb3Prefix()), command}
                   : std::vector<std::uint8_t>{command};
    if (!JtagLinesReady(ctx, ctx.Pcb3(), "MEC16xx JTAG command", frame))
        return true;
    switch (command) {
    case 'j':
        ReadId(ctx, frame);
        break;
    case 'r':
        ReadRegister(ctx, command);
        break;
    case 'w':
        WriteRegister(ctx, command);
        break;
    case 'R':
        ReadStream(ctx, command);
        break;
    default:
        WriteStream(ctx, command);
        break;
    }
    return true;
}

std::optional<std::uint32_t> SimMec16xx::TakeHex(SimContext& ctx, int digits, std::uint8_t command,
                                                 const std::string& step) {
    std::vector<std::uint8_t> taken{command};
    std::uint32_t value = 0;
    for (int i = 0; i < digits; ++i) {
        const std::uint8_t c = ctx.Rx();
        taken.push_back(c);
        const int d = HexDigit(c);
        if (d < 0) {
            ctx.Surprise(step + ", not an upper-case hexadecimal digit", taken);
            return std::nullopt;
        }
        value = value << 4 | static_cast<std::uint32_t>(d);
    }
    return value;
}

void SimMec16xx::JtagReset(SimContext& ctx) {
    ctx.Busy(kJtagResetTime, "resetting the JTAG TAP");
    ResetTapWithoutSpi(ctx);
    ctx.Tx(std::uint8_t{'1'});
}

// Every operation opens a session with the ID read and gives the lines back at its end: a
// second session over one that was never given back is a host that skipped the release.
void SimMec16xx::ReadId(SimContext& ctx, const std::vector<std::uint8_t>& frame) {
    const unsigned releases = ctx.Board().jtagReleases;
    if (sessionReleases_ && *sessionReleases_ == releases) {
        ctx.Surprise("MEC16xx ID read, a new session over one never given back (JTAG_RESET and "
                     "SPI_ON, or '0' on PCB2)",
                     frame);
        return;
    }
    sessionReleases_ = releases;
    ctx.Busy(kIdTime, "reading the JTAG ID");
    ctx.Tx(BigEndian(Reachable(ctx) ? id_ : 0xFFFFFFFF));
}

bool SimMec16xx::Erasing(SimContext& ctx) {
    if (!eraseEnds_)
        return false;
    if (stuckBusy_)
        return true;
    if (ctx.ScenarioData().timing == SimTiming::Wire)
        return std::chrono::steady_clock::now() < *eraseEnds_;
    return busyPollsLeft_ > 0;
}

std::uint8_t SimMec16xx::StatusByte(SimContext& ctx) {
    std::uint8_t status = 0;
    if (Erasing(ctx)) {
        status |= 0x01;
        if (busyPollsLeft_ > 0)
            --busyPollsLeft_;
    }
    if (bootLock_)
        status |= 0x08;
    if (fwp_)
        status |= 0x10;
    return status;
}

void SimMec16xx::ReadRegister(SimContext& ctx, std::uint8_t command) {
    const std::optional<std::uint32_t> address = TakeHex(ctx, 6, command, "MEC16xx register read");
    if (!address)
        return;
    ctx.Busy(kRegisterTime, "reading a register over JTAG");
    std::vector<std::uint8_t> reply(5, 0xFF);
    reply[4] = 0x00; // no acknowledgement from the debug port
    if (Reachable(ctx)) {
        std::uint32_t value = 0;
        switch (*address) {
        case kRegDevice:
            value = regFffd00_;
            break;
        case kRegEraseArgument:
            value = eraseArgument_;
            break;
        case kRegMode:
            value = mode_;
            break;
        case kRegStatus:
            value = StatusByte(ctx);
            break;
        case kRegAccess:
            value = access_;
            break;
        default:
            break;
        }
        reply = BigEndian(value);
        reply.push_back(0x01);
    }
    if (static_cast<long long>(*address) == surplusRegister_)
        reply.push_back(0x01);
    ctx.Tx(reply);
}

void SimMec16xx::WriteRegister(SimContext& ctx, std::uint8_t command) {
    const std::optional<std::uint32_t> address =
        TakeHex(ctx, 6, command, "MEC16xx register write, its address");
    if (!address)
        return;
    const std::optional<std::uint32_t> value =
        TakeHex(ctx, 8, command, "MEC16xx register write, its value");
    if (!value)
        return;
    if (!Reachable(ctx)) {
        ctx.Busy(kRegisterTime, "writing a register over JTAG");
        ctx.Tx(std::uint8_t{0x00});
        return;
    }
    if (!TakeRegisterWrite(ctx, *address, *value))
        return;
    ctx.Busy(kRegisterTime, "writing a register over JTAG");
    ctx.Tx(std::uint8_t{0x01});
}

// What the controller makes of a register write; false (a surprise, nothing answered) for a
// write the protocol never sends where it came.
bool SimMec16xx::TakeRegisterWrite(SimContext& ctx, std::uint32_t address, std::uint32_t value) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%06X%08X", static_cast<unsigned>(address),
                  static_cast<unsigned>(value));
    auto refuse = [&](const std::string& why) {
        std::vector<std::uint8_t> bytes{'w'};
        bytes.insert(bytes.end(), digits, digits + 14);
        ctx.Surprise("MEC16xx register write, " + why, std::move(bytes));
        return false;
    };
    if (Erasing(ctx))
        return refuse("while the flash is erasing (its busy bit was not polled clear)");
    switch (address) {
    case kRegAccess:
        if (value > 1)
            return refuse("not a debug access value");
        if (value == 1 && access_ != 0)
            return refuse("FF3910h = 1 while an earlier operation's access is still open (never "
                          "ended by FF3908h = 100h, 0 and FF3910h = 0)");
        if (value == 0 && (access_ != 1 || mode_ != 0))
            return refuse("FF3910h = 0 before FF3908h = 100h and 0 ended the flash mode");
        access_ = value;
        return true;
    case kRegMode:
        if (value == kModeRead || value == kModeProgram || value == kModeErase) {
            if (access_ != 1)
                return refuse("a flash mode before FF3910h = 1");
            if (mode_ != 0 && mode_ != kModeEnd)
                return refuse("a flash mode over one that FF3908h = 100h did not end");
        } else if (value == kModeEnd) {
            if (mode_ != kModeRead && mode_ != kModeProgram && mode_ != kModeErase)
                return refuse("FF3908h = 100h without a flash mode to end");
        } else if (value == 0) {
            if (mode_ != kModeEnd)
                return refuse("FF3908h = 0 before FF3908h = 100h");
        } else {
            return refuse("not a flash mode");
        }
        mode_ = value;
        // A read or an erase is armed by its mode, a program by FF3904h = 0 after it.
        armed_ = value == kModeRead || value == kModeErase;
        return true;
    case kRegEraseArgument:
        if (value == 0 && access_ == 1 && mode_ == kModeProgram && !armed_) {
            eraseArgument_ = value;
            armed_ = true;
            return true;
        }
        if ((value != kEraseMain && value != kEraseMainAndInfo) || access_ != 1 ||
            mode_ != kModeErase || !armed_)
            return refuse("without FF3910h = 1 and FF3908h = 107h (erase) or 106h (program) "
                          "just before it");
        armed_ = false;
        eraseArgument_ = value;
        if (!fwp_ && !bootLock_) {
            std::lock_guard lock(mutex_);
            auto& data = memory_->Data();
            std::fill(data.begin(),
                      data.begin() + static_cast<std::ptrdiff_t>(
                                         value == kEraseMainAndInfo ? kImageSize : kMainSize),
                      0xFF);
            ++erases_;
            memory_->Save();
            eraseEnds_ = std::chrono::steady_clock::now() + eraseTime_;
            ctx.ChipWorks(eraseTime_);
            busyPollsLeft_ = kInstantBusyPolls;
        }
        return true;
    default:
        return refuse("not a register the flash operations write");
    }
}

void SimMec16xx::FallSilent(SimContext& ctx) {
    for (;;)
        ctx.Rx();
}

// 'R' and a start address: 1025-byte blocks, each taken with 'N' for the next or 'X' to end;
// after the last block of MAIN or INFO only 'X'.
void SimMec16xx::ReadStream(SimContext& ctx, std::uint8_t command) {
    const std::optional<std::uint32_t> address =
        TakeHex(ctx, 6, command, "MEC16xx read stream start");
    if (!address)
        return;
    char text[8];
    std::snprintf(text, sizeof text, "%c%06X", command, static_cast<unsigned>(*address));
    const std::vector<std::uint8_t> start(text, text + 7);
    if (access_ != 1 || mode_ != kModeRead || !armed_) {
        ctx.Surprise("MEC16xx read stream start without FF3910h = 1 and FF3908h = 105h just "
                     "before it",
                     start);
        return;
    }
    int firstBlock = 1;
    int blocks = kMainReadBlocks;
    std::size_t offset = 0;
    if (*address == kInfoAddress) {
        firstBlock = kMainReadBlocks + 1;
        blocks = kInfoReadBlocks;
        offset = kMainSize;
    } else if (*address != kMainAddress) {
        ctx.Surprise("MEC16xx read stream start at neither MAIN nor INFO", start);
        return;
    }
    armed_ = false;
    const bool reachable = Reachable(ctx);
    std::vector<std::uint8_t> frame(kReadBlock + 1);
    for (int i = 0; i < blocks; ++i) {
        const int number = firstBlock + i;
        if (silentAtBlock_ == number)
            FallSilent(ctx);
        ctx.Busy(kReadBlockTime, "reading a block over JTAG");
        {
            std::lock_guard lock(mutex_);
            const auto from =
                memory_->Data().begin() +
                static_cast<std::ptrdiff_t>(offset + static_cast<std::size_t>(i) * kReadBlock);
            if (reachable)
                std::copy(from, from + kReadBlock, frame.begin());
            else
                std::fill(frame.begin(), frame.end(), 0xFF);
        }
        frame[kReadBlock] = reachable && badStatusAtBlock_ != number ? 0x01 : 0x00;
        ctx.Tx(frame);
        const bool last = i + 1 == blocks;
        if (ctx.Expect("MEC16xx read, after block " + std::to_string(number), last ? "X" : "NX") ==
            'X')
            return;
    }
}

// 'W': for each 256-byte block a request byte, the block, then 'G' when it is programmed;
// 'N' asks for the next block, 'X' ends (after block 768 only 'X').
void SimMec16xx::WriteStream(SimContext& ctx, std::uint8_t command) {
    if (access_ != 1 || mode_ != kModeProgram || !armed_) {
        ctx.Surprise("MEC16xx write stream start without FF3910h = 1, FF3908h = 106h and "
                     "FF3904h = 0 just before it",
                     {command});
        return;
    }
    armed_ = false;
    const bool programmable = Reachable(ctx) && !fwp_ && !bootLock_;
    std::vector<std::uint8_t> data(kWriteBlock);
    for (int index = 0; index < kWriteBlocks; ++index) {
        const int number = index + 1;
        ctx.Tx(kWriteRequest);
        for (std::uint8_t& b : data)
            b = ctx.Rx();
        if (silentAtBlock_ == number)
            FallSilent(ctx);
        ctx.ChipBusy(kProgramBlockTime, "programming a block");
        bool good = programmable && badStatusAtBlock_ != number;
        if (good) {
            std::lock_guard lock(mutex_);
            const auto from =
                memory_->Data().begin() + static_cast<std::ptrdiff_t>(index * kWriteBlock);
            auto at = from;
            for (std::uint8_t b : data)
                *at++ &= b; // programming only clears bits
            // The JIG reads the block back: one that was not erased does not take.
            good = std::equal(data.begin(), data.end(), from);
        }
        ctx.Tx(good ? kProgrammed : kNotProgrammed);
        const bool last = number == kWriteBlocks;
        if (ctx.Expect("MEC16xx write, after block " + std::to_string(number), last ? "X" : "NX") ==
            'X')
            break;
    }
    std::lock_guard lock(mutex_);
    memory_->Save();
}
