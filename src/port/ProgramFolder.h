#pragma once
// "The folder of the program file": where the firmware files and the default script lie.
#include <filesystem>
#include <optional>
#include <string>

// Empty goes back to the folder of the running executable.
void SetProgramFolder(std::filesystem::path folder);
std::filesystem::path ProgramFolder();

// `name` beside the program, else in ../share/tolvane-jig beside it (where an installed
// program keeps its files); nothing when it is in neither.
std::optional<std::filesystem::path> FindBesideProgram(const std::string& name);
