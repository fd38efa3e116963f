#pragma once
// Reading a whole text or data file that the technician chose or that lies beside the program.
#include <cstddef>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>

// At most `limit` bytes from the start of the file; nothing when it cannot be opened or a read
// fails (a folder, an I/O error): such a file is not an empty one.
std::optional<std::string>
ReadFileBytes(const std::filesystem::path& path,
              std::size_t limit = std::numeric_limits<std::size_t>::max());
