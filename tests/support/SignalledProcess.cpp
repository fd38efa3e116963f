#include "support/SignalledProcess.h"

#include "support/SimFixture.h"
#include "support/Surprises.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#ifndef TOLVANE_BIN_DIR
#define TOLVANE_BIN_DIR "build/bin"
#endif

extern char** environ;

ProcessResult RunProgramAndSignal(const std::string& program, const std::vector<std::string>& args,
                                  const std::string& cwd, const std::vector<std::string>& env,
                                  const std::function<bool()>& when, int signal) {
    ProcessResult r;
    TempDir outputs; // files, not pipes: nothing to drain while the test watches
    const std::string outFile = outputs.File("out");
    const std::string errFile = outputs.File("err");
    const std::string path = std::string(TOLVANE_BIN_DIR) + "/" + program;
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** e = environ; *e; ++e)
        envp.push_back(*e);
    for (const std::string& x : env)
        envp.insert(envp.begin(), const_cast<char*>(x.c_str())); // the first entry wins
    envp.push_back(nullptr);

    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&fa, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&fa, 2, errFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (!cwd.empty())
        posix_spawn_file_actions_addchdir_np(&fa, cwd.c_str());
    pid_t pid = -1;
    const int rc = posix_spawn(&pid, path.c_str(), &fa, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&fa);
    if (rc != 0)
        return r;

    const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    bool signalled = false;
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (std::chrono::steady_clock::now() > giveUp) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            break;
        }
        if (!signalled && when()) {
            kill(pid, signal);
            signalled = true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (WIFEXITED(status))
        r.exitCode = WEXITSTATUS(status);
    r.out = ReadFileText(outFile);
    r.err = ReadFileText(errFile);
    NoteSurprisesIn(r.err);
    return r;
}
