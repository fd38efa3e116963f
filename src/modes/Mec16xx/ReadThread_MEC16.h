#pragma once
// The worker of one MEC read, erase or write: the MAIN and INFO read streams, the 256-byte
// write stream, the erase with its busy poll, and the end of the operation on every path.
#include "modes/Mec16xx/MecState.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>

class ReadThread_MEC16 {
  public:
    explicit ReadThread_MEC16(MecState& session) : s_(session) {}
    // Runs the operation the state names until it ends.
    void Execute();

  private:
    // One step each; false once the operation has ended.
    bool MainStep();
    bool InfoStep();
    bool WriteStep();
    bool Erase();
    // The safety net: the chip into a backup file before an erase or write (false: the
    // operation must not go on), and before a write the stream's start once it is saved.
    bool Backup();
    bool BackupAndStartWrite();
    // The end of a good read with the safety net on: the second read of "read twice" and the
    // image's figures; false when the reads differ and the operation has ended.
    bool CheckRead(bool withInfo);

    // The next 1025-byte block into s_.block; false (the JIG lost) when it did not come.
    bool AwaitBlock(const std::string& step);
    // The block's 1024 flash bytes into the file; false when the file did not take them.
    bool SaveBlock();
    // The dump put under its name; false when that failed and the read has ended.
    bool CommitDump();
    // What a read that did not succeed received, kept as NAME.partial and said.
    void KeepPartial();
    // One byte of the write stream; nothing when it did not come (the JIG lost).
    std::optional<std::uint8_t> AwaitWriteByte(const std::string& step);
    void Send(std::initializer_list<std::uint8_t> bytes);
    void Log(const std::string& line) { s_.port.Log(line); }

    bool EndRead(MecOutcome outcome, const std::string& step = "");
    bool EndReadFailure(const char* line, const std::string& step, bool releaseFirst);
    bool EndReadStopped();
    bool EndFileError();
    bool EndWriteStopped();
    bool EndWriteBroken(const std::string& step);
    bool EndErase(MecOutcome outcome, const std::string& step = "");
    void Release(MecOutcome outcome, const std::string& step);

    // True once a stop was asked for; logs its line the first time.
    bool Stopping();

    MecState& s_;
    bool stoppedSaid_ = false;
};
