#pragma once
// The baud rate an FT232R's UART runs at for the divisor of a SET_BAUDRATE request, and the
// rate a UART on the other side takes it for.
#include <array>
#include <cstdint>
#include <cstdlib>

// The chip divides 3 MHz by an integer and a fraction in eighths: bits 0-13 of `value` hold the
// integer, bits 14-15 and bit 0 of `index` a code for the eighths. 0 means 3 MBd, 1 2 MBd.
inline std::uint32_t FtdiBaudFromDivisor(std::uint16_t value, std::uint16_t index) {
    static constexpr std::array<std::uint32_t, 8> kEighths{0, 4, 2, 1, 3, 5, 6, 7};
    const std::uint32_t whole = value & 0x3FFFu;
    const std::uint32_t code = (value >> 14) | ((index & 1u) << 2);
    const std::uint32_t eighths = whole * 8 + kEighths[code];
    if (eighths == 0)
        return 3'000'000;
    if (eighths == 8)
        return 2'000'000;
    return static_cast<std::uint32_t>((24'000'000ull + eighths / 2) / eighths);
}

// A UART tolerates a few per cent of difference: a chip rate within 3 % of a standard rate is
// that rate for the JIG; any other rate stays as it is (and matches nothing the JIG speaks).
inline std::uint32_t UartRateHeard(std::uint32_t chipBaud) {
    static constexpr std::array<std::uint32_t, 14> kStandard{300,    600,    1200,   2400,   4800,
                                                             9600,   19200,  38400,  57600,  115200,
                                                             230400, 460800, 921600, 3000000};
    for (std::uint32_t s : kStandard)
        if (std::abs(static_cast<long long>(chipBaud) - s) * 100 <= 3LL * s)
            return s;
    return chipBaud;
}
