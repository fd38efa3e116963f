#include "modes/Nuvoton_jtag_form/VssScript.h"

#include "port/Tr.h"

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

std::optional<std::vector<JigCommand>> DataLine(std::string_view text) {
    const auto code = Hex(text, 2, 2);
    if (!code)
        return std::nullopt;
    const auto x = static_cast<std::uint8_t>(*code);
    if (text.size() <= 7)
        return std::vector<JigCommand>{DrShift(x)};
    const auto value = Hex(text, 7, 8);
    if (!value)
        return std::nullopt;
    if (text.size() >= 18 && text[15] == ' ')
        if (const auto trailer = Hex(text, 16, 2))
            return std::vector<JigCommand>{
                PairWithTrailer(static_cast<std::uint8_t>(*trailer), x, *value)};
    return std::vector<JigCommand>{DrShift(x), DrShift32(*value)};
}

bool IsCommand(std::string_view line) {
    return !line.empty() && (line[0] == 'i' || line[0] == 'd' || line[0] == 'D');
}

// A line as the log can show it: printable, and not too long.
std::string Shown(std::string_view line) {
    constexpr std::size_t kShown = 60;
    std::string shown = "\"";
    for (std::size_t i = 0; i < line.size() && i < kShown; ++i) {
        const auto c = static_cast<unsigned char>(line[i]);
        if (c >= 0x20 && c < 0x7F) {
            shown += static_cast<char>(c);
        } else {
            static const char* digits = "0123456789ABCDEF";
            shown += std::string("\\x") + digits[c >> 4] + digits[c & 0x0F];
        }
    }
    return shown + (line.size() > kShown ? "...\"" : "\"");
}

std::string LineError(std::size_t number, std::string_view line, const std::string& why) {
    if (line.ends_with('\r'))
        line.remove_suffix(1); // the line end as the format wants it
    return Fill(Tr("Jtag", "Script line %1 %2: %3. Nothing of the script was sent."),
                std::to_string(number), Shown(line), why);
}

// Why one complete line may not be played; empty when it may.
std::string LineProblem(std::string_view line, std::vector<JigCommand>* commands) {
    // A comment is no exception: what follows its CR may be the commands of other lines.
    const std::size_t cr = line.find('\r');
    if (cr != std::string_view::npos && line.find_first_not_of('\r', cr) != std::string_view::npos)
        return Tr("Jtag",
                  "text after its CR (are the line ends a CR alone, or is it not an 8-bit text?)");
    if (!IsCommand(line))
        return "";
    if (line.size() > kLineBuffer)
        return Fill(Tr("Jtag", "a command line longer than %1 bytes"), std::to_string(kLineBuffer));
    const auto interpreted = InterpretVssLine(line);
    if (!interpreted)
        return Tr("Jtag", "not a command the script format knows (i XX, d XX, d XX = YYYYYYYY "
                          "[ZZ], D YYYYYYYY)");
    *commands = *interpreted;
    return "";
}
} // namespace

std::optional<std::vector<JigCommand>> InterpretVssLine(std::string_view line) {
    const std::string_view text = line.substr(0, line.find('\r'));
    if (text.empty())
        return std::vector<JigCommand>{};
    switch (text[0]) {
    case 'i':
        if (const auto v = Hex(text, 2, 2))
            return std::vector<JigCommand>{IrShift(static_cast<std::uint8_t>(*v))};
        return std::nullopt;
    case 'D':
        if (const auto v = Hex(text, 2, 8))
            return std::vector<JigCommand>{DrShift32(*v)};
        return std::nullopt;
    case 'd':
        return DataLine(text);
    default:
        return std::vector<JigCommand>{};
    }
}

VssScript ParseVssScript(std::string_view bytes) {
    VssScript script;
    std::size_t start = 0;
    for (std::size_t lf; (lf = bytes.find('\n', start)) != std::string_view::npos; start = lf + 1) {
        const std::string_view line = bytes.substr(start, lf - start);
        const std::size_t number = ++script.lines;
        std::vector<JigCommand> commands;
        if (const std::string why = LineProblem(line, &commands); !why.empty()) {
            script.error = LineError(number, line, why);
            return script;
        }
        if (!commands.empty())
            script.commandLines.push_back({number, std::move(commands)});
    }
    const std::string_view last = bytes.substr(start);
    if (last.find_first_not_of(" \t\r") != std::string_view::npos) {
        script.error =
            LineError(script.lines + 1, last,
                      Tr("Jtag", "the last line has no line end (LF), so it would never run"));
        return script;
    }
    if (script.commandLines.empty())
        script.error = Tr("Jtag", "The script holds no command line (i, d or D): nothing to send. "
                                  "Is it an 8-bit text file?");
    return script;
}

} // namespace NuvJtag
