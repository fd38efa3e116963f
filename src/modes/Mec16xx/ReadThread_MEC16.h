#pragma once
// The wire steps of one MEC read, erase or write, run on the runner's worker: the MAIN and
// INFO read streams, the 256-byte write stream, the erase with its busy poll. Each returns how
// the operation ended once the mode's last lines are said; the runner then ends it.
#include "modes/Mec16xx/MecState.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

class ReadThread_MEC16 {
  public:
    explicit ReadThread_MEC16(MecState& session) : s_(session) {}
    Outcome Read();
    Outcome Erase();
    Outcome Write();

  private:
    // One step each; false once the operation has ended (end_ says how).
    bool MainStep();
    bool InfoStep();
    bool WriteStep();
    // The safety net: the chip into a backup file before an erase or write (false: the
    // operation must not go on).
    bool Backup();
    // The end of a good read with the safety net on: the second read of "read twice" and the
    // image's figures; false when the reads differ and the operation has ended.
    bool CheckRead(bool withInfo);

    // The next 1025-byte block into block_; false (the JIG lost) when it did not come.
    bool AwaitBlock(const std::string& step);
    // The block's 1024 flash bytes into the file; false when the file did not take them.
    bool SaveBlock();
    // The dump put under its name; false when that failed and the read has ended.
    bool CommitDump();
    // One byte of the write stream; nothing when it did not come (the JIG lost).
    std::optional<std::uint8_t> AwaitWriteByte(const std::string& step);
    void Send(std::initializer_list<std::uint8_t> bytes);
    void Log(const std::string& line) { s_.port.Log(line); }

    bool EndRead(Outcome outcome, const std::string& step = "");
    bool EndReadFailure(const char* line, const std::string& step, bool releaseFirst);
    bool EndReadStopped();
    bool EndFileError();
    bool EndWriteStopped();
    bool EndWriteBroken(const std::string& step);
    void EndAccessWhileAnswering();
    Outcome EndErase(Outcome outcome, const std::string& step = "");
    // How the operation ended; the steps return false once it is set.
    bool Ended(Outcome outcome, const std::string& step);

    // True once a stop was asked for; logs its line the first time.
    bool Stopping();

    MecState& s_;
    Reply block_;
    bool info_ = false; // the read is in its INFO stream
    Outcome end_ = Outcome::Failed;
    bool stoppedSaid_ = false;
};
