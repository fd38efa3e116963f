#pragma once
// Where the chip stands while an erase or a write runs, so that a failure or a stop can say it
// in one line: unchanged, erased, partly written, or written but not verified.
#include "port/TrNoop.h"

#include <mutex>
#include <string>

class ChipProgress {
  public:
    // A new operation: nothing has reached the chip.
    void Reset();
    // The erase command went out: from now on the chip may be partly erased.
    void Erasing();
    void Erased();
    // Block `block` of `total` went out: until Written() confirms it, it may be half on the chip.
    void Sending(int block, int total);
    // Blocks 1 to `block` of `total` are on the chip.
    void Written(int block, int total);
    // Every block is on the chip; the verify has not said yes yet.
    void AllWritten();
    void Verified();

    bool Changed() const;
    // "The chip is partly written (blocks 1 to 37 of 512). Backup: PATH." (`backup` empty:
    // "No backup was taken.").
    std::string Line(const std::string& backup) const;

  private:
    enum class Stand { Unchanged, Erasing, Erased, Writing, AllWritten, Verified };
    mutable std::mutex mutex_;
    Stand stand_ = Stand::Unchanged;
    int block_ = 0;
    int total_ = 0;
    int sent_ = 0; // the last block that went out, confirmed or not
};

// The log line of an operation that ended because the technician asked it to.
inline constexpr const char* kStoppedLine =
    TR_NOOP("Common", "Stopped at the technician's request.");
