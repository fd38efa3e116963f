#pragma once
// CLI11's own words (Usage, Options, the help flag, "Run with --help ...") in the chosen
// language, for the program's and the command line's options alike. Its error messages stay
// English: CLI11 builds them inside its exceptions, out of our reach.
#include "port/Tr.h"

#include <CLI/CLI.hpp>

// The help flag's own line; a command gets it again once it took its parent's option group.
inline void UseOurHelpFlag(CLI::App& app) {
    app.set_help_flag("-h,--help", Tr("Cli", "Print this help message and exit"));
}

// Before any option or command is added: they take the labels from `app`.
inline void UseOurHelpTexts(CLI::App& app) {
    const std::shared_ptr<CLI::FormatterBase> formatter = app.get_formatter();
    for (const char* label :
         {TR_NOOP("Cli", "Usage"), TR_NOOP("Cli", "OPTIONS"), TR_NOOP("Cli", "SUBCOMMAND"),
          TR_NOOP("Cli", "SUBCOMMANDS"), TR_NOOP("Cli", "REQUIRED"), TR_NOOP("Cli", "Positionals")})
        formatter->label(label, Tr("Cli", label));
    app.option_defaults()->group(Tr("Cli", "Options"));
    app.group(Tr("Cli", "Subcommands"));
    UseOurHelpFlag(app);
    app.failure_message([](const CLI::App*, const CLI::Error& e) {
        return std::string(e.what()) + "\n" + Tr("Cli", "Run with --help for more information.") +
               "\n";
    });
}
