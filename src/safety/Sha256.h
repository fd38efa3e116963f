#pragma once
// SHA-256 (FIPS 180-4), for naming an image's content in logs and the journal.
#include <array>
#include <cstdint>
#include <span>
#include <string>

class Sha256 {
  public:
    Sha256();
    void Add(std::span<const std::uint8_t> bytes);
    // The digest; the object is spent afterwards.
    std::array<std::uint8_t, 32> Finish();

  private:
    void Block(const std::uint8_t* block);
    std::array<std::uint32_t, 8> h_;
    std::array<std::uint8_t, 64> pending_{};
    std::size_t pendingBytes_ = 0;
    std::uint64_t totalBytes_ = 0;
};

// 64 lower-case hex digits.
std::string Sha256Hex(std::span<const std::uint8_t> bytes);
std::string HexText(std::span<const std::uint8_t> bytes);
