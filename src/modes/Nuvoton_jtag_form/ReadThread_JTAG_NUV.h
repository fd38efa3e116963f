#pragma once
// The worker of one script, read or write: the script's lines, the block reads, the sector
// erase with its status poll, the checked block write, and the end of each on every path.
#include "modes/Nuvoton_jtag_form/JtagChannel.h"
#include "modes/Nuvoton_jtag_form/NuvJtagSession.h"

#include <cstdint>
#include <string>
#include <vector>

class ReadThread_JTAG_NUV {
  public:
    explicit ReadThread_JTAG_NUV(NuvJtagSession& session) : s_(session), channel_(session) {}
    void Execute();

  private:
    void SendScript();
    void Read();
    void EraseAndWrite();
    bool Erase();
    bool Write();
    // The status poll of one sector; nothing when it did not end within its bound.
    std::optional<std::uint8_t> AwaitErased(int sector);
    bool ReadBlock(int block);
    // Every block into memory: the backup and the second read.
    bool ReadWholeFlash(std::vector<std::uint8_t>& image);
    bool Backup();

    void Log(const std::string& line) { s_.port.Log(line); }
    // A line that ends the operation: logged, and kept for its record.
    void LogFailure(const std::string& line) {
        s_.failedStep = line;
        Log(line);
    }
    // A safe point: true (and the operation ends as stopped) when the technician asked.
    bool StopHere();
    // The read's dump: put in place after a good read, else kept as NAME.partial.
    bool CommitDump();
    void AbandonDump();
    // The end of a read or write: signal, window reset, result, timer.
    void Finish(bool ok);
    void ScriptFailed();

    NuvJtagSession& s_;
    JtagChannel channel_;
    bool stopped_ = false;
    bool writing_ = false; // the chip may change: a failure says where it stands
};
