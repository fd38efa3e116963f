#include "port/ProgramFolder.h"

#include "port/Tr.h"
#include "port/UserFolders.h"

#include <mutex>
#include <system_error>

namespace {
std::mutex folderMutex;
std::filesystem::path chosenFolder;

std::filesystem::path ExecutableFolder() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec)
        return std::filesystem::current_path(ec);
    return exe.parent_path();
}

bool IsFile(const std::filesystem::path& p) {
    std::error_code ec;
    return std::filesystem::is_regular_file(p, ec);
}
} // namespace

void SetProgramFolder(std::filesystem::path folder) {
    if (!folder.empty() && !folder.has_filename())
        folder = folder.parent_path(); // "bin/" is "bin": its parent is the install prefix
    std::lock_guard lock(folderMutex);
    chosenFolder = std::move(folder);
}

std::filesystem::path ProgramFolder() {
    {
        std::lock_guard lock(folderMutex);
        if (!chosenFolder.empty())
            return chosenFolder;
    }
    static const std::filesystem::path exeFolder = ExecutableFolder();
    return exeFolder;
}

FileLookup LookUpFile(const std::string& name, LookFirst first) {
    FileLookup lookup;
    const std::filesystem::path asGiven(name);
    if (asGiven.is_absolute()) {
        lookup.tried = {asGiven};
    } else {
        std::error_code ec;
        const std::filesystem::path folder = ProgramFolder();
        if (first == LookFirst::WorkingFolder)
            lookup.tried.push_back(std::filesystem::current_path(ec) / name);
        // Beside the program too: started from another folder, its files are still there.
        lookup.tried.insert(lookup.tried.end(),
                            {folder / name, UserDataFolder() / name,
                             folder.parent_path() / "share" / "tolvane-jig" / name});
    }
    for (const std::filesystem::path& candidate : lookup.tried)
        if (IsFile(candidate)) {
            lookup.found = candidate;
            break;
        }
    return lookup;
}

std::string NotFoundLine(const std::string& name, const FileLookup& lookup) {
    std::string places;
    for (const std::filesystem::path& p : lookup.tried)
        places += (places.empty() ? "" : ", ") + p.parent_path().string();
    return Fill(Tr("Common", "%1 not found (looked in %2)"), name, places);
}

std::optional<std::filesystem::path> FindBesideProgram(const std::string& name) {
    return LookUpFile(name, LookFirst::ProgramFolder).found;
}
