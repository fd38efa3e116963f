#include "port/UserFolders.h"

#include <cstdlib>
#include <mutex>
#include <pwd.h>
#include <system_error>
#include <unistd.h>

namespace {
std::mutex folderMutex;
std::filesystem::path chosenFolder;

std::filesystem::path HomeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir)
        return pw->pw_dir;
    return "/tmp";
}
} // namespace

void SetUserDataFolder(std::filesystem::path folder) {
    std::lock_guard lock(folderMutex);
    chosenFolder = std::move(folder);
}

std::filesystem::path UserDataFolder() {
    {
        std::lock_guard lock(folderMutex);
        if (!chosenFolder.empty())
            return chosenFolder;
    }
    // A relative XDG_DATA_HOME is invalid and ignored, as the base-directory rules say.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/')
        return std::filesystem::path(xdg) / "tolvane-jig";
    return HomeFolder() / ".local" / "share" / "tolvane-jig";
}

std::filesystem::path BackupFolder() {
    return UserDataFolder() / "backups";
}

std::filesystem::path JournalFile() {
    return UserDataFolder() / "journal.jsonl";
}

bool FolderWritable(const std::filesystem::path& folder) {
    std::error_code ec;
    return std::filesystem::is_directory(folder, ec) && access(folder.c_str(), W_OK | X_OK) == 0;
}

bool MakeWritableFolder(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    return FolderWritable(folder);
}

std::filesystem::path StartLogPlace() {
    std::error_code ec;
    const std::filesystem::path here = std::filesystem::current_path(ec);
    if (!ec && FolderWritable(here))
        return "Start_log.txt";
    MakeWritableFolder(UserDataFolder());
    return UserDataFolder() / "Start_log.txt";
}
