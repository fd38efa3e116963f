#pragma once
// Runs the project's own executables from tests.
#include <functional>
#include <string>
#include <vector>

struct ProcessResult {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs build/bin/<program> (or `program` itself when it is an absolute path) with `args`, in `cwd`
// when given, and waits for it. `env` holds NAME=VALUE entries added to (or replacing those of) the
// test's own environment.
ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& cwd = "", const std::vector<std::string>& env = {});
// The same, and `signal` goes to the program once its standard output holds `once`.
ProcessResult RunProgramSignalled(const std::string& program, const std::vector<std::string>& args,
                                  const std::string& once, int signal, const std::string& cwd = "",
                                  const std::vector<std::string>& env = {});
// The same, and `signal` goes to the program the first time `when` says yes: it sees the output
// so far, after each piece of it and every few milliseconds (a time passed, a file grown).
ProcessResult RunProgramAndSignal(const std::string& program, const std::vector<std::string>& args,
                                  const std::string& cwd, const std::vector<std::string>& env,
                                  const std::function<bool(const std::string&)>& when, int signal);

// tolvane-jig-sim --pty running for the test's life; the surprises it reports count for the
// test when it stops.
class SimProcess {
  public:
    explicit SimProcess(const std::vector<std::string>& args);
    ~SimProcess();
    const std::string& PtyPath() const { return path_; }
    // Stops it (SIGTERM) and returns its exit status.
    int Stop();

  private:
    int pid_ = -1;
    std::string path_;
    std::string errFile_;
};
