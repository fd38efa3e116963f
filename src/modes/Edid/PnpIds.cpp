#include "modes/Edid/PnpIds.h"

#include <fstream>
#include <map>
#include <mutex>

namespace PnpIds {
namespace {

struct List {
    std::mutex mutex;
    std::filesystem::path path = DefaultPath();
    bool loaded = false;
    bool present = false;
    std::map<std::string, std::string> names;
};

List& TheList() {
    static List list;
    return list;
}

bool IsId(const std::string& s) {
    if (s.size() != 3)
        return false;
    for (char c : s)
        if (c < 'A' || c > 'Z')
            return false;
    return true;
}

// Lines are "ABC<TAB>Name"; anything else (comments, broken lines) is passed over.
void Load(List& list) {
    list.loaded = true;
    list.names.clear();
    std::ifstream in(list.path);
    list.present = static_cast<bool>(in);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::size_t tab = line.find('\t');
        if (tab == std::string::npos || !IsId(line.substr(0, tab)))
            continue;
        std::string name = line.substr(tab + 1);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t'))
            name.pop_back();
        if (!name.empty())
            list.names.emplace(line.substr(0, tab), name);
    }
}

} // namespace

std::filesystem::path DefaultPath() {
    return "/usr/share/hwdata/pnp.ids";
}

void SetPath(std::filesystem::path path) {
    List& list = TheList();
    std::lock_guard lock(list.mutex);
    list.path = std::move(path);
    list.loaded = false;
}

Answer Find(const std::string& id) {
    List& list = TheList();
    std::lock_guard lock(list.mutex);
    if (!list.loaded)
        Load(list);
    if (!list.present)
        return {Lookup::NoList, {}};
    auto it = list.names.find(id);
    if (it == list.names.end())
        return {Lookup::NotListed, {}};
    return {Lookup::Found, it->second};
}

} // namespace PnpIds
