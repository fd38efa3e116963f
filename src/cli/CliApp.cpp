#include "cli/CliApp.h"

#include "cli/CliComplete.h"
#include "cli/HelpTexts.h"
#include "modetable/ModeTable.h"
#include "port/Tr.h"
#include "shell/ProgramVersion.h"
#include "sim/ScenarioTypes.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <utility>

namespace {
struct Registered {
    int order;
    void (*add)(CliApp&);
};

std::vector<Registered>& Registry() {
    static std::vector<Registered> groups;
    return groups;
}

// Option names as CLI11 takes them: "--mb" stays, the key is "mb".
std::string KeyOf(const std::string& option) {
    return option.substr(option.find_first_not_of('-'));
}
} // namespace

CliRegistration::CliRegistration(int order, void (*add)(CliApp&)) {
    Registry().push_back({order, add});
}

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

CliCommandBuilder& CliCommandBuilder::Positional(const std::string& name, const std::string& help) {
    auto args = args_;
    command_
        ->add_option_function<std::string>(
            name, [args](const std::string& v) { args->positional.push_back(v); }, help)
        ->required()
        ->type_name("");
    return *this;
}

CliCommandBuilder& CliCommandBuilder::Value(const std::string& option, const std::string& typeName,
                                            const std::string& help, bool required) {
    auto args = args_;
    const std::string key = KeyOf(option);
    command_
        ->add_option_function<std::string>(
            option, [args, key](const std::string& v) { args->values[key] = v; }, help)
        ->type_name(typeName)
        ->required(required);
    return *this;
}

CliCommandBuilder& CliCommandBuilder::Flag(const std::string& option, const std::string& help) {
    auto args = args_;
    const std::string key = KeyOf(option);
    command_->add_flag_callback(
        option, [args, key] { args->flags.insert(key); }, help);
    return *this;
}

CliCommandBuilder& CliCommandBuilder::Stats() {
    return Flag("--stats",
                Tr("Cli", "print bytes moved, wall time, CPU time and the simulated JIG's time"));
}

CliCommandBuilder& CliCommandBuilder::Device(bool shown) {
    DeviceChoice& d = args_->device;
    const std::string group = shown ? "JIG" : "";
    command_
        ->add_option("--device", d.device,
                     Fill(Tr("Cli", "usb (default), usb:SERIAL (only the device with that serial "
                                    "number, see \"list\"), tty:PATH, or sim[:BOARD] with BOARD "
                                    "one of %1"),
                          BoardPresetNames()))
        ->type_name("D")
        ->group(group);
    command_
        ->add_option("--scenario", d.scenarioFile,
                     Tr("Cli", "simulated JIG: a JSON scenario (board, chips, wiring, faults)"))
        ->type_name("F")
        ->group(group);
    command_
        ->add_option("--timing", d.timing,
                     Tr("Cli", "simulated JIG: wire (default, real speeds) or instant"))
        ->type_name("T")
        ->check(CLI::IsMember({"wire", "instant"}))
        ->group(group);
    return *this;
}

CliCommandBuilder& CliCommandBuilder::Details(const std::string& text) {
    details_ = text;
    SetFooter();
    return *this;
}

CliCommandBuilder& CliCommandBuilder::ExitStatus(const std::string& text) {
    exitStatus_ = Fill(Tr("Cli", "Exit status: %1."), text);
    SetFooter();
    return *this;
}

void CliCommandBuilder::SetFooter() {
    const std::string both =
        details_ + (details_.empty() || exitStatus_.empty() ? "" : "\n\n") + exitStatus_;
    command_->footer(WrapHelp(both, kHelpWidth) + "\n");
}

CliApp::CliApp(std::string name)
    : app_(std::make_unique<CLI::App>(
          Tr("Cli", "The JIG programmer's operations without a window."), name)) {
    UseOurHelpTexts(*app_);
    app_->set_version_flag(
        "--version", VersionLines(name),
        Tr("Cli", "Print the program's and the JIG protocol's version and exit"));
    app_->require_subcommand(1);
    app_->footer(Tr("Cli", "Exit status: 0 done, 1 the operation failed, 2 no usable JIG, 64 "
                           "wrong usage.\nEach command has its own --help."));
    std::vector<Registered> groups = Registry();
    std::stable_sort(groups.begin(), groups.end(),
                     [](const Registered& a, const Registered& b) { return a.order < b.order; });
    for (const Registered& g : groups)
        g.add(*this);
}

CliApp::~CliApp() = default;

CLI::App* CliApp::Group(const std::string& name, const std::string& description) {
    CLI::App* group = app_->add_subcommand(name, description);
    UseOurHelpFlag(*group);
    group->require_subcommand(1);
    return group;
}

CLI::App* CliApp::ModeGroup(const std::string& mode) {
    const ModeEntry* m = FindMode(mode);
    if (!m) {
        std::fprintf(stderr, "no working mode \"%s\" in the mode table\n", mode.c_str());
        std::abort();
    }
    return Group(m->cliGroup, Tr("Cli", m->cliDescription));
}

CliCommandBuilder CliApp::Command(CLI::App* parent, const std::string& name,
                                  const std::string& summary, CliRun run) {
    CLI::App* command = parent->add_subcommand(name, summary);
    UseOurHelpFlag(*command);
    auto args = std::make_shared<CliArgs>();
    // Taken by main() before parsing; here only checked and listed.
    command
        ->add_option("--lang", args->language,
                     Tr("Cli", "en, ru or original (the texts as the JIG's program always wrote "
                               "them, English and Russian mixed); default: $TOLVANE_LANG, else "
                               "the system's language"))
        ->type_name("L")
        ->check(CLI::IsMember(kLanguageWords));
    command->callback([this, args, run = std::move(run)] {
        chosen_ = run;
        chosenArgs_ = args;
    });
    return CliCommandBuilder(command, args);
}

bool CliApp::KnownCommand(int argc, char** argv) {
    CLI::App* at = app_.get();
    std::string path = app_->get_name();
    for (int i = 1; i < argc && argv[i][0] != '-'; ++i) {
        const std::vector<CLI::App*> subs = at->get_subcommands({});
        auto it = std::find_if(subs.begin(), subs.end(),
                               [&](CLI::App* s) { return s->get_name() == argv[i]; });
        if (it != subs.end()) {
            at = *it;
            path += " " + at->get_name();
            continue;
        }
        if (at->get_require_subcommand_min() == 0)
            break;
        std::string names;
        for (CLI::App* s : subs)
            names += (names.empty() ? "" : ", ") + s->get_name();
        const std::string line =
            Fill(Tr("Cli", "unknown command \"%1\": %2 takes %3\nRun with --help for more "
                           "information."),
                 argv[i], path, names);
        std::fprintf(stderr, "%s\n", line.c_str());
        return false;
    }
    return true;
}

int CliApp::Run(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << app_->help();
        return kExitUsage;
    }
    if (argv[1] == std::string(kCompleteWord)) {
        for (const std::string& candidate : CompletionCandidates(*app_, {argv + 2, argv + argc}))
            std::printf("%s\n", candidate.c_str());
        return kExitOk;
    }
    if (!KnownCommand(argc, argv))
        return kExitUsage;
    try {
        app_->parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app_->exit(e) == 0 ? kExitOk : kExitUsage;
    }
    if (!chosen_)
        return kExitUsage;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    return chosen_(*chosenArgs_);
}
