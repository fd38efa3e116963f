#pragma once
// The KB90xx mode without its window: the READ, WRITE and Apply-settings handlers and the wire
// steps they hand to the runner's worker. The window, the CLI and the tests drive it; it talks
// to the technician only through its OperatorPort.
#include "modes/Kb901x_form/Kb90Session.h"

#include <optional>
#include <string>

class Kb901xEngine {
  public:
    Kb901xEngine(std::shared_ptr<FtdiApi> api, OperatorPort& port);
    Kb901xEngine(const Kb901xEngine&) = delete;
    Kb901xEngine& operator=(const Kb901xEngine&) = delete;

    // "KB90XX_READ" and "KB90XX_WRITE": return once the worker runs and the start command is
    // out, or when the operation ended before that.
    void ReadClick();
    void WriteClick();
    // The same with the file named up front (the command line); a write's file is read and
    // judged before anything is said to the JIG.
    void ReadFile(const std::string& file);
    void WriteFile(const std::string& file);
    // "Apply settings if use FFC  (only for JIG 3)": routes the cable through the PCB3 CPLD.
    // `entry` is the chosen motherboard line, `cableItem` the chosen cable (nothing when none).
    void ApplyFfcSettings(const std::optional<std::string>& entry,
                          const std::optional<std::string>& cableItem, bool oneToOne);
    // "EXIT": false while an operation runs; otherwise forgets the FFC settings and clears the
    // log.
    bool ExitClick();

    // Asks the running operation to stop at its next safe point (between blocks); any thread.
    void Stop() { s_.run.Stop(); }
    // The operation's state, outcome, failed step, files and figures.
    OperationRunner& Run() { return s_.run; }
    const OperationRunner& Run() const { return s_.run; }
    void WaitForWorker() { s_.run.WaitForWorker(); }
    bool FfcSettings() const { return s_.ffcSettings.load(); }
    // Call only while idle.
    void SetBounds(const Kb90Bounds& bounds) { s_.bounds = bounds; }
    bool LinkOpen() const { return s_.link.IsOpen(); }

  private:
    // `file` empty: asked for once the EC has answered.
    void Read(const std::string& file);
    bool OpenLink();
    bool PreparePcb3(const char* lostLine);
    bool CheckEcConnection();
    bool AwaitCommandReply(const char* lostLine, const std::string& step);
    bool LoadImage(const std::string& name);
    void StartWrite();

    Kb90Session s_;
};
