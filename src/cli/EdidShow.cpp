#include "cli/CliCommand.h"
#include "modes/Edid/EdidDecode.h"
#include "modes/Edid/EdidImage.h"
#include "port/RegularFile.h"
#include "port/Tr.h"

#include <cstdio>

int RunEdidShow(const CliArgs& args) {
    const std::string& file = args.positional.at(0);
    // Checked first: opening a pipe would wait for a writer, a device never ends.
    if (const std::string problem = RegularFileProblem(file, kLargestFileToRead);
        !problem.empty()) {
        std::fprintf(stderr, "%s\n", FileProblemLine(file, problem).c_str());
        return kExitUnavailable;
    }
    const std::optional<Edid::LoadedImage> loaded = Edid::LoadImageFile(file);
    if (!loaded) {
        std::fprintf(stderr, "%s\n", Fill(Tr("Edid", "cannot read %1"), file).c_str());
        return kExitUnavailable;
    }
    if (loaded->fileSize != Edid::kImageSize)
        std::printf("%s\n", Fill(loaded->fileSize < Edid::kImageSize
                                     ? Tr("Edid", "%1 holds %2 bytes; the EEPROM takes them "
                                                  "followed by FF.")
                                     : Tr("Edid", "%1 holds %2 bytes; the EEPROM takes only the "
                                                  "first 256."),
                                 file, std::to_string(loaded->fileSize))
                                .c_str());
    for (const std::string& line : Edid::DumpLines(loaded->image))
        std::printf("%s\n", line.c_str());
    std::printf("\n");
    for (const std::string& line : Edid::SummaryLines(Edid::Decode(loaded->image)))
        std::printf("%s\n", line.c_str());
    return kExitOk;
}
