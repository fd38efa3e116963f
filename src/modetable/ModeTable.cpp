#include "modetable/ModeTable.h"

namespace {
constexpr CommonReplyWaits kNoWaits{};
constexpr CommonReplyWaits kAllReplies{ReplyWait::Reply, ReplyWait::Reply, ReplyWait::Reply};
// The MEC firmware on a PCB2 does not acknowledge the buzzer signals.
constexpr CommonReplyWaits kMecWaits{ReplyWait::Reply, ReplyWait::None, ReplyWait::QueuedExact};

std::vector<ModeEntry> Table() {
    std::vector<ModeEntry> table{
        {.name = "Keyboard testing",
         .link = {.acceptedTags = {"V41", "EPM240"},
                  .memoLines = false,
                  .latencyBeforeTimeouts = true},
         .replies = kNoWaits,
         .pcb2Firmware = "V41",
         .simModule = "keyboard",
         .scenarioSection = "keyboard",
         .cliGroup = "keyboard",
         .cliDescription = TR_NOOP("Cli", "Keyboard matrix tester"),
         .operations = kOpScan},
        {.name = "NUVOTON spi",
         .link = {.readTimeoutMs = 500, .writeTimeoutMs = 500, .acceptedTags = {"NPCE", "EPM240"}},
         .replies = kNoWaits,
         .pcb2Firmware = "NPCE",
         .simModule = "npce-spi",
         .scenarioSection = "npce-spi",
         .cliGroup = "npce",
         .cliDescription = TR_NOOP("Cli", "Nuvoton NPCE288N/388N flash over SPI"),
         .operations = kOpRead | kOpWrite},
        {.name = "NUVOTON jtag",
         .link = {.acceptedTags = {"EPM240", "NPCE"}, .countLine = false},
         .replies = kAllReplies,
         .pcb2Firmware = "NPCE",
         .simModule = "npce-jtag",
         .scenarioSection = "npceJtag",
         .cliGroup = "jtag",
         .cliDescription =
             TR_NOOP("Cli", "Nuvoton NPCE flash over JTAG, prepared by a .vss script"),
         .operations = kOpCheck | kOpRead | kOpWrite},
        {.name = "ENE KB90XX",
         .link = {.acceptedTags = {"V41", "EPM240"}},
         .replies = kAllReplies,
         .pcb2Firmware = "V41",
         .simModule = "ene",
         .scenarioSection = "ene",
         .cliGroup = "ene",
         .cliDescription = TR_NOOP("Cli", "ENE KB9010/9012/9016/9022 flash"),
         .operations = kOpRead | kOpWrite | kOpWiring},
        {.name = "MEC jtag",
         .link = {.acceptedTags = {}, .countLine = false, .successLine = false},
         .replies = kMecWaits,
         .pcb2Firmware = "V42",
         .simModule = "mec",
         .scenarioSection = "mec",
         .cliGroup = "mec",
         .cliDescription = TR_NOOP("Cli", "Microchip MEC16xx over JTAG"),
         .operations = kOpCheck | kOpRead | kOpErase | kOpWrite},
        {.name = "EDID lcd",
         .link = {.acceptedTags = {"V41", "EPM240"},
                  .notFoundLine =
                      TR_NOOP("Link", "-->  The programmer is not found or does not respond")},
         .replies = kNoWaits,
         .pcb2Firmware = "V41",
         .simModule = "edid",
         .scenarioSection = "edid",
         .cliGroup = "edid",
         .cliDescription = TR_NOOP("Cli", "A panel's EDID EEPROM"),
         .operations = kOpRead | kOpWrite},
        {.name = "ITE",
         .link = {.acceptedTags = {"ITE", "EPM240"},
                  .versionPrefix = TR_NOOP("Link", "Programmer FW version -> "),
                  .secondVersionPrefix = TR_NOOP("Link", "Версия FW программатора -> ")},
         .replies = kNoWaits,
         .pcb2Firmware = "ITE",
         .simModule = "ite",
         .scenarioSection = "ite",
         .cliGroup = "ite",
         .cliDescription = TR_NOOP("Cli", "ITE EC flash over the keyboard connector"),
         .operations = kOpCheck | kOpWiring | kOpRead | kOpWrite},
    };
    for (ModeEntry& m : table)
        m.link.window = m.name;
    return table;
}
} // namespace

const std::vector<ModeEntry>& Modes() {
    static const std::vector<ModeEntry> table = Table();
    return table;
}

const ModeEntry* FindMode(std::string_view name) {
    for (const ModeEntry& m : Modes())
        if (name == m.name)
            return &m;
    return nullptr;
}

const std::vector<Pcb2Firmware>& Pcb2Firmwares() {
    static const std::vector<Pcb2Firmware> firmwares{
        {"V41", "M88_ALLPCB_V41.hex"},
        {"V42", "M88_jtag.hex"},
        {"ITE", "ITE_PROJ_M88.hex"},
        {"NPCE", "M88_NPCE288.hex"},
    };
    return firmwares;
}

const Pcb2Firmware* FindPcb2Firmware(std::string_view tag) {
    for (const Pcb2Firmware& f : Pcb2Firmwares())
        if (tag == f.tag)
            return &f;
    return nullptr;
}

const Pcb2Firmware* FindModeFirmware(std::string_view mode) {
    const ModeEntry* m = FindMode(mode);
    return m ? FindPcb2Firmware(m->pcb2Firmware) : nullptr;
}

const ModeEntry* ModeOfLink(const LinkVariant& link) {
    for (const ModeEntry& m : Modes())
        if (&m.link == &link)
            return &m;
    return nullptr;
}
