#include "port/RegularFile.h"
#include "port/Tr.h"

#include <cerrno>
#include <cstring>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/vfs.h>

namespace {
// Files of the kernel's own file systems claim a size of 0 or 4096 whatever they hold.
bool OnKernelFileSystem(const std::filesystem::path& path) {
    struct statfs fs {};
    if (statfs(path.c_str(), &fs) != 0)
        return false;
    return fs.f_type == PROC_SUPER_MAGIC || fs.f_type == SYSFS_MAGIC || fs.f_type == DEBUGFS_MAGIC;
}
} // namespace

std::string RegularFileProblem(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    struct stat st {};
    if (stat(path.c_str(), &st) != 0)
        return std::strerror(errno);
    if (!S_ISREG(st.st_mode))
        return S_ISDIR(st.st_mode) ? Tr("Common", "a folder, not a file")
                                   : Tr("Common", "not a regular file");
    if (OnKernelFileSystem(path))
        return Tr("Common", "not a regular file");
    if (static_cast<std::uintmax_t>(st.st_size) > maxBytes)
        return Fill(Tr("Common", "%1 bytes, larger than the %2 bytes allowed"),
                    std::to_string(st.st_size), std::to_string(maxBytes));
    return "";
}

std::string FileProblemLine(const std::filesystem::path& path, const std::string& reason) {
    return path.string() + ": " + reason;
}
