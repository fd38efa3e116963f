#pragma once
// The journal record of the operation a mode runs: begun by its handler, filled in as the
// operation learns things, and appended once when it ends, on whichever thread that is.
#include "safety/Journal.h"
#include "safety/SafeRead.h"

#include <mutex>
#include <string>

class OperationRecord {
  public:
    // Starts a record when `active`; without, every other call does nothing.
    // `simulated`: the JIG is the simulator's, and the record's device says so.
    void Begin(bool active, const std::string& mode, const std::string& operation,
               bool simulated = false);
    void SetJig(const std::string& versionText);
    void SetChipId(const std::string& chipId);
    std::string ChipId() const; // any thread; empty while unknown
    // The image file the operation reads into or writes from; its size and SHA-256 are taken
    // when the record ends.
    void SetFile(const std::string& path);
    void SetBackup(const std::string& path);
    // Appends a "started" record before the first erase or write reaches the chip, so that a
    // process that dies during it still leaves a trace (once; only while the record is open).
    void Started(const LogLine& log);
    // Appends the record (once: later calls do nothing). A journal that cannot be written is
    // said on `log`.
    void End(const std::string& result, const std::string& failedStep, const LogLine& log);
    bool Open() const;

  private:
    void Append(JournalRecord r, const LogLine& log);

    mutable std::mutex mutex_;
    bool open_ = false;
    bool started_ = false;
    JournalRecord record_;
};
