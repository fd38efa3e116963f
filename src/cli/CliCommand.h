#pragma once
// The headless twin's commands: each is a file of its own, listed in Commands.cpp.
#include "link/FtdiApi.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

enum CliExit : int { kExitOk = 0, kExitFailed = 1, kExitNoJig = 2, kExitUsage = 64 };

struct CliArgs {
    DeviceChoice device;
    std::vector<std::string> positional;
    std::map<std::string, std::string> values; // --name VALUE
    std::set<std::string> flags;               // --name
    bool help = false;

    bool Flag(const std::string& name) const { return flags.count(name) != 0; }
    std::string Value(const std::string& name, const std::string& fallback = "") const;
};

struct CliCommand {
    std::vector<std::string> words;     // "identify", or "ene", "read"
    std::string synopsis;               // "identify [--device D]"
    std::string help;                   // the --help text after the synopsis
    std::set<std::string> valueOptions; // options of this command that take a value
    std::set<std::string> flagOptions;  // options of this command without a value
    std::size_t minPositional = 0;
    std::size_t maxPositional = 0;
    int (*run)(const CliArgs& args) = nullptr;
};

const std::vector<CliCommand>& CliCommands();

// The FTDI backend the options choose; prints why and returns nullptr when there is none.
std::shared_ptr<FtdiApi> OpenBackend(const CliArgs& args);

// Shared option text for --help.
extern const char* const kDeviceOptionsHelp;
