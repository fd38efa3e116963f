// tolvane-jig-cli: the program's operations without a window.
#include "cli/CliCommand.h"

#include <cstdio>
#include <cstring>

const char* const kDeviceOptionsHelp =
    "  --device D     usb (default), tty:PATH, or sim[:BOARD] with BOARD one of pcb3,\n"
    "                 pcb3-old, pcb2-v41, pcb2-v42, pcb2-ite, pcb2-npce\n"
    "  --scenario F   simulated JIG: a JSON scenario (board, chips, wiring, faults)\n"
    "  --timing T     simulated JIG: wire (default, real speeds) or instant\n";

std::string CliArgs::Value(const std::string& name, const std::string& fallback) const {
    auto it = values.find(name);
    return it == values.end() ? fallback : it->second;
}

std::shared_ptr<FtdiApi> OpenBackend(const CliArgs& args) {
    std::string error;
    std::shared_ptr<FtdiApi> api = MakeFtdiApi(args.device, &error);
    if (!api)
        std::fprintf(stderr, "%s\n", error.c_str());
    return api;
}

namespace {
void PrintUsage(FILE* out) {
    std::fprintf(out, "Usage: tolvane-jig-cli COMMAND [OPTIONS]\n\nCommands:\n");
    for (const CliCommand& c : CliCommands())
        std::fprintf(out, "  %s\n", c.synopsis.c_str());
    std::fprintf(out,
                 "\nOptions for every command:\n%s  --help         this text, or a command's own\n",
                 kDeviceOptionsHelp);
}

void PrintCommandHelp(const CliCommand& c) {
    std::printf("Usage: tolvane-jig-cli %s\n\n%s\n\nOptions:\n%s", c.synopsis.c_str(),
                c.help.c_str(), kDeviceOptionsHelp);
}

const CliCommand* Match(int argc, char** argv, int* used) {
    const CliCommand* best = nullptr;
    for (const CliCommand& c : CliCommands()) {
        if (static_cast<int>(c.words.size()) >= argc)
            continue;
        bool same = true;
        for (std::size_t i = 0; i < c.words.size(); ++i)
            same = same && c.words[i] == argv[1 + i];
        if (same && (!best || c.words.size() > best->words.size()))
            best = &c;
    }
    if (best)
        *used = 1 + static_cast<int>(best->words.size());
    return best;
}

bool Parse(const CliCommand& c, int argc, char** argv, int first, CliArgs* a, std::string* error) {
    for (int i = first; i < argc; ++i) {
        std::string arg = argv[i];
        auto needValue = [&](std::string* into) {
            if (i + 1 >= argc) {
                *error = arg + " needs a value";
                return false;
            }
            *into = argv[++i];
            return true;
        };
        if (arg == "--help" || arg == "-h") {
            a->help = true;
        } else if (arg == "--device") {
            if (!needValue(&a->device.device))
                return false;
        } else if (arg == "--scenario") {
            if (!needValue(&a->device.scenarioFile))
                return false;
        } else if (arg == "--timing") {
            if (!needValue(&a->device.timing))
                return false;
        } else if (arg.rfind("--", 0) == 0 && c.valueOptions.count(arg.substr(2))) {
            if (!needValue(&a->values[arg.substr(2)]))
                return false;
        } else if (arg.rfind("--", 0) == 0 && c.flagOptions.count(arg.substr(2))) {
            a->flags.insert(arg.substr(2));
        } else if (arg.rfind("--", 0) == 0) {
            *error = "unknown option " + arg;
            return false;
        } else {
            a->positional.push_back(arg);
        }
    }
    if (!a->help &&
        (a->positional.size() < c.minPositional || a->positional.size() > c.maxPositional)) {
        *error = "wrong number of arguments";
        return false;
    }
    return true;
}
} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        PrintUsage(argc < 2 ? stderr : stdout);
        return argc < 2 ? kExitUsage : kExitOk;
    }
    int used = 0;
    const CliCommand* c = Match(argc, argv, &used);
    if (!c) {
        std::fprintf(stderr, "unknown command \"%s\"\n\n", argv[1]);
        PrintUsage(stderr);
        return kExitUsage;
    }
    CliArgs args;
    std::string error;
    if (!Parse(*c, argc, argv, used, &args, &error)) {
        std::fprintf(stderr, "%s\nUsage: tolvane-jig-cli %s\n", error.c_str(), c->synopsis.c_str());
        return kExitUsage;
    }
    if (args.help) {
        PrintCommandHelp(*c);
        return kExitOk;
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    return c->run(args);
}
