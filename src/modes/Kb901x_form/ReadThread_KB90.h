#pragma once
// The worker of one KB90xx read or write: the block loops, the verification and the end of
// the operation on every path.
#include "modes/Kb901x_form/Kb90Session.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

class ReadThread_KB90 {
  public:
    explicit ReadThread_KB90(Kb90Session& session) : s_(session) {}
    void Execute();

  private:
    // How a pass over the flash ended; it always ends with 'X'.
    enum class PassEnd { Done, Lost, BadStatus, SinkFailed, Stopped };
    // Takes one block and its number (from 1); false stops the pass.
    using BlockSink = std::function<bool(const std::uint8_t*, int)>;

    void Read();
    void Write();
    // The blocks of one read, its start command already sent.
    PassEnd ReadPass(const BlockSink& sink);
    // A whole read into memory, start command included: the backup and the second read.
    bool ReadWholeFlash(std::vector<std::uint8_t>& image);
    void WriteLoop();
    // The block that holds the file's end, padded with FFh, then the verification.
    void WriteLastShortBlock(int number, const std::uint8_t* block, std::size_t got);
    // A stop asked for at a safe point: true once the operation has been ended.
    bool StopHere(bool endTransfer);
    void VerifyByChecksums();
    void VerifyByReadBack();

    // Nothing when the byte did not come; failure_ then names the step.
    std::optional<std::uint8_t> AwaitByte(Millis bound, const std::string& step);
    // 256 bytes into the link's buffer; more than a block waiting is nonsense.
    bool AwaitBlock(const std::string& step);
    void Send(std::initializer_list<std::uint8_t> bytes);
    void Log(const std::string& line) { s_.port.Log(line); }

    void EndReadPass(PassEnd end);
    void EndReadLost();
    void EndWriteLost(bool endTransfer);
    void EndStopped();
    void FinishRead(Kb90Outcome outcome);
    void FinishWrite(Kb90Outcome outcome);
    void Release(Kb90Outcome outcome);

    Kb90Session& s_;
    std::string failure_;
    bool stopped_ = false; // a pass ended at the technician's request
};
