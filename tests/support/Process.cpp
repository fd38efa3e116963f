#include "support/Process.h"

#include "support/Surprises.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <string_view>
#include <sys/wait.h>
#include <unistd.h>

#ifndef TOLVANE_BIN_DIR
#define TOLVANE_BIN_DIR "build/bin"
#endif

extern char** environ;

namespace {
std::vector<char*> Argv(const std::string& path, const std::vector<std::string>& args) {
    std::vector<char*> argv{const_cast<char*>(path.c_str())};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    return argv;
}

// The test's environment with `extra` entries added, later ones replacing earlier ones. The
// programs write their texts as they stand in the source, whatever the machine's language,
// unless a test chooses one.
std::vector<char*> Environment(const std::vector<std::string>& extra) {
    static char original[] = "TOLVANE_LANG=original";
    const auto keyOf = [](std::string_view x) { return x.substr(0, x.find('=')); };
    const bool chosen = std::any_of(extra.begin(), extra.end(), [&](const std::string& x) {
        return keyOf(x) == keyOf(original);
    });
    std::vector<char*> env;
    if (!chosen)
        env.push_back(original);
    for (char** e = environ; *e; ++e) {
        const std::string_view entry(*e);
        const bool replaced = (!chosen && keyOf(entry) == keyOf(original)) ||
                              std::any_of(extra.begin(), extra.end(), [&](const std::string& x) {
                                  return keyOf(entry) == keyOf(x);
                              });
        if (!replaced)
            env.push_back(*e);
    }
    for (const std::string& x : extra)
        env.push_back(const_cast<char*>(x.c_str()));
    env.push_back(nullptr);
    return env;
}

// False when the program kept its pipes open and silent for a minute: it hangs. `tick` is called
// after each piece of output and, while `often`, every few milliseconds besides.
bool ReadAll(int outFd, int errFd, std::string* out, std::string* err,
             const std::function<void()>& tick, const std::function<bool()>& often) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    int open = 2;
    int silentMs = 0;
    char buf[4096];
    while (open > 0) {
        const int step = often && often() ? 2 : 60'000;
        const int ready = ::poll(fds, 2, step);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0 || (ready == 0 && (silentMs += step) >= 60'000))
            return false;
        if (ready > 0)
            silentMs = 0;
        for (int i = 0; i < 2 && ready > 0; ++i) {
            if (fds[i].fd < 0 || !fds[i].revents)
                continue;
            ssize_t n = ::read(fds[i].fd, buf, sizeof buf);
            if (n > 0) {
                (i == 0 ? out : err)->append(buf, static_cast<std::size_t>(n));
            } else {
                fds[i].fd = -1;
                --open;
            }
        }
        if (tick)
            tick();
    }
    return open == 0;
}
} // namespace

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& cwd, const std::vector<std::string>& env) {
    return RunProgramSignalled(program, args, "", 0, cwd, env);
}

ProcessResult RunProgramSignalled(const std::string& program, const std::vector<std::string>& args,
                                  const std::string& once, int signal, const std::string& cwd,
                                  const std::vector<std::string>& env) {
    if (once.empty())
        return RunProgramAndSignal(program, args, cwd, env, nullptr, 0);
    return RunProgramAndSignal(
        program, args, cwd, env,
        [once](const std::string& out) { return out.find(once) != std::string::npos; }, signal);
}

ProcessResult RunProgramAndSignal(const std::string& program, const std::vector<std::string>& args,
                                  const std::string& cwd, const std::vector<std::string>& env,
                                  const std::function<bool(const std::string&)>& when, int signal) {
    const std::string path =
        program.starts_with('/') ? program : std::string(TOLVANE_BIN_DIR) + "/" + program;
    int out[2], err[2];
    ProcessResult r;
    if (pipe2(out, O_CLOEXEC) != 0 || pipe2(err, O_CLOEXEC) != 0)
        return r;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, out[1], 1);
    posix_spawn_file_actions_adddup2(&fa, err[1], 2);
    posix_spawn_file_actions_addopen(&fa, 0, "/dev/null", O_RDONLY, 0);
    if (!cwd.empty())
        posix_spawn_file_actions_addchdir_np(&fa, cwd.c_str());
    pid_t pid = -1;
    auto argv = Argv(path, args);
    auto envp = Environment(env);
    int rc = posix_spawn(&pid, path.c_str(), &fa, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&fa);
    ::close(out[1]);
    ::close(err[1]);
    bool sent = !when;
    const auto tick = [&] {
        if (!sent && when(r.out)) {
            sent = true;
            ::kill(pid, signal);
        }
    };
    // A hanging program fails its test (exit status -1) instead of stopping the suite.
    if (rc == 0 && !ReadAll(out[0], err[0], &r.out, &r.err, tick, [&] { return !sent; }))
        ::kill(pid, SIGKILL);
    ::close(out[0]);
    ::close(err[0]);
    int status = 0;
    if (rc == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        r.exitCode = WEXITSTATUS(status);
    NoteSurprisesIn(r.err);
    return r;
}

SimProcess::SimProcess(const std::vector<std::string>& args) {
    const std::string path = std::string(TOLVANE_BIN_DIR) + "/tolvane-jig-sim";
    int out[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return;
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_adddup2(&fa, out[1], 1);
    // Its stderr is kept for the surprises it prints.
    std::string pattern = "/tmp/tolvane-sim-stderr-XXXXXX";
    const int errFd = mkstemp(pattern.data());
    if (errFd >= 0) {
        errFile_ = pattern;
        posix_spawn_file_actions_adddup2(&fa, errFd, 2);
    }
    std::vector<std::string> all{"--pty"};
    all.insert(all.end(), args.begin(), args.end());
    auto argv = Argv(path, all);
    if (posix_spawn(&pid_, path.c_str(), &fa, nullptr, argv.data(), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&fa);
    ::close(out[1]);
    if (errFd >= 0)
        ::close(errFd);
    // The first line is the terminal's path.
    pollfd fd{out[0], POLLIN, 0};
    char c;
    while (pid_ > 0 && ::poll(&fd, 1, 10'000) > 0 && ::read(out[0], &c, 1) == 1 && c != '\n')
        path_ += c;
    ::close(out[0]);
}

SimProcess::~SimProcess() {
    Stop();
}

int SimProcess::Stop() {
    if (pid_ <= 0)
        return -1;
    ::kill(pid_, SIGTERM);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
    if (!errFile_.empty()) {
        std::ifstream in(errFile_);
        std::stringstream text;
        text << in.rdbuf();
        NoteSurprisesIn(text.str());
        std::remove(errFile_.c_str());
        errFile_.clear();
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
