#pragma once
// The NPCE controller as its JTAG port sees it: a TAP (IDCODE after Test-Logic-Reset, BYPASS,
// and the debug access instruction 0x0C), the register pairs of the debug access (address
// 0x0B, data 0x0D, control 0x09, read-back 0x0C, helper parameters 0x00..0x03), and the memory
// map they reach:
//   0x10000..0x13FFF  RAM (little-endian words); the write goes through the command word at
//                     0x107F0 and the buffers at 0x10800 / 0x10900
//   0xFF0016..1E      flash interface: command, address bytes (A7..0, A15..8, A23..16), data,
//                     control (bit 7 starts a transaction, bit 3 with address); serial-flash
//                     status bit 0 busy, bit 1 write enabled
//   0xFFFF00, 04      debug control (1 halts the core, 2 runs it from the PC) and the PC
// A script prepares the controller by halting it, loading the flash helper (kHelper) at 0x10000
// and running it there; only a running helper answers block reads and checked batches. A helper
// serves one pass: one read stream of the whole flash from block 0, or one write (its set-up,
// data and commits). After its pass, and for a read stream during a write or a write during a
// read, it refuses until the script runs it again.
#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

class NpceJtagController {
  public:
    static constexpr std::uint8_t kIrIdcode = 0x02;
    static constexpr std::uint8_t kIrDebug = 0x0C;
    static constexpr std::uint32_t kHelperEntry = 0x10000;
    static constexpr std::array<std::uint32_t, 4> kHelper{0x4E50C3E5, 0x0A1F2201, 0x10800FF0,
                                                          0x6B7EB022};
    static constexpr std::uint8_t kNoHelper = 0x00;
    static constexpr std::uint8_t kNotSetUp = 0x21;
    static constexpr std::uint8_t kGood = 0x22;
    static constexpr std::uint8_t kBadRequest = 0x2A;
    static constexpr std::uint8_t kBadChecksum = 0x2C;
    static constexpr std::uint8_t kPassOver = 0x2D; // the helper served its pass already

    // `eraseTime` is how long a sector erase keeps the busy bit set (0: only until the first
    // status read has seen it).
    NpceJtagController(std::vector<std::uint8_t>& flash, std::uint32_t id,
                       std::chrono::nanoseconds eraseTime);

    void TestLogicReset() { ir_ = kIrIdcode; }
    std::uint8_t ShiftIr(std::uint8_t value);
    std::uint8_t ShiftDr8(std::uint8_t value);
    std::uint32_t ShiftDr32(std::uint32_t value);

    // The JIG hands the lines back to its SPI side: the debug session and the helper end.
    void EndSession();
    bool Prepared() const { return prepared_; }

    // What the helper answers to a checked batch (set-up, data) once its pairs are shifted.
    std::uint8_t CheckedStatus();
    // The block number of the commit request now in RAM, when it is one.
    std::optional<int> CommitBlock() const;
    // Programs the requested block; the helper's status.
    std::uint8_t Commit();
    // The next block of the helper's read stream: nothing without a helper (the JIG reads
    // ones), refused when this helper's pass is not a read or its stream has ended.
    struct ReadTurn {
        bool refused = false;
        std::optional<int> block;
    };
    ReadTurn NextReadBlock();

    // Sector erases that keep the busy bit set for good (fault).
    void EraseNeverEnds(int sector) { stuckSector_ = sector; }
    // The bytes of the flash changed since the last call, as [first, end); first == end when
    // none did.
    std::pair<std::size_t, std::size_t> TakeChanged();
    // How long the flash works on its own after what it was told since the last call (a
    // sector erase), zero when it was told nothing of the kind.
    std::chrono::nanoseconds TakeStartedWork();

  private:
    std::uint32_t Pair(std::uint8_t code, std::uint32_t value);
    std::uint32_t Read(std::uint32_t address);
    void Write(std::uint32_t address, std::uint32_t value);
    void FlashTransaction(std::uint8_t control);
    bool Busy();
    std::uint32_t RamWord(std::uint32_t address) const;

    std::vector<std::uint8_t>& flash_;
    const std::uint32_t id_;
    const std::chrono::nanoseconds eraseTime_;
    std::uint8_t ir_ = kIrIdcode;
    std::uint8_t code_ = 0;
    std::uint32_t address_ = 0, data_ = 0, control_ = 0, readLatch_ = 0;
    bool stream_ = false;
    std::array<std::uint32_t, 4> params_{};
    std::vector<std::uint8_t> ram_ = std::vector<std::uint8_t>(0x4000);
    std::array<std::uint8_t, 16> flashRegs_{}; // 0xFF0010..0xFF001F
    bool writeEnabled_ = false;
    std::optional<std::chrono::steady_clock::time_point> busyUntil_;
    int busyReadsLeft_ = 0;
    std::chrono::nanoseconds startedWork_{0};
    bool stuck_ = false;
    int stuckSector_ = -1;
    std::size_t changedFirst_ = SIZE_MAX;
    std::size_t changedEnd_ = 0;
    void Changed(std::size_t first, std::size_t end);
    bool halted_ = false;
    std::uint32_t pc_ = 0;
    bool prepared_ = false;
    bool configured_ = false;
    int readBlock_ = 0;
    enum class Pass { None, Reading, Writing, Over };
    Pass pass_ = Pass::None;
};
