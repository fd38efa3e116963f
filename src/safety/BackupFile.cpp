#include "safety/BackupFile.h"

#include "port/Tr.h"
#include "port/UserFolders.h"

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <unistd.h>

namespace {
std::string Clean(const std::string& text) {
    std::string out;
    for (char c : text) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.';
        out.push_back(plain ? c : '_');
    }
    return out;
}

std::string Now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d_%H%M%S", &local);
    return text;
}

// Everything, or the reason it did not all go.
std::string WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t n = write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? std::strerror(errno) : Tr("Common", "nothing written");
        bytes = bytes.subspan(static_cast<std::size_t>(n));
    }
    return fsync(fd) == 0 ? "" : std::strerror(errno);
}
} // namespace

std::string BackupFileName(const std::string& mode, const std::string& chipId,
                           const std::string& dateTime, int attempt) {
    std::string name = Clean(mode) + "_" + dateTime;
    if (!chipId.empty())
        name += "_" + Clean(chipId);
    if (attempt > 1)
        name += "-" + std::to_string(attempt);
    return name + ".bin";
}

SavedBackup SaveBackup(const std::string& mode, const std::string& chipId,
                       std::span<const std::uint8_t> image) {
    SavedBackup saved;
    const std::filesystem::path folder = BackupFolder();
    if (!MakeWritableFolder(folder)) {
        saved.path = folder;
        saved.error = Tr("Common", "the folder cannot be created or written");
        return saved;
    }
    const std::string when = Now();
    int fd = -1;
    for (int attempt = 1; fd < 0 && attempt <= 1000; ++attempt) {
        saved.path = folder / BackupFileName(mode, chipId, when, attempt);
        // O_EXCL: a backup is never replaced, not even by one taken in the same second.
        fd = open(saved.path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0 && errno != EEXIST) {
            saved.error = std::strerror(errno);
            return saved;
        }
    }
    if (fd < 0) {
        saved.error = Tr("Common", "no free file name");
        return saved;
    }
    saved.error = WriteAll(fd, image);
    if (close(fd) != 0 && saved.error.empty())
        saved.error = std::strerror(errno);
    if (!saved.Ok())
        unlink(saved.path.c_str());
    return saved;
}
