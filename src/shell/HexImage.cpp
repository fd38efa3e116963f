#include "shell/HexImage.h"

namespace {
// Any character that is not '0'-'9' counts as a letter: lower-case digits do not convert to
// their values, and the checksum then fails.
int DigitValue(std::uint8_t c) {
    return c >= '0' && c <= '9' ? c - '0' : c - 55;
}

class HexCursor {
  public:
    explicit HexCursor(std::span<const std::uint8_t> text) : text_(text) {}

    std::size_t pos = 0;
    bool AtEnd() const { return pos >= text_.size(); }
    std::uint8_t Char() const { return text_[pos]; }
    // A pair of digits at the position; nothing when the text ends inside it.
    std::optional<std::uint8_t> Pair() {
        if (pos + 1 >= text_.size())
            return std::nullopt;
        const int v = DigitValue(text_[pos]) * 16 + DigitValue(text_[pos + 1]);
        pos += 2;
        return static_cast<std::uint8_t>(v);
    }

  private:
    std::span<const std::uint8_t> text_;
};

char UpperHex(unsigned nibble) {
    return "0123456789ABCDEF"[nibble & 0x0F];
}
} // namespace

bool ParseModeFirmwareHex(std::span<const std::uint8_t> text, ModeFirmwareImage* image) {
    image->assign(kModeFirmwareImageSize, 0xFF);
    HexCursor at(text.first(std::min(text.size(), kHexFileLimit)));
    while (!at.AtEnd()) {
        if (at.Char() != ':')
            return false;
        ++at.pos;
        const auto count = at.Pair();
        const auto high = at.Pair();
        const auto low = at.Pair();
        const auto type = at.Pair();
        if (!count || !high || !low || !type)
            return false;
        unsigned sum = *count + *high + *low + *type;
        const std::size_t address = *high * 256u + *low;
        if (*type == 0x00) {
            if (address + *count > kModeFirmwareImageSize)
                return false;
            for (unsigned i = 0; i < *count; ++i) {
                const auto b = at.Pair();
                if (!b)
                    return false;
                sum += *b;
                (*image)[address + i] = *b;
            }
            const auto checksum = at.Pair();
            if (!checksum)
                return false;
            sum += *checksum;
            at.pos += 2; // CR LF: line ends are exactly two characters
        } else if (*type == 0x01) {
            const auto checksum = at.Pair();
            if (!checksum)
                return false;
            return ((sum + *checksum) & 0xFF) == 0;
        } else {
            return false; // extended address records are not stepped over
        }
        if ((sum & 0xFF) != 0)
            return false;
    }
    return true;
}

std::optional<std::size_t> LastProgrammedAddress(const ModeFirmwareImage& image) {
    for (std::size_t a = image.size(); a-- > 0;)
        if (image[a] != 0xFF)
            return a;
    return std::nullopt;
}

std::array<std::uint8_t, kHexRecordLineSize> HexRecordLine(const ModeFirmwareImage& image,
                                                           std::size_t address) {
    std::array<std::uint8_t, kHexRecordLineSize> line{};
    std::size_t n = 0;
    auto put = [&](std::uint8_t byte) {
        line[n++] = static_cast<std::uint8_t>(UpperHex(byte >> 4));
        line[n++] = static_cast<std::uint8_t>(UpperHex(byte));
    };
    const auto high = static_cast<std::uint8_t>(address >> 8);
    const auto low = static_cast<std::uint8_t>(address);
    unsigned sum = 0x10 + high + low;
    line[n++] = ':';
    put(0x10);
    put(high);
    put(low);
    put(0x00);
    for (std::size_t i = 0; i < 16; ++i) {
        const std::uint8_t b = address + i < image.size() ? image[address + i] : 0xFF;
        sum += b;
        put(b);
    }
    put(static_cast<std::uint8_t>(-sum));
    line[n++] = '\n';
    return line;
}
