#pragma once
// The technician's own folders: where backups, the journal and (when the working folder is not
// writable) the start log go, and where files of their own are looked for.
#include <filesystem>

// $XDG_DATA_HOME/tolvane-jig, else ~/.local/share/tolvane-jig. Not created here.
std::filesystem::path UserDataFolder();
// Puts the user data folder elsewhere (tests); empty goes back to the environment's.
void SetUserDataFolder(std::filesystem::path folder);
std::filesystem::path BackupFolder();
std::filesystem::path JournalFile();

// Creates `folder` (and its parents) when missing; false when it is not a writable folder then.
bool MakeWritableFolder(const std::filesystem::path& folder);
bool FolderWritable(const std::filesystem::path& folder);

// "Start_log.txt" in the working folder when that is writable, else in the user data folder.
std::filesystem::path StartLogPlace();
