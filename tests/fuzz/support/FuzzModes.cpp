#include "support/FuzzModes.h"

#include "support/FuzzFile.h"
#include "support/FuzzJig.h"
#include "support/ModeAdapters.h"

#include <cstdio>
#include <cstdlib>

const std::vector<FuzzMode>& FuzzModes() {
    static const std::vector<FuzzMode> modes{
        {"ene", "ENE KB90XX", {"read", "write", "ffc"}, {{0, "read"}, {1, "write"}, {2, "ffc"}}},
        {"mec",
         "MEC jtag",
         {"check", "read", "erase", "write"},
         {{0, "check"}, {1, "read"}, {2, "erase"}, {3, "write"}, {0x81, "read-info"}}},
        {"ite",
         "ITE",
         {"check", "apply", "read", "write"},
         {{0, "check"}, {1, "apply"}, {2, "read"}, {3, "write"}}},
        {"npce", "NUVOTON spi", {"read", "write"}, {{0, "read"}, {1, "write"}}},
        // Selectors 2 and 3: the cable's first end, as the window's default.
        {"jtag", "NUVOTON jtag", {"read", "write"}, {{2, "read"}, {3, "write"}}},
        // Selector 3: "yes" to a write whose image has no valid checksum.
        {"edid", "EDID lcd", {"read", "write"}, {{0, "read"}, {3, "write"}}},
        {"keyboard", "Keyboard testing", {"scan"}, {{0, "scan"}}},
    };
    return modes;
}

const FuzzMode& FindFuzzMode(const std::string& name) {
    for (const FuzzMode& m : FuzzModes())
        if (name == m.name)
            return m;
    std::fprintf(stderr, "no fuzzed mode %s\n", name.c_str());
    std::abort();
}

ModeRunResult RunFuzzMode(const FuzzMode& mode, std::uint8_t selector,
                          const std::shared_ptr<FtdiApi>& api) {
    const char* operation = mode.operations[selector % mode.operations.size()];
    const ModeAdapter* adapter = FindModeAdapter(mode.mode, operation);
    if (!adapter) {
        std::fprintf(stderr, "no adapter for %s %s\n", mode.mode, operation);
        std::abort();
    }
    ModeRequest request;
    request.api = api;
    if (adapter->Reads())
        request.file = FuzzOutput(std::string(mode.name) + "-read.bin");
    else if (adapter->Writes())
        request.file = FuzzImage(adapter->fileSize);
    // The selector's bits as the modes read them (see ModeRequest::variant); the JTAG cable's
    // end and the EEPROM's answer are the other way round in the selector.
    request.variant = selector & 0x80;
    const std::string name = mode.name;
    if (name == "jtag" || name == "edid")
        request.variant |= (selector & 0x02) ^ 0x02;
    if (name == "keyboard")
        request.variant |= selector & 0x03;
    request.scanToItsEnd = true;
    const ModeResult r = adapter->run(*adapter, request);

    ModeRunResult result;
    result.succeeded = r.succeeded;
    result.broken = r.broken;
    result.lines = r.lines;
    auto hold = [&](bool ok, const char* what) {
        if (!ok)
            result.broken.push_back(what);
    };
    hold(r.idle, "state NONE");
    hold(r.linkClosed, "link closed");
    hold(r.controlsEnabled, "controls enabled");
    return result;
}

int RunFuzzedMode(const std::string& name, const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    auto api = std::make_shared<FuzzFtdiApi>(data + 1, size - 1);
    const ModeRunResult r = RunFuzzMode(FindFuzzMode(name), data[0], api);
    if (!r.broken.empty()) {
        for (const std::string& what : r.broken)
            std::fprintf(stderr, "%s: property failed: %s\n", name.c_str(), what.c_str());
        for (const std::string& line : r.lines)
            std::fprintf(stderr, "  | %s\n", line.c_str());
        std::abort();
    }
    return 0;
}
