#include "sim/SimSurprise.h"

#include <cstdio>
#include <mutex>
#include <sstream>

namespace {
constexpr const char* kLead = "protocol surprise at ";

std::mutex& ObserverMutex() {
    static std::mutex m;
    return m;
}

SimSurpriseObserver& Observer() {
    static SimSurpriseObserver o;
    return o;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}
} // namespace

std::string SimSurprise::Describe() const {
    char when[48];
    std::snprintf(when, sizeof when, "%lld.%03lld ms", static_cast<long long>(atMicros / 1000),
                  static_cast<long long>(atMicros % 1000));
    std::string line = std::string(kLead) + when + ", " + step + ":";
    for (std::uint8_t b : bytes) {
        char hex[4];
        std::snprintf(hex, sizeof hex, " %02X", b);
        line += hex;
    }
    return line;
}

void SetSimSurpriseObserver(SimSurpriseObserver observer) {
    std::lock_guard lock(ObserverMutex());
    Observer() = std::move(observer);
}

void ReportSimSurprise(const SimSurprise& surprise) {
    std::lock_guard lock(ObserverMutex());
    if (Observer())
        Observer()(surprise);
    else
        std::fprintf(stderr, "%s\n", surprise.Describe().c_str());
}

std::vector<SimSurprise> ParseSimSurprises(const std::string& text) {
    std::vector<SimSurprise> found;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t lead = line.find(kLead);
        const std::size_t comma = line.find(" ms, ", lead);
        const std::size_t colon = line.rfind(':');
        if (lead == std::string::npos || comma == std::string::npos || colon < comma)
            continue;
        SimSurprise s;
        s.step = line.substr(comma + 5, colon - comma - 5);
        double ms = 0;
        std::sscanf(line.c_str() + lead + std::char_traits<char>::length(kLead), "%lf", &ms);
        s.atMicros = static_cast<std::int64_t>(ms * 1000 + 0.5);
        for (std::size_t i = colon + 1; i + 2 < line.size(); i += 3) {
            if (line[i] != ' ')
                break;
            const int hi = HexDigit(line[i + 1]), lo = HexDigit(line[i + 2]);
            if (hi < 0 || lo < 0)
                break;
            s.bytes.push_back(static_cast<std::uint8_t>(hi * 16 + lo));
        }
        found.push_back(std::move(s));
    }
    return found;
}
