// "journal": the records of the operations run so far, from the program and the command line.
#include "cli/CliApp.h"
#include "port/RegularFile.h"
#include "port/Tr.h"
#include "port/UserFolders.h"
#include "safety/Journal.h"

#include <cstdio>
#include <cstdlib>

namespace {
int RunJournal(const CliArgs& args) {
    std::size_t last = 0;
    if (args.values.count("last")) {
        const std::string text = args.Value("last");
        char* end = nullptr;
        const unsigned long n = std::strtoul(text.c_str(), &end, 10);
        if (text.empty() || *end != '\0' || text[0] == '-' || n == 0) {
            const std::string line =
                Fill(Tr("Cli", "--last takes a number of records from 1 on, not \"%1\""), text);
            std::fprintf(stderr, "%s\n", line.c_str());
            return kExitUsage;
        }
        last = n;
    }
    const std::filesystem::path file = JournalFile();
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
        if (const std::string problem = RegularFileProblem(file, kLargestFileToRead);
            !problem.empty()) {
            std::fprintf(stderr, "%s\n", FileProblemLine(file, problem).c_str());
            return kExitFailed;
        }
    }
    std::size_t unreadable = 0;
    const std::vector<JournalRecord> records = JournalOperations(LoadJournal(file, &unreadable));
    std::printf("%s\n", Fill(Tr("Cli", "Journal: %1 (%2 operations)"), file.string(),
                             std::to_string(records.size()))
                            .c_str());
    const std::size_t from = last && last < records.size() ? records.size() - last : 0;
    for (std::size_t i = from; i < records.size(); ++i)
        for (const std::string& line : JournalRecordLines(records[i]))
            std::printf("%s\n", line.c_str());
    if (unreadable)
        std::fprintf(
            stderr, "%s\n",
            Fill(Tr("Cli", "%1 lines of the journal are not records"), std::to_string(unreadable))
                .c_str());
    return kExitOk;
}

void AddJournalCommand(CliApp& cli) {
    cli.Command(&cli.Root(), "journal", Tr("Cli", "Print the journal of operations"), RunJournal)
        .Details(Tr("Cli", "Prints the journal every read, write, erase and check appends to, "
                           "from the program and from this command line: time, mode, JIG, chip "
                           "ID, operation, file with its size and SHA-256, backup, result and "
                           "the step that failed. It lies in the user's data folder "
                           "($XDG_DATA_HOME/tolvane-jig, else ~/.local/share/tolvane-jig). An "
                           "erase or write whose end was never recorded shows as \"no end: the "
                           "program stopped during this operation\"."))
        .Value("--last", "N", Tr("Cli", "only the last N operations"))
        .ExitStatus(Tr("Cli", "0 printed, 1 the journal cannot be read, 64 wrong usage"));
}
const CliRegistration kJournal{94, AddJournalCommand};
} // namespace
