#include "support/SimFixture.h"

#include <algorithm>

#include "sim/Scenario.h"
#include "support/Surprises.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {
// Backups, the journal and the remembered check boxes of whatever a test runs go to a folder of
// the test program's own (its child programs inherit it), never to the user's.
struct TestUserFolders {
    std::string root;
    TestUserFolders() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "tolvane-user-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            return;
        root = pattern;
        setenv("XDG_DATA_HOME", (root + "/data").c_str(), 1);
        setenv("XDG_CONFIG_HOME", (root + "/config").c_str(), 1);
    }
    ~TestUserFolders() {
        std::error_code ec;
        if (!root.empty())
            std::filesystem::remove_all(root, ec);
    }
};
const TestUserFolders kTestUserFolders;
} // namespace

std::shared_ptr<SimFtdiApi> MakeSim(const std::string& board, const std::string& json,
                                    SimTiming timing) {
    WatchSurprises();
    TempDir dir;
    const std::string file = dir.File("scenario.json");
    WriteFileBytes(file, json);
    Scenario s;
    std::string error;
    if (!LoadScenario(file, board, timing, &s, &error)) {
        ADD_FAILURE() << error;
        return nullptr;
    }
    s.transcriptBytes = SIZE_MAX; // tests read whole wires
    return std::make_shared<SimFtdiApi>(s);
}

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tolvane-XXXXXX").string();
    char* made = mkdtemp(pattern.data());
    path_ = made ? made : pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::vector<std::uint8_t> FileBytes(const std::string& path) {
    const std::string text = ReadFileText(path);
    return {text.begin(), text.end()};
}

std::vector<std::string> LinesFrom(const std::vector<std::string>& lines, const std::string& from) {
    return {std::find(lines.begin(), lines.end(), from), lines.end()};
}
