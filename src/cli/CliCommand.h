#pragma once
// What every command of the headless twin shares: the exit statuses, the options it parsed
// and the FTDI backend they choose.
#include "link/FtdiApi.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

// 2: a JIG, device, database or file that could not be had; 1: an operation that failed.
enum CliExit : int { kExitOk = 0, kExitFailed = 1, kExitUnavailable = 2, kExitUsage = 64 };

struct CliArgs {
    DeviceChoice device;
    std::vector<std::string> positional;
    std::map<std::string, std::string> values; // --name VALUE, only those given
    std::set<std::string> flags;               // --name
    std::string language;                      // --lang, applied before parsing

    bool Flag(const std::string& name) const { return flags.count(name) != 0; }
    std::string Value(const std::string& name, const std::string& fallback = "") const;
};

// The FTDI backend the options choose; prints why and returns nullptr when there is none.
std::shared_ptr<FtdiApi> OpenBackend(const CliArgs& args);
