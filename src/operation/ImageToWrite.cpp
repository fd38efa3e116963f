#include "operation/ImageToWrite.h"

#include "port/FileBytes.h"
#include "port/RegularFile.h"
#include "port/Tr.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>

ImageToWrite LoadImageToWrite(const std::filesystem::path& path, std::size_t chipBytes,
                              std::size_t largest) {
    ImageToWrite image;
    largest = std::max(largest, chipBytes);
    const std::string problem = RegularFileProblem(path, UINTMAX_MAX);
    if (!problem.empty()) {
        image.error = FileProblemLine(path, problem);
        image.unavailable = true;
        return image;
    }
    errno = 0;
    const std::optional<std::string> bytes = ReadFileBytes(path, largest + 1);
    if (!bytes) {
        image.error =
            FileProblemLine(path, errno ? std::strerror(errno) : Tr("Common", "it cannot be read"));
        image.unavailable = true;
        return image;
    }
    if (bytes->empty()) {
        image.error = FileProblemLine(path, Tr("Common", "the file is empty"));
        return image;
    }
    if (bytes->size() > largest) {
        image.error =
            FileProblemLine(path, Fill(Tr("Common", "larger than the %1 bytes the chip takes"),
                                       std::to_string(largest)));
        return image;
    }
    image.fileSize = bytes->size();
    image.bytes.assign(std::max(chipBytes, bytes->size()), 0xFF);
    std::copy(bytes->begin(), bytes->end(), image.bytes.begin());
    return image;
}
