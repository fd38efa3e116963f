// The system's PNP ID list (pnp.ids): any file is read, and a name found is one of its lines.
#include "modes/Edid/PnpIds.h"
#include "support/FuzzCheck.h"
#include "support/FuzzFile.h"

#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    PnpIds::SetPath(FuzzFile("pnp.ids", data, size));
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // The first three bytes as an ID, and one the list may or may not have.
    for (std::string id : {std::string(text.substr(0, 3)), std::string("ABC")}) {
        const PnpIds::Answer a = PnpIds::Find(id);
        FUZZ_CHECK(a.lookup != PnpIds::Lookup::NoList);
        if (a.lookup == PnpIds::Lookup::Found) {
            FUZZ_CHECK(!a.name.empty());
            FUZZ_CHECK(text.find(id + "\t" + a.name) != std::string_view::npos);
            FUZZ_CHECK(a.name.find('\n') == std::string::npos);
        }
    }
    return 0;
}
