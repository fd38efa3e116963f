#pragma once
// CLI11's own words (Usage, Options, the help flag, "Run with --help ...") in the chosen
// language, for the program's and the command line's options alike. Its error messages stay
// English: CLI11 builds them inside its exceptions, out of our reach.
#include "port/Tr.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <string>

// CLI11 lines its columns up by bytes: a Cyrillic word in the left column ("REQUIRED" under ru)
// takes two bytes a letter and pushed its description to the next line. This pads by letters.
class LetterColumnsFormatter : public CLI::Formatter {
  public:
    std::string make_option(const CLI::Option* opt, bool positional) const override {
        std::string line = "  " + make_option_name(opt, positional) + make_option_opts(opt);
        const std::size_t letters =
            static_cast<std::size_t>(std::count_if(line.begin(), line.end(), [](char c) {
                return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
            }));
        line.append(letters < column_width_ ? column_width_ - letters : 0, ' ');
        const std::string description = make_option_desc(opt);
        if (!description.empty() && letters >= column_width_)
            line += "\n" + std::string(column_width_, ' ');
        for (const char c : description) {
            line += c;
            if (c == '\n')
                line.append(column_width_, ' ');
        }
        return line + "\n";
    }
};

// The help flag's own line; a command gets it again once it took its parent's option group.
inline void UseOurHelpFlag(CLI::App& app) {
    app.set_help_flag("-h,--help", Tr("Cli", "Print this help message and exit"));
}

// Before any option or command is added: they take the labels from `app`.
inline void UseOurHelpTexts(CLI::App& app) {
    app.formatter(std::make_shared<LetterColumnsFormatter>());
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
