// The Intel HEX loader of the mode firmware files: any bytes parse or are refused, and an image
// that parsed comes back unchanged through the record lines the bootloader is sent.
#include "shell/HexImage.h"
#include "support/FuzzCheck.h"

#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ModeFirmwareImage image;
    if (!ParseModeFirmwareHex({data, size}, &image))
        return 0;
    FUZZ_CHECK(image.size() == kModeFirmwareImageSize);
    const auto last = LastProgrammedAddress(image);
    if (!last)
        return 0;
    FUZZ_CHECK(*last < image.size() && image[*last] != 0xFF);
    std::vector<std::uint8_t> text;
    for (std::size_t a = 0; a <= *last; a += 16) {
        // The bootloader is sent each line with its LF; in a file the lines end in CR LF.
        const auto line = HexRecordLine(image, a);
        text.insert(text.end(), line.begin(), line.end() - 1);
        text.push_back('\r');
        text.push_back('\n');
    }
    const char* end = ":00000001FF\r\n";
    text.insert(text.end(), end, end + std::strlen(end));
    ModeFirmwareImage again;
    FUZZ_CHECK(ParseModeFirmwareHex(text, &again));
    FUZZ_CHECK(again == image);
    return 0;
}
