#include "operation/OutputFile.h"
#include "port/Tr.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string Reason(int error) {
    return std::strerror(error);
}

// The folder's entry is synced so that the rename survives a power cut.
void SyncFolder(const std::filesystem::path& folder) {
    const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}
} // namespace

std::filesystem::path PartialPath(const std::filesystem::path& target) {
    std::filesystem::path partial = target;
    partial += ".partial";
    return partial;
}

OutputFile::~OutputFile() {
    if (IsOpen())
        Abandon();
}

bool OutputFile::Create(const std::filesystem::path& target) {
    if (IsOpen())
        Abandon();
    error_.clear();
    bytes_ = 0;
    target_ = target;
    struct stat st {};
    if (lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        // The file the link names is the one replaced, as writing through the link would.
        std::error_code ec;
        const std::filesystem::path real = std::filesystem::weakly_canonical(target, ec);
        if (!ec)
            target_ = real;
    }
    if (stat(target_.c_str(), &st) == 0 && !S_ISREG(st.st_mode)) {
        error_ = S_ISDIR(st.st_mode) ? Tr("Common", "a folder, not a file")
                                     : Tr("Common", "not a regular file");
        return false;
    }
    static std::atomic<unsigned> counter{0};
    const std::filesystem::path folder = target_.parent_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp_ = folder / ("." + target_.filename().string() + "." + std::to_string(getpid()) + "-" +
                          std::to_string(counter++) + ".new");
        // O_EXCL: never a file or a planted link that is there already.
        fd_ = open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ >= 0)
            return true;
        if (errno != EEXIST) {
            error_ = Reason(errno);
            return false;
        }
    }
    error_ = Tr("Common", "no free name for the new file");
    return false;
}

bool OutputFile::Write(const void* data, std::size_t size) {
    if (!IsOpen()) {
        if (error_.empty())
            error_ = Tr("Common", "the file is not open");
        return false;
    }
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    while (size > 0) {
        const ssize_t n = write(fd_, bytes, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            error_ = n < 0 ? Reason(errno) : Tr("Common", "nothing written");
            return false;
        }
        bytes += n;
        size -= static_cast<std::size_t>(n);
        bytes_ += static_cast<std::uint64_t>(n);
    }
    return true;
}

void OutputFile::CloseFd() {
    if (fd_ >= 0 && close(fd_) != 0 && error_.empty())
        error_ = Reason(errno);
    fd_ = -1;
}

bool OutputFile::Commit() {
    if (!IsOpen()) {
        if (error_.empty())
            error_ = Tr("Common", "the file is not open");
        return false;
    }
    if (fsync(fd_) != 0)
        error_ = Reason(errno);
    CloseFd();
    if (error_.empty() && rename(temp_.c_str(), target_.c_str()) != 0)
        error_ = Reason(errno);
    if (!error_.empty()) {
        const std::string why = error_;
        fd_ = -2; // Abandon() takes the closed file
        Abandon();
        error_ = why;
        return false;
    }
    SyncFolder(target_.parent_path());
    return true;
}

std::string OutputFile::Abandon() {
    if (fd_ == -1)
        return "";
    CloseFd();
    if (bytes_ == 0) {
        unlink(temp_.c_str());
        return "";
    }
    const std::filesystem::path partial = PartialPath(target_);
    if (rename(temp_.c_str(), partial.c_str()) != 0) {
        const std::string why = Reason(errno);
        unlink(temp_.c_str());
        return Fill(Tr("Common", "The %1 bytes received could not be kept in %2 (%3); %4 is "
                                 "unchanged."),
                    std::to_string(bytes_), partial.string(), why, target_.string());
    }
    SyncFolder(target_.parent_path());
    return Fill(Tr("Common", "The %1 bytes received are kept in %2; %3 is unchanged."),
                std::to_string(bytes_), partial.string(), target_.string());
}
