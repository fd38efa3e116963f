// The EDID decoder: any image, of any length, decodes without touching a byte beyond it, and
// the summary it prints agrees with the checksums it found.
#include "modes/Edid/EdidDecode.h"
#include "modes/Edid/EdidImage.h"
#include "support/FuzzCheck.h"

#include <numeric>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Exactly the bytes given, on the heap, so that a read past them is caught.
    std::vector<std::uint8_t> image(data, data + size);
    const Edid::Summary s = Edid::Decode(image);
    FUZZ_CHECK(!s.checksums.empty());
    FUZZ_CHECK(s.checksums.size() <= 1 + size / Edid::kBlockSize);
    for (const Edid::BlockChecksum& c : s.checksums) {
        const std::size_t at = static_cast<std::size_t>(c.block) * Edid::kBlockSize;
        if (at + Edid::kBlockSize > size)
            continue;
        const unsigned sum = std::accumulate(image.begin() + static_cast<long>(at),
                                             image.begin() + static_cast<long>(at) + 128, 0u);
        FUZZ_CHECK(c.ok == ((sum & 0xFF) == 0));
    }
    FUZZ_CHECK(s.manufacturerId.empty() || s.manufacturerId.size() == 3);
    if (s.preferred)
        (void)s.preferred->refreshMilliHz();
    const auto lines = Edid::SummaryLines(s);
    FUZZ_CHECK(!lines.empty() && lines.front() == "EDID at a glance:");
    if (size >= Edid::kImageSize) {
        const auto dump = Edid::DumpLines(*reinterpret_cast<const Edid::Image*>(image.data()));
        FUZZ_CHECK(dump.size() == 16);
    }
    return 0;
}
