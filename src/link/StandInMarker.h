#pragma once
// Firmware images made for the simulated JIG carry this text, followed by the version text
// the image reports and a NUL. The simulator reads the version from it; the program refuses
// to send such an image over a link that reaches a real JIG.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

inline constexpr std::string_view kStandInMarker = "TOLVANE SIMULATOR STAND-IN FIRMWARE:";

inline std::optional<std::size_t> FindStandInMarker(std::span<const std::uint8_t> bytes) {
    auto it = std::search(bytes.begin(), bytes.end(), kStandInMarker.begin(), kStandInMarker.end(),
                          [](std::uint8_t a, char b) { return a == static_cast<std::uint8_t>(b); });
    if (it == bytes.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - bytes.begin());
}

inline bool CarriesStandInMarker(std::span<const std::uint8_t> bytes) {
    return FindStandInMarker(bytes).has_value();
}

// The version text after the marker, up to its NUL; nothing without a marker or a NUL.
inline std::optional<std::string> StandInVersion(std::span<const std::uint8_t> bytes) {
    const auto at = FindStandInMarker(bytes);
    if (!at)
        return std::nullopt;
    std::string version;
    for (std::size_t i = *at + kStandInMarker.size(); i < bytes.size(); ++i) {
        if (bytes[i] == 0)
            return version;
        version += static_cast<char>(bytes[i]);
    }
    return std::nullopt;
}
