#include "sim/chips/EdidEeprom.h"

#include "sim/ChipSection.h"
#include "sim/Scenario.h"

#include <algorithm>

namespace {
constexpr std::size_t kSize = 256;
// The host sends the 256 bytes right after the ready byte.
constexpr Millis kDataGap{1000};

} // namespace

SimEdidEeprom::SimEdidEeprom(const Scenario& scenario)
    : SimEdidEeprom(ChipSection(scenario, "edid")) {}

SimEdidEeprom::SimEdidEeprom(ChipSection&& c)
    : panel_(c.Flag("panel", true)), writeProtected_(c.Flag("writeProtected", false)),
      extraReplyBytes_(static_cast<int>(c.Whole("extraReplyBytes", 0, 0, 4096))),
      memory_(c.File(), kSize, 0xFF) {
    c.Finish();
    if (memory_.File().empty())
        memory_.Data() = DefaultImage();
}

std::vector<std::uint8_t> SimEdidEeprom::Contents() const {
    std::lock_guard lock(mutex_);
    return memory_.Data();
}

int SimEdidEeprom::Writes() const {
    std::lock_guard lock(mutex_);
    return writes_;
}

bool SimEdidEeprom::Handle(std::uint8_t command, SimContext& ctx) {
    if (command != 'E')
        return false;
    const std::uint8_t sub = ctx.Rx();
    if (sub == 'r')
        Read(ctx);
    else if (sub == 'w')
        Write(ctx);
    else
        ctx.Surprise("EEPROM command after 'E'", {'E', sub});
    return true;
}

void SimEdidEeprom::Read(SimContext& ctx) {
    // 256 bytes over 100 kHz I2C.
    ctx.Busy(std::chrono::microseconds(24000), "reading the EEPROM");
    std::vector<std::uint8_t> reply(kSize, 0xFF);
    if (panel_) {
        std::lock_guard lock(mutex_);
        reply = memory_.Data();
    }
    reply.push_back(panel_ ? 'O' : 'E');
    reply.push_back(panel_ ? 'K' : 'R');
    reply.insert(reply.end(), static_cast<std::size_t>(extraReplyBytes_), 0x55);
    ctx.Tx(reply);
}

void SimEdidEeprom::Write(SimContext& ctx) {
    ctx.Tx('w');
    std::vector<std::uint8_t> data;
    while (data.size() < kSize) {
        const std::optional<std::uint8_t> b = ctx.RxFor(kDataGap);
        if (!b)
            return; // the host gave up: nothing is written
        data.push_back(*b);
    }
    if (!panel_ || writeProtected_) {
        ctx.Busy(std::chrono::microseconds(1000), "addressing the EEPROM");
        ctx.Tx(std::string("ER"));
        return;
    }
    // 32 pages of 8 bytes, 5 ms each.
    ctx.ChipBusy(std::chrono::milliseconds(160), "writing the EEPROM");
    {
        std::lock_guard lock(mutex_);
        memory_.Data() = data;
        memory_.Save();
        ++writes_;
    }
    ctx.Tx(std::string("OK"));
}

std::vector<std::uint8_t> SimEdidEeprom::DefaultImage() {
    // A 15.6" 1366x768 laptop panel, EDID 1.4, no extension.
    std::vector<std::uint8_t> e(kSize, 0xFF);
    const std::uint8_t base[128] = {
        0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, // header
        0x06, 0xAF,                                     // "AUO"
        0xEC, 0x21,                                     // product 0x21EC
        0x00, 0x00, 0x00, 0x00,                         // serial
        0x01, 0x16,                                     // week 1 of 2012
        0x01, 0x04,                                     // EDID 1.4
        0x90, 0x22, 0x13, 0x78, 0x02,                   // digital, 34 x 19 cm, gamma 2.2
        0xC8, 0x95, 0x9E, 0x57, 0x54, 0x92, 0x26, 0x0F, 0x50, 0x54, // colour points
        0x00, 0x00, 0x00,                                           // no established timings
        0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,             // no standard timings
        0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
        // 1366x768, 76.30 MHz, totals 1592 x 800 (59.91 Hz)
        0xCE, 0x1D, 0x56, 0xE2, 0x50, 0x00, 0x20, 0x30, 0x44, 0x2D, 0x47, 0x00, 0x58, 0xC1, 0x10,
        0x00, 0x00, 0x18, 0x00, 0x00, 0x00, 0x0F, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
        0x00, 0x00, 0x00, 0x00, 0x00, 0x20, // manufacturer-specified
        0x00, 0x00, 0x00, 0xFE, 0x00, 'A', 'U', 'O', 0x0A, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20, 0x20,
        0x20, 0x20, // text "AUO"
        0x00, 0x00, 0x00, 0xFE, 0x00, 'B', '1', '5', '6', 'X', 'W', '0', '2', ' ', 'V', '2', ' ',
        0x0A, // text "B156XW02 V2"
        0x00, // no extension
        0x00, // checksum, set below
    };
    std::copy(std::begin(base), std::end(base), e.begin());
    unsigned sum = 0;
    for (int i = 0; i < 127; ++i)
        sum += e[static_cast<std::size_t>(i)];
    e[127] = static_cast<std::uint8_t>(0x100 - (sum & 0xFF));
    return e;
}
