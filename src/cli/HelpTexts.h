#pragma once
// CLI11's own words (Usage, Options, the help flag, "Run with --help ...") in the chosen
// language, and the help's layout, for the program's and the command line's options alike. Its
// error messages stay English: CLI11 builds them inside its exceptions, out of our reach.
#include "port/Tr.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <memory>
#include <string>

// Help lines are at most this wide; options' descriptions start at the column.
constexpr std::size_t kHelpWidth = 96;
constexpr std::size_t kOptionColumn = 28;

// A UTF-8 continuation byte takes no column (Russian help).
inline bool TakesAColumn(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
}

// Breaks `text` into lines of at most `width` columns at blanks; its own line breaks stay. A
// column is a character.
inline std::string WrapHelp(const std::string& text, std::size_t width) {
    std::string out;
    std::size_t columns = 0;      // on the line being filled
    std::size_t blankColumns = 0; // where its last blank stands
    std::size_t lastBlank = std::string::npos;
    for (char c : text) {
        out.push_back(c);
        if (c == '\n') {
            columns = 0;
            lastBlank = std::string::npos;
            continue;
        }
        if (!TakesAColumn(c))
            continue;
        ++columns;
        if (c == ' ') {
            lastBlank = out.size() - 1;
            blankColumns = columns;
        }
        if (columns > width && lastBlank != std::string::npos) {
            out[lastBlank] = '\n';
            columns -= blankColumns;
            lastBlank = std::string::npos;
        }
    }
    return out;
}

// CLI11 lines its columns up by bytes: a Cyrillic word in the left column ("REQUIRED" under ru)
// takes two bytes a letter and pushed its description to the next line. This pads by letters,
// and wraps each description to the help's width.
class LetterColumnsFormatter : public CLI::Formatter {
  public:
    std::string make_option(const CLI::Option* opt, bool positional) const override {
        std::string line = "  " + make_option_name(opt, positional) + make_option_opts(opt);
        const auto letters =
            static_cast<std::size_t>(std::count_if(line.begin(), line.end(), TakesAColumn));
        line.append(letters < column_width_ ? column_width_ - letters : 0, ' ');
        const std::string description = WrapHelp(make_option_desc(opt), kHelpWidth - column_width_);
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
    formatter->column_width(kOptionColumn);
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
