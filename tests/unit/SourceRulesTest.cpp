// Rules of the code that no single behaviour test sees. A mode engine brings its wire steps and
// nothing else: the runner opens and puts in place its files (an engine that opened NAME itself
// would destroy the old dump on every failed read), the runner ends its operations (six endings
// are how six different step orders came to be), and the link waits for its replies.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace {
struct Rule {
    const char* what;
    std::regex pattern;
    // A folder under src/modes the rule does not bind, or empty.
    const char* exempt = "";
};

// Every line under src/modes that breaks a rule, as "FILE:LINE: what: text".
std::vector<std::string> Offenders(const std::vector<Rule>& rules, int* files) {
    namespace fs = std::filesystem;
    std::vector<std::string> offenders;
    for (const auto& e :
         fs::recursive_directory_iterator(fs::path(TOLVANE_SOURCE_DIR) / "src/modes")) {
        const std::string ext = e.path().extension().string();
        if (ext != ".cpp" && ext != ".h")
            continue;
        ++*files;
        std::ifstream in(e.path());
        std::string line;
        for (int n = 1; std::getline(in, line); ++n)
            for (const Rule& r : rules)
                if ((*r.exempt == 0 || e.path().string().find(r.exempt) == std::string::npos) &&
                    std::regex_search(line, r.pattern))
                    offenders.push_back(e.path().string() + ":" + std::to_string(n) + ": " +
                                        r.what + ": " + line);
    }
    return offenders;
}
} // namespace

TEST(SourceRules, ModesLeaveFilesEndingsAndReplyWaitsToTheRunnerAndTheLink) {
    const std::vector<Rule> rules = {
        {"opens a file for writing",
         std::regex(
             R"re(fopen\s*\([^;]*"[wa]|std::ofstream|std::fstream|O_WRONLY|O_RDWR|O_CREAT|creat\s*\()re")},
        {"keeps an output file of its own", std::regex(R"(\bOutputFile\b)")},
        // The keyboard tester scans until it is told to stop: no operation, no file, no end.
        {"ends an operation itself",
         std::regex(R"(\bOperationRecord\b|\bOperationState\b|\bThreadCpuNanos\b|\bWorker\b)"),
         "/Keyboard/"},
        {"waits for a reply itself",
         std::regex(R"(\bFT_Read\b|\.Buffer\(\)|\brxQueue\b|\bAwaitReply\b|\bAwaitQueued\b)")},
    };
    int files = 0;
    const std::vector<std::string> offenders = Offenders(rules, &files);
    EXPECT_GT(files, 50); // the folder was found
    std::ostringstream all;
    for (const std::string& o : offenders)
        all << o << "\n";
    EXPECT_TRUE(offenders.empty()) << all.str();
}
