#pragma once
// Makers' names for the three-letter PNP IDs, from the system's list (hwdata's pnp.ids) when it
// is installed. The list is read once, on first use.
#include <filesystem>
#include <optional>
#include <string>

namespace PnpIds {

enum class Lookup { Found, NotListed, NoList };

struct Answer {
    Lookup lookup = Lookup::NoList;
    std::string name;
};

Answer Find(const std::string& id);

// Tests and packagers point the lookup at another file; the list is read again on next use.
void SetPath(std::filesystem::path path);
std::filesystem::path DefaultPath();

} // namespace PnpIds
