#pragma once
// The wire steps of one KB90xx read or write, run on the runner's worker: the block loops and
// the verification. It owns the link until it returns how the operation ended; the runner then
// ends it.
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
    Outcome Read();
    Outcome Write();

  private:
    // How a pass over the flash ended; it always ends with 'X'.
    enum class PassEnd { Done, Lost, BadStatus, SinkFailed, Stopped };
    // Takes one block and its number (from 1); false stops the pass.
    using BlockSink = std::function<bool(const std::uint8_t*, int)>;

    void ReadOperation();
    void WriteOperation();
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
    // One progress byte of a stream that goes on behind it.
    std::optional<std::uint8_t> AwaitProgressByte(Millis bound, const std::string& step);
    // A block into block_; more than a block waiting is nonsense.
    bool AwaitBlock(const std::string& step);
    // The wait's failure line and step; false.
    bool Failed(const Reply& reply);
    void Send(std::initializer_list<std::uint8_t> bytes);
    void Log(const std::string& line) { s_.port.Log(line); }

    void EndReadPass(PassEnd end);
    void EndReadLost();
    void EndWriteLost(bool endTransfer);
    void EndStopped();
    void SetFailedStep(std::string step) { s_.run.SetFailedStep(std::move(step)); }
    // How the operation ended; the steps return once it is set. A write's last line is the time
    // stamp.
    void FinishRead(Outcome outcome) { end_ = outcome; }
    void FinishWrite(Outcome outcome);

    Kb90Session& s_;
    Reply block_;
    std::string failure_;
    Outcome end_ = Outcome::Failed;
    std::uint16_t fileSum_ = 0;
    std::uint16_t fileCrc_ = 0;
    bool stopped_ = false; // a pass ended at the technician's request
};
