#pragma once
// The worker of one KB90xx read or write: the block loops, the verification and the end of
// the operation on every path.
#include "modes/Kb901x_form/Kb90Session.h"

#include <initializer_list>
#include <optional>
#include <string>

class ReadThread_KB90 {
  public:
    explicit ReadThread_KB90(Kb90Session& session) : s_(session) {}
    void Execute();

  private:
    void ReadLoop();
    void WriteLoop();
    void VerifyByChecksums();
    void VerifyByReadBack();

    // Nothing when the byte did not come; failure_ then names the step.
    std::optional<std::uint8_t> AwaitByte(Millis bound, const std::string& step);
    // 256 bytes into the link's buffer; more than a block waiting is nonsense.
    bool AwaitBlock(const std::string& step);
    void Send(std::initializer_list<std::uint8_t> bytes);
    void Log(const std::string& line) { s_.port.Log(line); }

    void EndReadLost();
    void EndWriteLost(bool endTransfer);
    void FinishRead(Kb90Outcome outcome);
    void FinishWrite(Kb90Outcome outcome);
    void Release(Kb90Outcome outcome);

    Kb90Session& s_;
    std::string failure_;
};
