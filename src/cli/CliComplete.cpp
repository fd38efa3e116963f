#include "cli/CliComplete.h"

#include "link/FtdiApi.h"
#include "sim/ScenarioTypes.h"

#include <CLI/CLI.hpp>

#include <algorithm>

namespace {
const CLI::App* FindCommand(const CLI::App& at, const std::string& word) {
    for (const CLI::App* sub : at.get_subcommands([](const CLI::App*) { return true; }))
        if (sub->get_name() == word)
            return sub;
    return nullptr;
}

// "--device" or "--device=X" among the options of `at` and of the groups above it.
const CLI::Option* FindOption(const CLI::App& at, const std::string& word) {
    const std::string name = word.substr(0, word.find('='));
    for (const CLI::App* app = &at; app; app = app->get_parent())
        for (const CLI::Option* o : app->get_options())
            if (o->nonpositional() && o->check_name(name))
                return o;
    return nullptr;
}

bool TakesValue(const CLI::Option& o) {
    return o.get_items_expected_max() > 0; // a flag expects none
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    for (std::size_t from = 0; from <= text.size();) {
        const std::size_t end = std::min(text.find(separator, from), text.size());
        parts.push_back(text.substr(from, end - from));
        from = end + 1;
    }
    return parts;
}

// Values of an option: its devices, the choices its checker or its value name lists
// ("T:{wire,instant}", "ru|en"), or files where the value is one ("F", "FILE.vss").
std::vector<std::string> ValuesOf(const CLI::Option& o) {
    if (o.check_name("--device"))
        return DeviceCandidates();
    const std::string type = o.get_type_name();
    const std::size_t open = type.find('{');
    const std::size_t close = type.find('}', open);
    if (open != std::string::npos && close != std::string::npos)
        return Split(type.substr(open + 1, close - open - 1), ',');
    if (type.find('|') != std::string::npos)
        return Split(type, '|');
    if (type == "F" || type.find("FILE") != std::string::npos)
        return {kFilesCandidate};
    return {};
}
} // namespace

std::vector<std::string> CompletionCandidates(const CLI::App& root,
                                              const std::vector<std::string>& words) {
    const CLI::App* at = &root;
    const CLI::Option* waiting = nullptr; // an option whose value is the next word
    int positionals = 0;
    for (const std::string& word : words) {
        if (waiting) {
            waiting = nullptr;
        } else if (word.size() > 1 && word[0] == '-') {
            const CLI::Option* o = FindOption(*at, word);
            if (o && TakesValue(*o) && word.find('=') == std::string::npos)
                waiting = o;
        } else if (const CLI::App* sub = FindCommand(*at, word)) {
            at = sub;
            positionals = 0;
        } else {
            ++positionals;
        }
    }
    if (waiting)
        return ValuesOf(*waiting);

    std::vector<std::string> out;
    for (const CLI::App* sub : at->get_subcommands([](const CLI::App*) { return true; }))
        if (!sub->get_group().empty())
            out.push_back(sub->get_name());
    int expected = 0;
    for (const CLI::Option* o : at->get_options()) {
        if (!o->nonpositional())
            ++expected;
        else if (!o->get_group().empty())
            for (const std::string& name : o->get_lnames())
                out.push_back("--" + name);
    }
    if (positionals < expected) // every positional of the CLI is a file
        out.push_back(kFilesCandidate);
    return out;
}

std::vector<std::string> DeviceCandidates() {
    std::vector<std::string> out{"usb"};
    std::string error;
    if (std::shared_ptr<FtdiApi> usb = MakeFtdiApi(DeviceChoice{}, &error)) {
        DWORD count = 0;
        if (usb->FT_CreateDeviceInfoList(&count) == FT_OK)
            for (DWORD i = 0; i < count; ++i) {
                FtdiDeviceInfo info;
                if (usb->FT_GetDeviceInfoDetail(static_cast<int>(i), &info) == FT_OK &&
                    !info.serialNumber.empty())
                    out.push_back("usb:" + info.serialNumber);
            }
    }
    out.push_back("tty:");
    out.push_back("sim");
    for (const BoardPreset& board : BoardPresets())
        out.push_back(std::string("sim:") + board.name);
    return out;
}
