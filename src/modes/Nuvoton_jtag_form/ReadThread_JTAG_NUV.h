#pragma once
// The wire steps of one script, read or write, run on the runner's worker: the script's lines,
// the block reads, the sector erase with its status poll, the checked block write, and the
// mode's last signals on every path. Each returns how it ended; the runner then ends it.
#include "modes/Nuvoton_jtag_form/JtagChannel.h"
#include "modes/Nuvoton_jtag_form/NuvJtagSession.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ReadThread_JTAG_NUV {
  public:
    explicit ReadThread_JTAG_NUV(NuvJtagSession& session) : s_(session), channel_(session) {}
    Outcome SendScript();
    Outcome Read();
    Outcome EraseAndWrite();

  private:
    // The controller's helper answers the write set-up; nothing is erased before it does.
    bool HelperAnswers();
    bool Erase();
    bool Write();
    // The status poll of one sector; nothing when it did not end within its bound.
    std::optional<std::uint8_t> AwaitErased(int sector);
    bool ReadBlock(int block);
    // Every block into memory: the backup and the second read.
    bool ReadWholeFlash(std::vector<std::uint8_t>& image);
    bool Backup();
    // The check and the script once more, for the next pass of the same operation.
    bool PrepareAgain();

    void Log(const std::string& line) { s_.port.Log(line); }
    // A line that ends the operation: logged, and kept for its record.
    void LogFailure(const std::string& line) {
        s_.run.SetFailedStep(line);
        Log(line);
    }
    // A safe point: true (and the operation ends as stopped) when the technician asked.
    bool StopHere();
    // The end of a read or write: the stop line, the buzzer, the JIG's reset; the timer is due.
    Outcome Finish(bool ok);
    Outcome ScriptFailed();

    NuvJtagSession& s_;
    JtagChannel channel_;
    bool stopped_ = false;
};
