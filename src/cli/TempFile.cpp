#include "cli/TempFile.h"

#include "operation/OutputFile.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

TempFile::TempFile(const std::string& prefix) {
    std::error_code ec;
    std::string pattern =
        (std::filesystem::temp_directory_path(ec) / (prefix + "-XXXXXX")).string();
    const int fd = mkstemp(pattern.data());
    if (fd >= 0) {
        close(fd);
        path_ = pattern;
    }
}

TempFile::~TempFile() {
    if (path_.empty())
        return;
    std::remove(path_.c_str());
    // What a read-back that failed kept aside is of no use to anyone.
    std::remove(PartialPath(path_).c_str());
}
