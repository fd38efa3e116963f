#pragma once
// The wire steps of one ITE operation, run on the runner's worker: the connection check, the
// pin assignment, the read (test, preparation, 512 blocks) or the write (test, preparation and
// erase, 1024 blocks). Each returns how the operation ended; the runner then ends it.
#include "modes/Ite/IteBus.h"
#include "modes/Ite/IteSession.h"
#include "modes/Ite/IteSteps.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

class ReadThread_ITE {
  public:
    explicit ReadThread_ITE(IteSession& session) : s_(session), bus_(session.link) {}
    Outcome Check();
    Outcome Setup();
    Outcome Read();
    Outcome Write();

  private:
    void CheckSteps();
    void SetupSteps();
    void ReadSteps();
    void WriteSteps();

    // The test command of a read or write; `code` ("(Rxxx)") is logged when the EC is silent.
    bool EcAnswers(const char* code);
    bool RunRows(std::span<const IteStep> rows);
    // Takes one block and its number (from 1); false ends the read.
    using BlockSink = std::function<bool(const std::uint8_t*, int)>;
    bool ReadBlock(int number, const BlockSink& sink);
    // The 512 blocks of a read whose preparation rows went out; failedStep names a failure.
    bool ReadBlocks(const BlockSink& sink);
    // Preparation and blocks into memory: the backup and the second read.
    bool ReadWholeFlash(std::vector<std::uint8_t>& image);
    void SayLine(const std::string& line) { s_.port.Say(line, line); }

    void Say(const IteText& text) { s_.port.Say(text); }
    // The line for a reply that did not come, naming the step.
    void SayNoReply(const IteReply& reply, const IteText& step);
    void FailCheck(const std::string& code, const IteReply& reply, const IteText& step);
    void FailSetup(const IteText& message, const IteReply& reply, const IteText& step);
    // A safe point: true (and the stop is logged once) when the technician asked to stop;
    // `where` names the step that did not run.
    bool StopAsked(const std::string& where);
    Outcome FailedOutcome() const { return stopped_ ? Outcome::Stopped : Outcome::Failed; }
    // A read or write that ends before its transfer began: no time line.
    void EndUntransferred();
    // The dump goes in place only after a good read.
    void EndTransfer(bool success);
    // How the operation ended; the steps return once it is set.
    void Ended(Outcome outcome) { end_ = outcome; }

    IteSession& s_;
    IteBus bus_;
    bool stopped_ = false;
    Outcome end_ = Outcome::Failed;
};
