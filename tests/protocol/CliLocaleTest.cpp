// The CLI writes the start log's date as the system formats it, as the program does.
#include "support/Process.h"
#include "support/SimFixture.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <regex>

namespace {
// Sets an environment variable for the test's life.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};
} // namespace

TEST(CliLocale, StartLogDateFollowsTheSystemsShortDate) {
    // A German locale of our own, whatever the machine has installed: its short date is
    // DD.MM.YYYY where the C locale's is MM/DD/YY.
    TempDir locales;
    const std::string build =
        "localedef -i de_DE -f UTF-8 " + locales.File("de_DE.UTF-8") + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(build.c_str()), 0) << "localedef (Debian package locales) failed";
    ScopedEnv path("LOCPATH", locales.Path());
    ScopedEnv all("LC_ALL", "de_DE.UTF-8");

    TempDir cwd;
    const ProcessResult r =
        RunProgram("tolvane-jig-cli", {"identify", "--device", "sim:pcb3"}, cwd.Path());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    const std::string log = ReadFileText(cwd.File("Start_log.txt"));
    EXPECT_TRUE(std::regex_search(log, std::regex("\n[0-9]{2}\\.[0-9]{2}\\.[0-9]{4} [0-9]{2}:")))
        << log;
    // Figures stay as a terminal expects them, whatever the locale says.
    EXPECT_EQ(r.out, "M328_EPM240_v16  \nPCB3\n");
}
