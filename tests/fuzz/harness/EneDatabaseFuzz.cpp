// "MB connection ENE.txt": every line of any file, on every cable of the list, both ways round.
#include "modes/Kb901x_form/EneDatabase.h"
#include "modes/Kb901x_form/FfcRouting.h"
#include "support/FuzzCheck.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& entry : SplitEneDatabase(bytes)) {
        FUZZ_CHECK(entry.find('\n') == std::string::npos && entry.find('\r') == std::string::npos);
        const auto pins = ParseEnePins(entry);
        if (pins) {
            for (int p : {pins->zero, pins->cs, pins->dataFrom, pins->dataTo, pins->clk})
                FUZZ_CHECK(p >= 0 && p <= 99);
        }
        for (const std::string& cable : FfcCableItems()) {
            for (bool oneToOne : {true, false}) {
                const EneHelp help = EneHelpLabel(entry, cable, oneToOne);
                FUZZ_CHECK(!help.label.empty());
                const int n = CablePinCount(cable);
                if (!pins || !PinsFitCable(*pins, n))
                    continue;
                const EnePins c = CablePins(*pins, n, oneToOne);
                const CpldRouting r = ComputeCpldRouting(c);
                for (int p : {c.zero, c.cs, c.dataTo, c.clk}) {
                    FUZZ_CHECK(p >= 1 && p <= n);
                    FUZZ_CHECK(r.drive & (1u << (p - 1)));
                }
                FUZZ_CHECK(CpldRoutingWrites(r).size() == 13);
            }
        }
    }
    return 0;
}
