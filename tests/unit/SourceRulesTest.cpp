// Rules of the code that no single behaviour test sees: a mode engine never opens a file for
// writing itself. Its dumps go through OutputFile, which puts a file in place only after a good
// read; an engine that opened NAME directly would destroy the old dump on every failed read.
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

TEST(SourceRules, NoModeOpensAFileForWritingItself) {
    namespace fs = std::filesystem;
    const std::regex writing(
        R"re(fopen\s*\([^;]*"[wa]|std::ofstream|std::fstream|O_WRONLY|O_RDWR|O_CREAT|creat\s*\()re");
    std::vector<std::string> offenders;
    int files = 0;
    for (const auto& e :
         fs::recursive_directory_iterator(fs::path(TOLVANE_SOURCE_DIR) / "src/modes")) {
        const std::string ext = e.path().extension().string();
        if (ext != ".cpp" && ext != ".h")
            continue;
        ++files;
        std::ifstream in(e.path());
        std::string line;
        for (int n = 1; std::getline(in, line); ++n)
            if (std::regex_search(line, writing))
                offenders.push_back(e.path().string() + ":" + std::to_string(n) + ": " + line);
    }
    EXPECT_GT(files, 50); // the folder was found
    std::ostringstream all;
    for (const std::string& o : offenders)
        all << o << "\n";
    EXPECT_TRUE(offenders.empty()) << all.str();
}
