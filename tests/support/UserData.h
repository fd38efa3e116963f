#pragma once
// Where the program keeps its backups and journal, as a test sees them.
#include "port/UserFolders.h"
#include "safety/Journal.h"
#include "support/SimFixture.h"

#include <algorithm>
#include <filesystem>
#include <vector>

// The entries of `folder` in name order; none when it does not exist.
inline std::vector<std::filesystem::path> FilesIn(const std::string& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
        files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

// A user data folder of its own for the code in the test's process, while it lives.
class TestUserData : public TempDir {
  public:
    TestUserData() { SetUserDataFolder(Path()); }
    ~TestUserData() { SetUserDataFolder({}); }
    std::vector<std::filesystem::path> Backups() const { return FilesIn(File("backups")); }
    std::vector<JournalRecord> Journal() const { return LoadJournal(File("journal.jsonl")); }
};
