#include "sim/chips/NpceSpi.h"

#include "sim/ChipSection.h"
#include "sim/Scenario.h"

#include "sim/SimContext.h"

#include <algorithm>
#include <chrono>

namespace {
using std::chrono::microseconds;
using std::chrono::milliseconds;

// The JIG's own time: the M88 clocks the SPI at a few MHz, so a 512-byte block is read well
// within the time the UART needs to send it; a page takes its programming time, the chip erase
// and the blank check's pass over the whole flash are the long steps.
constexpr microseconds kIdTime{40};
constexpr microseconds kReadBlockTime{600};
constexpr microseconds kProgramPageTime{1500};
constexpr milliseconds kChipEraseTime{1000};
constexpr milliseconds kBlankCheckTime{260};

constexpr std::uint8_t kDone = 0x01;
constexpr std::uint8_t kFailed = 0x00;
constexpr std::uint8_t kReady = '*';
constexpr std::uint8_t kEndWrite = 0x07;

} // namespace

SimNpceSpi::SimNpceSpi(const Scenario& scenario) {
    ChipSection c(scenario, Name());
    constexpr long long kLastAddress = static_cast<long long>(kFlashSize) - 1;
    constexpr long long kMostBlocks = 512; // of a write; a read has 256
    memory_ = c.Memory(kFlashSize, DefaultImage);
    const std::vector<long long> id = c.Wholes("id", 4, 0, 0xFF);
    for (std::size_t i = 0; i < id.size(); ++i)
        id_[i] = static_cast<std::uint8_t>(id[i]);
    connected_ = c.Flag("connected", true);
    silentAtBlock_ = static_cast<int>(c.Whole("silentAtBlock", 0, 0, kMostBlocks));
    failBlock_ = static_cast<int>(c.Whole("failBlock", 0, 0, kMostBlocks));
    if (std::optional<ChipSection> corrupt = c.Part("corruptAfterWrite")) {
        corruptAddress_ = static_cast<std::size_t>(corrupt->Whole("address", 0, 0, kLastAddress));
        corruptXor_ = static_cast<std::uint8_t>(corrupt->Whole("xor", 0x01, 0, 0xFF));
        corrupt->Finish();
    }
    eraseFails_ = c.Flag("eraseFails", false);
    if (const long long at = c.Whole("notBlankAt", -1, 0, kLastAddress); at >= 0)
        notBlankAt_ = static_cast<std::size_t>(at);
    endStatus_ = static_cast<std::uint8_t>(c.Whole("endStatus", kDone, 0, 0xFF));
    surplusAtBlock_ = static_cast<int>(c.Whole("surplusAtBlock", 0, 0, kMostBlocks));
    c.Finish();
}

SimNpceSpi::~SimNpceSpi() = default;

std::vector<std::uint8_t> SimNpceSpi::DefaultImage() {
    return PseudoRandomImage(kFlashSize, 0x4E504345);
}

std::vector<std::uint8_t> SimNpceSpi::Flash() const {
    std::lock_guard lock(mutex_);
    return memory_->Data();
}

int SimNpceSpi::Erases() const {
    std::lock_guard lock(mutex_);
    return erases_;
}

bool SimNpceSpi::Handle(std::uint8_t command, SimContext& ctx) {
    switch (command) {
    case 'Z':
        Identify(ctx);
        return true;
    case 'e':
        Erase(ctx);
        return true;
    case 'x':
        BlankCheck(ctx);
        return true;
    case 'r':
        Read(ctx);
        return true;
    case 'w':
        Write(ctx);
        return true;
    default:
        return false;
    }
}

void SimNpceSpi::FallSilent(SimContext& ctx) {
    for (;;)
        ctx.Rx();
}

void SimNpceSpi::Identify(SimContext& ctx) {
    ctx.Busy(kIdTime, "reading the flash ID");
    prepared_ = Prepared::Identified;
    if (connected_)
        ctx.Tx(id_);
    else
        ctx.Tx(std::vector<std::uint8_t>(4, 0xFF)); // MISO floats high
}

// Without a chip the status register reads FFh, busy for ever: the JIG gives up on the erase.
void SimNpceSpi::Erase(SimContext& ctx) {
    ctx.ChipBusy(kChipEraseTime, "erasing the flash");
    const bool erased = connected_ && !eraseFails_;
    {
        std::lock_guard lock(mutex_);
        ++erases_;
        if (erased) {
            std::fill(memory_->Data().begin(), memory_->Data().end(), 0xFF);
            if (notBlankAt_)
                memory_->Data()[*notBlankAt_] = 0x00;
        }
    }
    prepared_ = erased && prepared_ == Prepared::Identified ? Prepared::Erased : Prepared::Nothing;
    const std::uint8_t answer[2] = {erased ? kDone : kFailed, 0x00};
    ctx.Tx(answer);
}

void SimNpceSpi::BlankCheck(SimContext& ctx) {
    ctx.Busy(kBlankCheckTime, "checking that the flash is blank");
    bool blank = true;
    if (connected_) {
        std::lock_guard lock(mutex_);
        blank = std::all_of(memory_->Data().begin(), memory_->Data().end(),
                            [](std::uint8_t b) { return b == 0xFF; });
    }
    prepared_ = blank && prepared_ == Prepared::Erased ? Prepared::Blank : Prepared::Nothing;
    const std::uint8_t answer[2] = {blank ? kDone : kFailed, 0x00};
    ctx.Tx(answer);
}

// Each block is asked for with 'r'; '-' may end the stream after any block (a verify stops at
// the first block that differs), and after the last block nothing else is taken.
void SimNpceSpi::Read(SimContext& ctx) {
    std::vector<std::uint8_t> block(kReadBlock, 0xFF);
    int sent = 0;
    for (int index = 0; index < kReadBlocks; ++index) {
        if (silentAtBlock_ == index + 1)
            FallSilent(ctx);
        ctx.Busy(kReadBlockTime, "reading a block from the flash");
        if (connected_) {
            std::lock_guard lock(mutex_);
            const auto from =
                memory_->Data().begin() + static_cast<std::ptrdiff_t>(index * kReadBlock);
            std::copy(from, from + kReadBlock, block.begin());
        }
        if (surplusAtBlock_ == index + 1) {
            std::vector<std::uint8_t> longer = block;
            longer.push_back(0xFF);
            ctx.Tx(longer);
        } else {
            ctx.Tx(block);
        }
        ++sent;
        const bool last = index + 1 == kReadBlocks;
        if (ctx.Expect("NPCE read, after block " + std::to_string(index + 1), last ? "-" : "r-") ==
            '-')
            break;
    }
    const std::uint8_t answer[2] = {endStatus_, static_cast<std::uint8_t>(sent)};
    ctx.Tx(answer);
}

void SimNpceSpi::Write(SimContext& ctx) {
    if (prepared_ != Prepared::Blank) {
        ctx.Surprise("NPCE write stream start without the flash ID, the erase and the blank "
                     "check just before it",
                     {'w'});
        return;
    }
    prepared_ = Prepared::Nothing;
    std::vector<std::uint8_t> data(kWriteBlock);
    for (int index = 0; index < kWriteBlocks; ++index) {
        ctx.Tx(kReady);
        for (std::uint8_t& b : data)
            b = ctx.Rx();
        if (silentAtBlock_ == index + 1)
            FallSilent(ctx);
        ctx.ChipBusy(kProgramPageTime, "programming a page");
        const bool good = connected_ && failBlock_ != index + 1;
        if (good) {
            std::lock_guard lock(mutex_);
            auto at = memory_->Data().begin() + static_cast<std::ptrdiff_t>(index * kWriteBlock);
            for (std::uint8_t b : data)
                *at++ &= b; // programming only clears bits
        }
        ctx.Tx(good ? kDone : kFailed);
        const bool last = index + 1 == kWriteBlocks;
        const std::string step = "NPCE write, after block " + std::to_string(index + 1);
        if (ctx.Expect(step, last ? "\x07" : "w\x07") == kEndWrite)
            break;
    }
    {
        std::lock_guard lock(mutex_);
        if (corruptAddress_)
            memory_->Data()[*corruptAddress_] ^= corruptXor_;
        memory_->Save();
    }
    ctx.Tx(kEndWrite);
}
