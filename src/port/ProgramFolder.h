#pragma once
// "The folder of the program file": where the firmware files and the default script lie.
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Empty goes back to the folder of the running executable.
void SetProgramFolder(std::filesystem::path folder);
std::filesystem::path ProgramFolder();

// Where a file was looked for, in order, and where it was found.
struct FileLookup {
    std::optional<std::filesystem::path> found;
    std::vector<std::filesystem::path> tried;
};

enum class LookFirst { ProgramFolder, WorkingFolder };

// `name` where the program has always looked for it (the working folder, with WorkingFolder),
// then beside the program, in the user data folder, and in ../share/tolvane-jig beside the
// program (where an installed program keeps its files). An absolute name is looked for only as
// it is.
FileLookup LookUpFile(const std::string& name, LookFirst first);
// "NAME not found (looked in A, B, C)".
std::string NotFoundLine(const std::string& name, const FileLookup& lookup);

// LookUpFile(name, LookFirst::ProgramFolder).found.
std::optional<std::filesystem::path> FindBesideProgram(const std::string& name);
