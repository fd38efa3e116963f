#pragma once
// A JIG whose every answer the fuzzer writes: an FTDI backend without threads or clocks, so an
// engine runs against it deterministically and at once.
//
// The input is read front to back. Its first byte picks the identification answer (one of the
// simulator's boards, or from byte 6 of 7 on an answer of the input's own); then every host
// write takes one directive for what the JIG sends back:
//
//   directive = timing << 5 | kind
//   kind  0..23  that many bytes follow, sent as they are
//         24     N = next byte + 24 bytes follow
//         25/26  N = (next two bytes, little endian) % 1024 + 1 copies of the byte after them;
//                25 goes on with another kind for the same reply
//         27/28  the previous reply again; 28 goes on with another kind
//         29     N = (next two bytes) % 1024 bytes follow, then another kind
//         30/31  nothing more
//   timing 0..3  the reply is there at once
//          4     it arrives in pieces of (next byte % 8 + 1) bytes, one per wait that the bytes
//                already there cannot end
//          5     only the first byte arrives (the rest is lost)
//          6     the device vanishes (the reply is lost)
//          7     the reply arrives just after the wait that needs it has timed out
//
// An input that runs out leaves the JIG silent. Waits never sleep: a wait that cannot be met
// by what has arrived or is on its way times out at once.
#include "link/FtdiApi.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class FuzzJig {
  public:
    FuzzJig(const std::uint8_t* data, std::size_t size);

    // Host side, as the device handle calls it.
    bool Vanished() const { return vanished_; }
    void HostWrite(const std::uint8_t* data, std::size_t count);
    // Up to `count` bytes: waits as a read with a time-out would.
    std::size_t HostRead(std::uint8_t* out, std::size_t count);
    std::size_t Visible() const { return visible_.size(); }
    WaitOutcome WaitReceived(std::size_t count);
    void Purge(bool rx);

    // Every byte the host wrote, in order.
    const std::vector<std::uint8_t>& HostBytes() const { return host_; }
    std::size_t Calls() const { return calls_; }
    bool Identified() const { return identified_; }

    // Beyond this many calls the device goes (an engine polling without end at virtual time).
    static constexpr std::size_t kCallLimit = 200000;
    // A reply is cut here: "the previous reply again" would otherwise grow it geometrically
    // from write to write (no engine takes more than a block stream at once).
    static constexpr std::size_t kReplyLimit = 262144;

  private:
    struct Piece {
        std::vector<std::uint8_t> bytes;
        bool late = false; // shows only after the wait that needs it has timed out
    };

    int Next();
    int Next16();
    void Content(std::vector<std::uint8_t>& reply);
    void Count();
    // Moves the next piece in; false when none comes without a time-out.
    bool Arrive();

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    int board_ = 0;
    bool identified_ = false;
    bool vanished_ = false;
    std::size_t calls_ = 0;
    std::deque<std::uint8_t> visible_;
    std::deque<Piece> pending_;
    std::vector<std::uint8_t> previous_;
    std::vector<std::uint8_t> host_;
};

class FuzzFtdiApi : public FtdiApi {
  public:
    FuzzFtdiApi(const std::uint8_t* data, std::size_t size) : jig_(data, size) {}
    FT_STATUS FT_CreateDeviceInfoList(DWORD* numDevs) override;
    FT_STATUS FT_Open(int index, FT_HANDLE* handle) override;
    bool IsRealHardware() const override { return false; }
    std::string Describe() const override { return "fuzzed JIG"; }
    FuzzJig& Jig() { return jig_; }

  private:
    FuzzJig jig_;
};
