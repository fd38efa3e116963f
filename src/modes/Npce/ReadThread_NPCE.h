#pragma once
// The worker of one NPCE read or write. It owns the link from its first act (the stream start
// command, or the erase) to its last (the state back to "NONE"), and ends the operation on
// every path: link and file closed, state "NONE", buttons enabled.
#include "modes/Npce/NpceSession.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

class ReadThread_NPCE {
  public:
    explicit ReadThread_NPCE(NpceSession& session) : s_(session) {}
    void Execute();

  private:
    // How the blocks of a read stream ended; after Done and Stopped the end '-' has gone out.
    enum class PassEnd { Done, Broken, SinkFailed, Stopped };
    // Takes one block and its number (from 1); false stops the stream.
    using BlockSink = std::function<bool(const std::uint8_t*, int)>;

    PassEnd ReadPass(const BlockSink& sink);
    // The JIG's answer to the end of a read stream: false when it did not come or says 00h.
    bool AwaitEndOfRead();
    // A whole read into memory: the backup and the second read.
    bool ReadWholeFlash(std::vector<std::uint8_t>& image);
    bool Backup();
    void ReadStream();
    void EndReadBroken();
    void EndReadFileError();
    // The read's file put in place; false (and the operation ended) when that failed.
    bool CommitFile();

    void WriteOperation();
    bool Erase();
    bool BlankCheck();
    bool WriteStream();
    bool EndWriteBroken();
    void Verify();
    void EndVerifyBroken();

    // Waits for a fixed-size answer; when it does not come as it should, `step` becomes the
    // failing step and its line is kept for the log.
    bool Await(std::size_t count, Millis bound, const std::string& step);
    // The last wait failed because the JIG stopped answering: nothing more is waited for.
    bool JigSilent() const;
    void LogWaitFailure();
    // A status that is wrong though the JIG answered.
    void Refused(const std::string& step) { s_.SetFailedStep(step); }
    void Send(std::initializer_list<std::uint8_t> bytes) { s_.link.Send(bytes); }
    void SendStreamStart(std::uint8_t command);
    // Ends a stream the JIG may still be in ('-' or 07h), taking its answer if it still talks.
    void EndStream(std::uint8_t end, std::size_t answerBytes);
    // 'I' or 'O'; an answer that does not come turns a success into a failure.
    NpceOutcome Signal(std::uint8_t signal, NpceOutcome outcome);
    void Log(const std::string& line) { s_.port.Log(line); }
    // The technician asked to stop: looked at between blocks and between steps.
    bool Stopping() const { return s_.stopRequested.load(); }
    // Ends a stopped operation whose stream is over; `signal`: the JIG is told with 'O'.
    void EndStopped(const std::string& step, bool signal);
    void Finish(NpceOutcome outcome);
    // The end of the operation's files: a read that did not succeed keeps what came as
    // NAME.partial; a write that did not says where the chip stands.
    void SettleFiles(NpceOutcome outcome, bool write);

    NpceSession& s_;
    NpceAnswer last_;
    bool passStopped_ = false; // a whole-flash read (backup, second read) ended by a stop
    std::string waitLine_;     // empty unless the last wait failed
};
