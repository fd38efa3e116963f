#include "modes/Nuvoton_jtag_form/VssScript.h"

#include <algorithm>
#include <optional>

namespace NuvJtag {
namespace {
std::optional<std::uint32_t> Hex(std::string_view text, std::size_t at, std::size_t digits) {
    if (at + digits > text.size())
        return std::nullopt;
    std::uint32_t value = 0;
    for (std::size_t i = at; i < at + digits; ++i) {
        const char c = text[i];
        std::uint32_t d;
        if (c >= '0' && c <= '9')
            d = static_cast<std::uint32_t>(c - '0');
        else if (c >= 'A' && c <= 'F')
            d = static_cast<std::uint32_t>(c - 'A' + 10);
        else if (c >= 'a' && c <= 'f')
            d = static_cast<std::uint32_t>(c - 'a' + 10);
        else
            return std::nullopt;
        value = value << 4 | d;
    }
    return value;
}

std::vector<JigCommand> DataLine(std::string_view text) {
    const auto code = Hex(text, 2, 2);
    if (!code)
        return {};
    const auto x = static_cast<std::uint8_t>(*code);
    if (text.size() <= 7)
        return {DrShift(x)};
    const auto value = Hex(text, 7, 8);
    if (!value)
        return {};
    if (text.size() >= 18 && text[15] == ' ')
        if (const auto trailer = Hex(text, 16, 2))
            return {PairWithTrailer(static_cast<std::uint8_t>(*trailer), x, *value)};
    return {DrShift(x), DrShift32(*value)};
}
} // namespace

std::vector<JigCommand> InterpretVssLine(std::string_view line) {
    const std::string_view text = line.substr(0, line.find('\r'));
    if (text.empty())
        return {};
    switch (text[0]) {
    case 'i':
        if (const auto v = Hex(text, 2, 2))
            return {IrShift(static_cast<std::uint8_t>(*v))};
        return {};
    case 'D':
        if (const auto v = Hex(text, 2, 8))
            return {DrShift32(*v)};
        return {};
    case 'd':
        return DataLine(text);
    default:
        return {};
    }
}

bool VssLineSplitter::Feed(std::uint8_t byte) {
    if (complete_) {
        line_.clear();
        overlong_ = false;
        complete_ = false;
    }
    if (byte == '\n') {
        complete_ = true;
        return true;
    }
    if (line_.size() < kLineBuffer)
        line_.push_back(static_cast<char>(byte));
    else
        overlong_ = true;
    return false;
}

std::vector<JigCommand> VssLineSplitter::Commands() const {
    if (!complete_ || overlong_)
        return {};
    return InterpretVssLine(line_);
}

std::size_t CountLines(std::string_view bytes) {
    return static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
}

} // namespace NuvJtag
