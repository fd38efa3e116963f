#include "sim/chips/NpceJtagController.h"

#include <algorithm>
#include <utility>

namespace {
constexpr std::uint32_t kRamBase = 0x10000;
constexpr std::uint32_t kFlashRegsBase = 0xFF0010;
constexpr std::uint32_t kDebugControl = 0xFFFF00;
constexpr std::uint32_t kProgramCounter = 0xFFFF04;
constexpr std::uint32_t kCommandWord = 0x107F0;
constexpr std::uint32_t kSetUpCommand = 0x10400;
constexpr std::uint32_t kProgramCommand = 0x10077;
constexpr std::array<std::uint32_t, 4> kSetUpParams{0x400, 0x400, 0x400, 0x10};
constexpr std::size_t kBlock = 256;
constexpr std::size_t kSector = 4096;

// Flash interface registers, as offsets from 0xFF0010.
constexpr std::size_t kRegCommand = 0x6;
constexpr std::size_t kRegAddress = 0x7; // three bytes, low first
constexpr std::size_t kRegData = 0xA;
constexpr std::size_t kRegControl = 0xE;

std::uint8_t Crc8Maxim(const std::uint8_t* p, std::size_t n) {
    std::uint8_t crc = 0;
    while (n--) {
        crc ^= *p++;
        for (int i = 0; i < 8; ++i)
            crc = (crc & 1) ? static_cast<std::uint8_t>((crc >> 1) ^ 0x8C)
                            : static_cast<std::uint8_t>(crc >> 1);
    }
    return crc;
}
} // namespace

NpceJtagController::NpceJtagController(std::vector<std::uint8_t>& flash, std::uint32_t id,
                                       std::chrono::nanoseconds eraseTime)
    : flash_(flash), id_(id), eraseTime_(eraseTime) {}

std::uint8_t NpceJtagController::ShiftIr(std::uint8_t value) {
    ir_ = value;
    return 0x01; // the IR capture pattern
}

std::uint8_t NpceJtagController::ShiftDr8(std::uint8_t value) {
    if (ir_ == kIrIdcode)
        return static_cast<std::uint8_t>(id_);
    if (ir_ == kIrDebug) {
        const std::uint8_t out = code_;
        code_ = value;
        return out;
    }
    return static_cast<std::uint8_t>(value << 1); // BYPASS: one bit late
}

std::uint32_t NpceJtagController::ShiftDr32(std::uint32_t value) {
    if (ir_ == kIrIdcode)
        return id_;
    if (ir_ == kIrDebug)
        return Pair(code_, value);
    return value << 1;
}

void NpceJtagController::EndSession() {
    ir_ = kIrIdcode;
    prepared_ = false;
    configured_ = false;
    halted_ = false;
    stream_ = false;
}

std::uint32_t NpceJtagController::Pair(std::uint8_t code, std::uint32_t value) {
    std::uint32_t out = 0;
    switch (code) {
    case 0x0B:
        out = address_;
        address_ = value;
        stream_ = false;
        break;
    case 0x0D:
        out = data_;
        data_ = value;
        if (stream_) {
            Write(address_, value);
            address_ += 4;
        }
        break;
    case 0x09:
        out = control_;
        control_ = value;
        if ((value & 3) == 3) {
            Write(address_, data_);
            if (value & 0x08) { // and the data pairs that follow, word after word
                stream_ = true;
                address_ += 4;
            }
        } else if ((value & 3) == 1) {
            readLatch_ = Read(address_);
        }
        break;
    case 0x0C:
        out = readLatch_;
        break;
    case 0x00:
    case 0x01:
    case 0x02:
    case 0x03:
        out = params_[code];
        params_[code] = value;
        break;
    default:
        break;
    }
    return out;
}

std::uint32_t NpceJtagController::RamWord(std::uint32_t address) const {
    std::uint32_t w = 0;
    for (std::uint32_t i = 0; i < 4; ++i) {
        const std::uint32_t at = address + i - kRamBase;
        if (at < ram_.size())
            w |= static_cast<std::uint32_t>(ram_[at]) << (8 * i);
    }
    return w;
}

std::uint32_t NpceJtagController::Read(std::uint32_t address) {
    if (address >= kRamBase && address < kRamBase + ram_.size())
        return RamWord(address);
    if (address >= kFlashRegsBase && address < kFlashRegsBase + flashRegs_.size())
        return flashRegs_[address - kFlashRegsBase];
    if (address == kDebugControl)
        return halted_ ? 1 : 0;
    if (address == kProgramCounter)
        return pc_;
    return 0;
}

void NpceJtagController::Write(std::uint32_t address, std::uint32_t value) {
    if (address >= kRamBase && address < kRamBase + ram_.size()) {
        for (std::uint32_t i = 0; i < 4; ++i) {
            const std::uint32_t at = address + i - kRamBase;
            if (at < ram_.size())
                ram_[at] = static_cast<std::uint8_t>(value >> (8 * i));
        }
    } else if (address >= kFlashRegsBase && address < kFlashRegsBase + flashRegs_.size()) {
        const std::size_t reg = address - kFlashRegsBase;
        flashRegs_[reg] = static_cast<std::uint8_t>(value); // byte registers
        if (reg == kRegControl && (value & 0x80))
            FlashTransaction(static_cast<std::uint8_t>(value));
    } else if (address == kProgramCounter) {
        pc_ = value;
    } else if (address == kDebugControl) {
        if (value == 1) {
            halted_ = true;
        } else if (value == 2 && halted_) {
            halted_ = false;
            bool helper = pc_ == kHelperEntry;
            for (std::size_t i = 0; i < kHelper.size(); ++i)
                helper = helper &&
                         RamWord(kHelperEntry + 4 * static_cast<std::uint32_t>(i)) == kHelper[i];
            prepared_ = helper;
            configured_ = false;
            readBlock_ = 0;
            pass_ = Pass::None;
        }
    }
}

bool NpceJtagController::Busy() {
    if (stuck_)
        return true;
    if (!busyUntil_)
        return false;
    if (busyReadsLeft_ > 0 || std::chrono::steady_clock::now() < *busyUntil_)
        return true;
    busyUntil_.reset();
    return false;
}

// The serial flash behind the interface: write enable, 4 KiB sector erase (only when write
// enabled, and nothing while busy), status read into the data register.
void NpceJtagController::FlashTransaction(std::uint8_t control) {
    const std::uint8_t opcode = flashRegs_[kRegCommand];
    const bool busy = Busy();
    if (opcode == 0x05) {
        flashRegs_[kRegData] =
            static_cast<std::uint8_t>((busy ? 0x01 : 0) | (writeEnabled_ ? 0x02 : 0));
        if (busy && busyReadsLeft_ > 0)
            --busyReadsLeft_;
    } else if (busy) {
        // a flash erasing a sector ignores every other command
    } else if (opcode == 0x06) {
        writeEnabled_ = true;
    } else if (opcode == 0x04) {
        writeEnabled_ = false;
    } else if (opcode == 0x20 && (control & 0x08) && writeEnabled_) {
        const std::size_t address = flashRegs_[kRegAddress] |
                                    static_cast<std::size_t>(flashRegs_[kRegAddress + 1]) << 8 |
                                    static_cast<std::size_t>(flashRegs_[kRegAddress + 2]) << 16;
        const std::size_t start = address / kSector * kSector;
        if (start + kSector <= flash_.size()) {
            std::fill_n(flash_.begin() + static_cast<std::ptrdiff_t>(start), kSector, 0xFF);
            Changed(start, start + kSector);
        }
        writeEnabled_ = false;
        busyUntil_ = std::chrono::steady_clock::now() + eraseTime_;
        startedWork_ = eraseTime_;
        busyReadsLeft_ = 1; // an erase outlasts the first status read whatever the timing
        stuck_ = static_cast<int>(start / kSector) == stuckSector_;
    }
    flashRegs_[kRegControl] = static_cast<std::uint8_t>(control & 0x7F); // done
}

std::uint8_t NpceJtagController::CheckedStatus() {
    if (!prepared_)
        return kNoHelper;
    if (pass_ == Pass::Reading || pass_ == Pass::Over)
        return kPassOver;
    pass_ = Pass::Writing;
    if (RamWord(kCommandWord) == kSetUpCommand && params_ == kSetUpParams)
        configured_ = true;
    return configured_ ? kGood : kNotSetUp;
}

std::optional<int> NpceJtagController::CommitBlock() const {
    if (!prepared_ || RamWord(kCommandWord) != kProgramCommand)
        return std::nullopt;
    const std::uint32_t where = RamWord(kCommandWord + 8);
    const std::uint32_t high = RamWord(kCommandWord + 12);
    return static_cast<int>((where >> 24) | (high & 0xFF) << 8);
}

std::uint8_t NpceJtagController::Commit() {
    if (!prepared_)
        return kNoHelper;
    if (pass_ != Pass::Writing)
        return kPassOver;
    if (!configured_)
        return kNotSetUp;
    const std::optional<int> block = CommitBlock();
    const std::uint32_t sum = RamWord(kCommandWord + 4);
    const std::uint32_t where = RamWord(kCommandWord + 8);
    const std::uint32_t high = RamWord(kCommandWord + 12);
    if (!block || (sum >> 8) != 0x100 || (where & 0xFFFFFF) != 0xFF || (high & 0xFEFFFF00) != 0 ||
        static_cast<std::size_t>(*block + 1) * kBlock > flash_.size())
        return kBadRequest;
    const std::uint32_t buffer = (high & 0x1000000) ? 0x10900 : 0x10800;
    const std::uint8_t* data = ram_.data() + (buffer - kRamBase);
    if (Crc8Maxim(data, kBlock) != static_cast<std::uint8_t>(sum))
        return kBadChecksum;
    auto at = flash_.begin() + static_cast<std::ptrdiff_t>(*block * kBlock);
    for (std::size_t i = 0; i < kBlock; ++i)
        at[static_cast<std::ptrdiff_t>(i)] &= data[i]; // programming only clears bits
    Changed(static_cast<std::size_t>(*block) * kBlock,
            static_cast<std::size_t>(*block + 1) * kBlock);
    if (static_cast<std::size_t>(*block + 1) * kBlock == flash_.size())
        pass_ = Pass::Over;
    return kGood;
}

NpceJtagController::ReadTurn NpceJtagController::NextReadBlock() {
    if (!prepared_)
        return {};
    if (pass_ != Pass::None && pass_ != Pass::Reading)
        return {true, std::nullopt};
    pass_ = Pass::Reading;
    const int block = readBlock_++;
    if (readBlock_ == static_cast<int>(flash_.size() / kBlock))
        pass_ = Pass::Over;
    return {false, block};
}

void NpceJtagController::Changed(std::size_t first, std::size_t end) {
    changedFirst_ = std::min(changedFirst_, first);
    changedEnd_ = std::max(changedEnd_, end);
}

std::pair<std::size_t, std::size_t> NpceJtagController::TakeChanged() {
    if (changedFirst_ >= changedEnd_)
        return {0, 0};
    const std::pair<std::size_t, std::size_t> range{changedFirst_, changedEnd_};
    changedFirst_ = SIZE_MAX;
    changedEnd_ = 0;
    return range;
}

std::chrono::nanoseconds NpceJtagController::TakeStartedWork() {
    return std::exchange(startedWork_, std::chrono::nanoseconds(0));
}
