// Rules of the code that no single behaviour test sees. A mode engine brings its wire steps and
// nothing else: the runner opens and puts in place its files (an engine that opened NAME itself
// would destroy the old dump on every failed read), the runner ends its operations (six endings
// are how six different step orders came to be), and the link waits for its replies: nothing
// else in the program reads the device or its receive count.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace {
struct Rule {
    const char* what;
    std::regex pattern;
    // Paths the rule does not bind, as parts of them ("/Keyboard/").
    std::vector<std::string> exempt = {};
};

bool Exempt(const Rule& rule, const std::string& path) {
    for (const std::string& part : rule.exempt)
        if (path.find(part) != std::string::npos)
            return true;
    return false;
}

// Every line under `folder` that breaks a rule, as "FILE:LINE: what: text".
std::vector<std::string> Offenders(const char* folder, const std::vector<Rule>& rules, int* files) {
    namespace fs = std::filesystem;
    std::vector<std::string> offenders;
    for (const auto& e : fs::recursive_directory_iterator(fs::path(TOLVANE_SOURCE_DIR) / folder)) {
        const std::string ext = e.path().extension().string();
        if (ext != ".cpp" && ext != ".h")
            continue;
        ++*files;
        std::ifstream in(e.path());
        std::string line;
        for (int n = 1; std::getline(in, line); ++n)
            for (const Rule& r : rules)
                if (!Exempt(r, e.path().string()) && std::regex_search(line, r.pattern))
                    offenders.push_back(e.path().string() + ":" + std::to_string(n) + ": " +
                                        r.what + ": " + line);
    }
    return offenders;
}

std::string Listed(const std::vector<std::string>& offenders) {
    std::ostringstream all;
    for (const std::string& o : offenders)
        all << o << "\n";
    return all.str();
}
} // namespace

TEST(SourceRules, ModesLeaveFilesAndEndingsToTheRunner) {
    const std::vector<Rule> rules = {
        {"opens a file for writing",
         std::regex(
             R"re(fopen\s*\([^;]*"[wa]|std::ofstream|std::fstream|O_WRONLY|O_RDWR|O_CREAT|creat\s*\()re")},
        {"keeps an output file of its own", std::regex(R"(\bOutputFile\b)")},
        // The keyboard tester scans until it is told to stop: no operation, no file, no end.
        {"ends an operation itself",
         std::regex(R"(\bOperationRecord\b|\bOperationState\b|\bThreadCpuNanos\b|\bWorker\b)"),
         {"/Keyboard/"}},
    };
    int files = 0;
    const std::vector<std::string> offenders = Offenders("src/modes", rules, &files);
    EXPECT_GT(files, 50); // the folder was found
    EXPECT_TRUE(offenders.empty()) << Listed(offenders);
}

TEST(SourceRules, OnlyTheLinkWaitsForReplies) {
    const std::vector<Rule> rules = {
        {"waits for a reply itself",
         std::regex(R"(\bFT_Read\b|\bFT_GetStatus\b|->WaitReceived\(|\.Buffer\(\)|\bAwaitReply\b|)"
                    R"(\bAwaitQueued\b|\bCountedRead\b)"),
         {"/src/link/ProgrammerLink.", "/src/link/ExpectSome.", "/src/link/FtdiApi."}},
        // The device layer names its own status out-parameter so.
        {"reads the receive count",
         std::regex(R"(\brxQueue\b)"),
         {"/src/link/ProgrammerLink.", "/src/link/FtdiApi.h", "/src/link/FtdiDevice.h",
          "/src/link/backends/", "/src/sim/SimFtdiApi."}},
    };
    int files = 0;
    const std::vector<std::string> offenders = Offenders("src", rules, &files);
    EXPECT_GT(files, 200); // the folder was found
    EXPECT_TRUE(offenders.empty()) << Listed(offenders);
}
