#include "operation/ImageToWrite.h"

#include "port/FileBytes.h"
#include "port/RegularFile.h"

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
        image.error = FileProblemLine(path, errno ? std::strerror(errno) : "it cannot be read");
        image.unavailable = true;
        return image;
    }
    if (bytes->empty()) {
        image.error = FileProblemLine(path, "the file is empty");
        return image;
    }
    if (bytes->size() > largest) {
        image.error = FileProblemLine(path, "larger than the " + std::to_string(largest) +
                                                " bytes the chip takes");
        return image;
    }
    image.fileSize = bytes->size();
    image.bytes.assign(std::max(chipBytes, bytes->size()), 0xFF);
    std::copy(bytes->begin(), bytes->end(), image.bytes.begin());
    return image;
}
