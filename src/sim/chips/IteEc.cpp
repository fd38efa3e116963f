#include "sim/chips/IteEc.h"

#include "sim/ChipSection.h"
#include "sim/Scenario.h"

#include "sim/SimContext.h"
#include "sim/chips/IteSerialFlash.h"

#include <algorithm>

namespace {
using namespace std::chrono_literals;

// The JIG's own time: one bus cycle on the EC's interface, the flash chip's program and erase
// times, and how long the JIG tries an EC that does not answer (the attach prompt's 5 s).
constexpr std::chrono::microseconds kBusCycle{50};
constexpr std::chrono::microseconds kPageProgram{700};
constexpr std::chrono::milliseconds kChipErase{1200};
constexpr std::chrono::seconds kAttachWindow{5};
// A flash whose status never says ready (its port closed) is given up after this.
constexpr std::chrono::seconds kFlashGivesUp{2};

constexpr std::uint8_t kDone = 'o';
constexpr std::uint8_t kNoAnswer = 'e';
constexpr std::uint8_t kAccepted = '+';
constexpr std::uint8_t kFrameRegister = 0x05;
constexpr std::uint8_t kFlashRegister = 0x08;
constexpr std::uint8_t kSelect = 0xFD;
constexpr std::uint8_t kDeselect = 0xFE;
constexpr std::size_t kReadBlock = 256;
constexpr std::size_t kWriteBlock = 128;
constexpr int kSignals = 15;

// The triple codes of the JIG firmware and the EC signal each one places.
const std::map<std::string, std::string>& CodeSignals() {
    static const std::map<std::string, std::string> codes{
        {"d0", "PD0"}, {"d1", "PD1"},  {"d2", "PD2"},  {"d3", "PD3"},  {"d4", "PD4"},
        {"d5", "PD5"}, {"d6", "PD6"},  {"d7", "PD7"},  {"BL", "BUSY"}, {"WR", "STB"},
        {"DS", "AFD"}, {"IN", "INIT"}, {"AS", "SLIN"}, {"K4", "KSI4"}, {"K5", "KSI5"},
    };
    return codes;
}

std::chrono::nanoseconds Cycles(std::size_t n) {
    return kBusCycle * static_cast<long>(n);
}
} // namespace

const std::map<std::string, int>& SimIteEc::DefaultWiring() {
    // "Example board 1" of data/MB connection ITE.txt
    static const std::map<std::string, int> wiring{
        {"PD0", 12}, {"PD1", 13}, {"PD2", 14}, {"PD3", 15},  {"PD4", 16},
        {"PD5", 17}, {"PD6", 18}, {"PD7", 19}, {"BUSY", 21}, {"STB", 5},
        {"AFD", 6},  {"INIT", 7}, {"SLIN", 8}, {"KSI4", 9},  {"KSI5", 10},
    };
    return wiring;
}

SimIteEc::SimIteEc(const Scenario& scenario) : wiring_(DefaultWiring()) {
    ChipSection c(scenario, Name());
    constexpr long long kMostBlocks = static_cast<long long>(kFlashSize / kWriteBlock);
    memory_ = c.Memory(kFlashSize, DefaultImage);
    const bool timed = scenario.timing == SimTiming::Wire;
    std::vector<std::uint8_t> eraseOpcodes{0x60, 0xC7};
    if (const std::vector<long long> known = c.Wholes("chipErase", 0, 0, 0xFF); !known.empty())
        eraseOpcodes.assign(known.begin(), known.end());
    flash_ = std::make_unique<IteSerialFlash>(memory_->Data(), timed ? kChipErase : 0ns,
                                              timed ? kPageProgram : 0ns, eraseOpcodes);

    const std::vector<long long> id = c.Wholes("id", 2, 0, 0xFF);
    for (std::size_t i = 0; i < id.size(); ++i)
        id_[i] = static_cast<std::uint8_t>(id[i]);
    id_[2] = static_cast<std::uint8_t>(c.Whole("revision", id_[2], 0, 0xFF));
    connected_ = c.Flag("connected", true);
    kbPins_ = static_cast<int>(c.Whole("kbPins", kDefaultKbPins, 1, 64));
    if (std::optional<ChipSection> wiring = c.Part("wiring")) {
        for (auto& [signal, contact] : wiring_)
            contact = static_cast<int>(wiring->Whole(signal.c_str(), contact, 1, kbPins_));
        wiring->Finish();
    }
    reversed_ = c.Flag("reversed", false);

    silentAtBlock_ = static_cast<int>(c.Whole("silentAtBlock", 0, 0, kMostBlocks));
    badBlock_ = static_cast<int>(c.Whole("badBlock", 0, 0, kMostBlocks));
    if (const long long r = c.Whole("refuseAddress", -1, 0, 0xFF); r >= 0)
        refuseAddress_ = static_cast<std::uint8_t>(r);
    if (std::optional<ChipSection> refuse = c.Part("refuseWrite")) {
        refuseWrite_ = {static_cast<std::uint8_t>(refuse->Whole("register", 0, 0, 0xFF)),
                        static_cast<std::uint8_t>(refuse->Whole("value", 0, 0, 0xFF))};
        refuse->Finish();
    }
    addressAnswer_ = static_cast<std::uint8_t>(c.Whole("addressAnswer", kDone, 0, 0xFF));
    setupAnswer_ = static_cast<std::uint8_t>(c.Whole("setupAnswer", '*', 0, 0xFF));
    refusePin_ = c.Text("refusePin").value_or("");
    if (!refusePin_.empty() && !CodeSignals().count(refusePin_))
        c.Mistake("refusePin", "is one of the JIG's triple codes (d0 ... d7, BL, WR, DS, IN, AS, "
                               "K4, K5), not \"" +
                                   refusePin_ + "\"");
    if (const long long end = c.Whole("endOfSetupAnswer", -1, 0, 0xFF); end >= 0)
        endOfSetupAnswer_ = static_cast<std::uint8_t>(end);
    if (std::optional<ChipSection> stuck = c.Part("stuckZeroBits")) {
        flash_->SetStuckZeroBits(
            static_cast<std::uint32_t>(stuck->Whole("address", 0, 0, kFlashSize - 1)),
            static_cast<std::uint8_t>(stuck->Whole("mask", 0, 0, 0xFF)));
        stuck->Finish();
    }
    c.Finish();
}

SimIteEc::~SimIteEc() {
    std::lock_guard lock(mutex_);
    if (dirty_)
        memory_->Save();
}

std::vector<std::uint8_t> SimIteEc::DefaultImage() {
    return PseudoRandomImage(kFlashSize, 0x49544538);
}

std::vector<std::uint8_t> SimIteEc::Flash() const {
    std::lock_guard lock(mutex_);
    return memory_->Data();
}

int SimIteEc::Erases() const {
    std::lock_guard lock(mutex_);
    return flash_->Erases();
}

std::map<std::string, int> SimIteEc::Assignment() const {
    std::lock_guard lock(mutex_);
    return given_;
}

// Every signal must arrive on the JIG contact the JIG drives it on; an unplaced or misplaced
// one leaves the EC without its bus.
bool SimIteEc::EcAnswers() const {
    if (!connected_ || given_.size() != kSignals)
        return false;
    for (const auto& [signal, contact] : wiring_) {
        auto it = given_.find(signal);
        if (it == given_.end() || it->second < 1 || it->second > 32)
            return false;
        const int reaches = reversed_ ? kbPins_ - it->second + 1 : it->second;
        if (reaches != contact)
            return false;
    }
    return true;
}

bool SimIteEc::FlashPortOpen() const {
    return unlocked_ && registers_[0x04] == 0xFF && registers_[0x07] == 0x7F &&
           registers_[0x06] == 0xFF;
}

void SimIteEc::ResetInterface() {
    flash_->Deselect();
    registers_.fill(0);
    address_ = 0;
    armed_ = false;
    unlocked_ = false;
}

void SimIteEc::WriteRegister(std::uint8_t reg, std::uint8_t value) {
    registers_[reg] = value;
    switch (reg) {
    case 0x27:
        unlocked_ = value == 0x80 && armed_;
        armed_ = value == 0x01;
        break;
    case kFrameRegister:
        if (!FlashPortOpen())
            break;
        if (value == kSelect) {
            flash_->Select();
        } else if (value == kDeselect) {
            flash_->Deselect(); // an erase or a program happens here
            dirty_ = true;
        }
        break;
    case kFlashRegister:
        if (FlashPortOpen())
            flash_->Transfer(value);
        break;
    default:
        break;
    }
}

std::uint8_t SimIteEc::ReadRegister(std::uint8_t reg) {
    if (reg <= 0x02)
        return id_[reg];
    if (reg == kFlashRegister)
        return FlashPortOpen() ? flash_->Transfer(0xFF) : std::uint8_t{0xFF};
    return registers_[reg];
}

bool SimIteEc::Handle(std::uint8_t command, SimContext& ctx) {
    switch (command) {
    case 'T':
        Test(ctx);
        return true;
    case 'A':
        Address(ctx);
        return true;
    case 'W': // the M88 firmware's data write; PCB3 took 'W' for itself and uses 'D'
        if (ctx.Pcb3())
            return false;
        DataWrite(ctx);
        return true;
    case 'D':
        if (!ctx.Pcb3())
            return false;
        DataWrite(ctx);
        return true;
    case 'R':
        DataRead(ctx);
        return true;
    case 'S':
        Setup(ctx);
        return true;
    case 'r':
        BlockRead(ctx);
        return true;
    case 'Y':
        SetWriteAddress(ctx);
        return true;
    case 'w':
        BlockWrite(ctx);
        return true;
    default:
        return false;
    }
}

void SimIteEc::FallSilent(SimContext& ctx) {
    for (;;)
        ctx.Rx();
}

// The JIG looks for the EC, for as long as its attach window when it does not answer at once:
// the technician may be plugging in the board's power.
void SimIteEc::Test(SimContext& ctx) {
    {
        std::lock_guard lock(mutex_);
        ResetInterface();
        readBlocks_ = 0;
    }
    if (EcAnswers()) {
        ctx.Busy(Cycles(4), "looking for the EC");
        ctx.Tx(kDone);
    } else {
        ctx.Busy(kAttachWindow, "waiting for the EC to answer");
        ctx.Tx(kNoAnswer);
    }
}

void SimIteEc::Address(SimContext& ctx) {
    const std::uint8_t reg = ctx.Rx();
    ctx.Busy(Cycles(1), "an address cycle");
    if (!EcAnswers() || refuseAddress_ == reg) {
        ctx.Tx(kNoAnswer);
        return;
    }
    {
        std::lock_guard lock(mutex_);
        address_ = reg;
    }
    ctx.Tx(addressAnswer_);
}

void SimIteEc::DataWrite(SimContext& ctx) {
    const std::uint8_t value = ctx.Rx();
    ctx.Busy(Cycles(1), "a data write cycle");
    bool done = EcAnswers();
    std::chrono::nanoseconds started{0};
    if (done) {
        std::lock_guard lock(mutex_);
        done = !(refuseWrite_ && refuseWrite_->first == address_ && refuseWrite_->second == value);
        const std::chrono::nanoseconds before = flash_->RemainingBusy();
        if (done)
            WriteRegister(address_, value);
        if (flash_->RemainingBusy() > before)
            started = flash_->RemainingBusy();
    }
    if (started.count() > 0)
        ctx.ChipWorks(started); // the flash erases on its own
    ctx.Tx(done ? kDone : kNoAnswer);
}

void SimIteEc::DataRead(SimContext& ctx) {
    ctx.Busy(Cycles(1), "a data read cycle");
    std::uint8_t value = 0xFF;
    if (EcAnswers()) {
        std::lock_guard lock(mutex_);
        value = ReadRegister(address_);
    }
    ctx.Tx(value);
}

// The JIG takes triples (two code letters, a contact) until "QQQ", which makes them its
// assignment once all fifteen signals have one. A refused triple ends the setup.
void SimIteEc::Setup(SimContext& ctx) {
    ctx.Tx(setupAnswer_);
    if (setupAnswer_ != '*')
        return;
    std::map<std::string, int> pending;
    for (;;) {
        const std::uint8_t first = ctx.Rx();
        const std::uint8_t second = ctx.Rx();
        if (first == 'Q') {
            const std::uint8_t third = second == 'Q' ? ctx.Rx() : 0;
            if (second != 'Q' || third != 'Q') {
                ctx.Surprise("ITE setup, \"QQQ\"", {first, second, third});
                continue;
            }
            const bool complete = pending.size() == kSignals;
            const std::uint8_t answer = endOfSetupAnswer_.value_or(complete ? kAccepted : 'e');
            if (answer == kAccepted) {
                std::lock_guard lock(mutex_);
                given_ = pending;
            }
            ctx.Tx(answer);
            return;
        }
        const std::string code{static_cast<char>(first), static_cast<char>(second)};
        auto signal = CodeSignals().find(code);
        if (signal == CodeSignals().end()) {
            ctx.Surprise("ITE setup, waiting for a pin assignment or \"QQQ\"", {first, second});
            continue;
        }
        const std::uint8_t contact = ctx.Rx();
        if (code == refusePin_ || contact > 32) {
            ctx.Tx('e');
            return;
        }
        pending[signal->second] = contact;
        ctx.Tx(kAccepted);
    }
}

bool SimIteEc::PollReady() {
    constexpr int kPolls = 4;
    WriteRegister(kFrameRegister, kSelect);
    WriteRegister(kFlashRegister, 0x05);
    bool ready = false;
    for (int i = 0; i < kPolls && !ready; ++i)
        ready = !(ReadRegister(kFlashRegister) & 0x01);
    WriteRegister(kFrameRegister, kDeselect);
    return ready;
}

// 256 data read cycles on the flash port, then "o" when the EC answered them all.
void SimIteEc::BlockRead(SimContext& ctx) {
    const int number = ++readBlocks_;
    if (silentAtBlock_ == number)
        FallSilent(ctx);
    ctx.Busy(Cycles(kReadBlock + 1), "reading a block through the EC");
    std::vector<std::uint8_t> reply(kReadBlock + 1, 0xFF);
    const bool answers = EcAnswers();
    if (answers) {
        std::lock_guard lock(mutex_);
        address_ = kFlashRegister;
        for (std::size_t i = 0; i < kReadBlock; ++i)
            reply[i] = ReadRegister(kFlashRegister);
    }
    reply[kReadBlock] = answers && badBlock_ != number ? kDone : kNoAnswer;
    ctx.Tx(reply);
}

void SimIteEc::SetWriteAddress(SimContext& ctx) {
    std::uint32_t address = 0;
    for (int i = 0; i < 3; ++i)
        address = (address << 8) | ctx.Rx();
    writeAddress_ = address % kFlashSize;
    writeBlocks_ = 0;
    ctx.Busy(Cycles(1), "taking the write address");
    ctx.Tx(EcAnswers() ? kDone : kNoAnswer);
}

// The JIG waits until the flash is ready, enables writing, programs the 128 bytes at its write
// address with a page program and waits for it to finish.
void SimIteEc::BlockWrite(SimContext& ctx) {
    if (!writeAddress_) {
        ctx.Surprise("ITE block write without a write address ('Y') before it",
                     ctx.Pcb3() ? std::vector<std::uint8_t>{'T', 'w'}
                                : std::vector<std::uint8_t>{'w'});
        return;
    }
    std::vector<std::uint8_t> data(kWriteBlock);
    for (std::uint8_t& b : data)
        b = ctx.Rx();
    const int number = ++writeBlocks_;
    if (silentAtBlock_ == number)
        FallSilent(ctx);
    if (!EcAnswers()) {
        ctx.Busy(Cycles(4), "trying the EC");
        ctx.Tx(kNoAnswer);
        return;
    }
    std::chrono::nanoseconds erasing{0};
    bool portOpen = false;
    {
        std::lock_guard lock(mutex_);
        portOpen = FlashPortOpen();
        erasing = flash_->RemainingBusy();
    }
    if (!portOpen) {
        ctx.Busy(kFlashGivesUp, "polling a flash that does not answer");
        ctx.Tx(kNoAnswer);
        return;
    }
    if (erasing.count() > 0)
        ctx.ChipBusy(erasing, "waiting for the flash to finish erasing");
    bool good = badBlock_ != number;
    if (good) {
        std::lock_guard lock(mutex_);
        auto put = [this](std::uint8_t reg, std::uint8_t value) { WriteRegister(reg, value); };
        const std::uint32_t at = *writeAddress_;
        good = PollReady();
        put(kFrameRegister, kSelect);
        put(kFlashRegister, 0x06);
        put(kFrameRegister, kDeselect);
        put(kFrameRegister, kSelect);
        put(kFlashRegister, 0x02);
        put(kFlashRegister, static_cast<std::uint8_t>(at >> 16));
        put(kFlashRegister, static_cast<std::uint8_t>(at >> 8));
        put(kFlashRegister, static_cast<std::uint8_t>(at));
        for (std::uint8_t b : data)
            put(kFlashRegister, b);
        put(kFrameRegister, kDeselect);
    }
    ctx.Busy(Cycles(2 * (kWriteBlock + 10)), "sending a block to the flash");
    ctx.ChipBusy(kPageProgram, "programming a block");
    {
        std::lock_guard lock(mutex_);
        good = good && PollReady();
        const std::uint32_t next = *writeAddress_ + kWriteBlock;
        if (next < kFlashSize) {
            writeAddress_ = next;
        } else {
            writeAddress_.reset();
            memory_->Save();
            dirty_ = false;
        }
    }
    ctx.Tx(good ? kDone : kNoAnswer);
}
