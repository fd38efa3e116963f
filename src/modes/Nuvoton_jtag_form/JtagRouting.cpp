#include "modes/Nuvoton_jtag_form/JtagRouting.h"

namespace NuvJtag {
namespace {
constexpr int kCableContacts = 30;
constexpr std::uint8_t kDriveMask = 0x10;
constexpr std::uint8_t kSecondSelector = 0x20;
constexpr std::uint8_t kFirstSelector = 0x24;
constexpr std::uint8_t kReadBack = 0x40;

// Pin 1 of the cable on pin 1 of the keyboard connector.
constexpr FfcMap kTypeB{"TYPE B",
                        {{{Signal::Zero, 'A', 7},
                          {Signal::Tck, 'B', 19},
                          {Signal::Tdo, 'C', 10},
                          {Signal::Tdi, 'D', 21},
                          {Signal::Tms, 'E', 20}}}};

struct Selector {
    bool first, second;
};

Selector SelectorOf(Signal s) {
    switch (s) {
    case Signal::Zero:
        return {true, true};
    case Signal::Tdi:
        return {true, false};
    case Signal::Tck:
        return {false, true};
    case Signal::Tms:
    case Signal::Tdo:
        break;
    }
    return {false, false};
}
} // namespace

FfcMap MapFor(bool pin1ToPin1) {
    if (pin1ToPin1)
        return kTypeB;
    FfcMap mirrored = kTypeB;
    mirrored.type = "TYPE A";
    for (SignalContact& s : mirrored.signals)
        s.contact = kCableContacts + 1 - s.contact;
    return mirrored;
}

std::string MapText(const FfcMap& map) {
    std::string text;
    for (const SignalContact& s : map.signals)
        text += (text.empty() ? "" : " ") + std::string(1, s.line) + std::to_string(s.contact);
    return text;
}

std::vector<RoutingWrite> RoutingWrites(const FfcMap& map) {
    std::array<std::uint8_t, 4> drive{}, first{}, second{};
    std::uint8_t readBack = 0;
    for (const SignalContact& s : map.signals) {
        const int group = (s.contact - 1) / 8;
        const auto bit = static_cast<std::uint8_t>(1u << ((s.contact - 1) % 8));
        if (s.signal == Signal::Tdo) {
            readBack = static_cast<std::uint8_t>(0x80 + ((s.contact - 1) & 0x1F));
            continue;
        }
        const Selector sel = SelectorOf(s.signal);
        drive[group] |= bit;
        if (sel.first)
            first[group] |= bit;
        if (sel.second)
            second[group] |= bit;
    }
    std::vector<RoutingWrite> writes{{kReadBack, readBack}};
    for (int g = 0; g < 4; ++g) {
        writes.push_back({static_cast<std::uint8_t>(kFirstSelector + g), first[g]});
        writes.push_back({static_cast<std::uint8_t>(kSecondSelector + g), second[g]});
    }
    for (int g = 0; g < 4; ++g)
        writes.push_back({static_cast<std::uint8_t>(kDriveMask + g), drive[g]});
    return writes;
}

} // namespace NuvJtag
