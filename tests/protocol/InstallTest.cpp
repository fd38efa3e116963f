// The program installed into a prefix (through DESTDIR) and started as a technician's account
// would start it: from a folder it may not write to, with its databases and default script in
// the installed share folder, and its start log, journal and backups in the user's folders.
#include "sim/chips/EneKb90xx.h"
#include "support/Process.h"
#include "support/SimFixture.h"
#include "support/UserData.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
constexpr const char* kNobody = "65534";

class Installed : public ::testing::Test {
  protected:
    void SetUp() override {
        const fs::path build = fs::path(TOLVANE_BIN_DIR).parent_path();
        const ProcessResult r =
            RunProgram("/usr/bin/env", {"DESTDIR=" + root.Path(), "cmake", "--install",
                                        build.string(), "--prefix", kPrefix});
        ASSERT_EQ(r.exitCode, 0) << r.out << r.err;
        // Readable by the technician's account, writable only where a home would be.
        fs::permissions(root.Path(), fs::perms::owner_all | fs::perms::group_read |
                                         fs::perms::group_exec | fs::perms::others_read |
                                         fs::perms::others_exec);
        fs::permissions(home.Path(), fs::perms::all);
        fs::create_directories(office.File("jobs"));
        fs::permissions(office.Path(),
                        fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
        fs::permissions(office.File("jobs"), fs::perms::all);
    }

    std::string Prefixed(const std::string& path) const { return root.Path() + kPrefix + path; }

    // The installed CLI, started in a folder it cannot write to; as root, under an ordinary
    // account, since root writes everywhere.
    ProcessResult Technician(std::vector<std::string> args) const {
        const std::string cli = Prefixed("/bin/tolvane-jig-cli");
        std::string program = cli;
        if (geteuid() == 0) {
            args.insert(args.begin(), {"--reuid=" + std::string(kNobody),
                                       "--regid=" + std::string(kNobody), "--clear-groups", cli});
            program = "/usr/bin/setpriv";
        }
        return RunProgram(program, args, office.Path(),
                          {"HOME=" + home.Path(), "XDG_DATA_HOME=", "LD_LIBRARY_PATH="});
    }
    std::string UserData(const std::string& name) const {
        return home.Path() + "/.local/share/tolvane-jig/" + name;
    }

    static constexpr const char* kPrefix = "/usr/local";
    TempDir root;   // DESTDIR
    TempDir home;   // the technician's home
    TempDir office; // where the program is started: read-only
};
} // namespace

TEST_F(Installed, FindsItsFilesAndWritesOnlyWhereItMay) {
    for (const char* file :
         {"/share/tolvane-jig/MB connection ENE.txt", "/share/tolvane-jig/MB connection ITE.txt",
          "/share/tolvane-jig/NUVOTON.vss", "/share/icons/hicolor/scalable/apps/tolvane-jig.svg"})
        EXPECT_TRUE(fs::is_regular_file(Prefixed(file))) << file;
    const std::string desktop = ReadFileText(Prefixed("/share/applications/tolvane-jig.desktop"));
    EXPECT_NE(desktop.find("\nIcon=tolvane-jig\n"), std::string::npos) << desktop;

    ProcessResult r = Technician({"identify", "--device", "sim:pcb3", "--timing", "instant"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_NE(ReadFileText(UserData("Start_log.txt")).find("M328_EPM240_v16"), std::string::npos);
    EXPECT_FALSE(fs::exists(office.File("Start_log.txt")));

    // The ITE database and the default script come from the installed share folder.
    r = Technician({"ite", "read", office.File("jobs/ite.bin"), "--mb", "Example board 1",
                    "--device", "sim:pcb3", "--timing", "instant"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_EQ(fs::file_size(office.File("jobs/ite.bin")), 131072u);
    r = Technician({"jtag", "check", "--yes", "--device", "sim:pcb3", "--timing", "instant"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;

    // A write backs the chip up into the technician's own folder first.
    const std::vector<std::uint8_t> before = SimEneKb90xx::DefaultImage();
    WriteFileBytes(office.File("jobs/in.bin"), std::string(131072, '\x5A'));
    r = Technician({"ene", "write", office.File("jobs/in.bin"), "--device", "sim:pcb3", "--timing",
                    "instant"});
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    const std::vector<fs::path> backups = FilesIn(UserData("backups"));
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_TRUE(ReadFileText(backups[0].string()) == std::string(before.begin(), before.end()));

    r = Technician({"journal"});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.out.starts_with("Journal: " + UserData("journal.jsonl") + " (3 operations)\n"))
        << r.out;
    EXPECT_NE(r.out.find("  ENE KB90XX  write  done\n"), std::string::npos) << r.out;

    // A database that is nowhere is reported with every place it was looked for.
    fs::remove(Prefixed("/share/tolvane-jig/MB connection ENE.txt"));
    r = Technician({"ene", "read", office.File("jobs/x.bin"), "--mb", "Example", "--cable", "30",
                    "--device", "sim:pcb3", "--timing", "instant"});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("MB connection ENE.txt not found (looked in " + office.Path() + ", " +
                         Prefixed("/bin") + ", " + home.Path() + "/.local/share/tolvane-jig, " +
                         Prefixed("/share/tolvane-jig") + ")"),
              std::string::npos)
        << r.err;
}
