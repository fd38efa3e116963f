#pragma once
// The wire steps of one NPCE read or write, run on the runner's worker. It owns the link from
// its first act (the stream start command, or the erase) until it returns how the operation
// ended; the runner then ends it.
#include "modes/Npce/NpceSession.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

class ReadThread_NPCE {
  public:
    explicit ReadThread_NPCE(NpceSession& session) : s_(session) {}
    Outcome Read();
    Outcome Write();

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
    void LogDifference(std::size_t offset);

    // Waits for a fixed-size answer; when it does not come as it should, `step` becomes the
    // failing step and its line is kept for the log.
    bool Await(std::size_t count, Millis bound, const std::string& step);
    // The last wait failed because the JIG stopped answering: nothing more is waited for.
    bool JigSilent() const;
    void LogWaitFailure();
    // A status that is wrong though the JIG answered.
    void Refused(const std::string& step) { s_.run.SetFailedStep(step); }
    void Send(std::initializer_list<std::uint8_t> bytes) { s_.link.Send(bytes); }
    // `replyEnd`: the last byte of the replies, where it is known beforehand.
    void SendStreamStart(std::uint8_t command, std::optional<std::uint8_t> replyEnd = std::nullopt);
    // Ends a stream the JIG may still be in ('-' or 07h), taking its answer if it still talks.
    void EndStream(std::uint8_t end, std::size_t answerBytes);
    // 'I' or 'O'; an answer that does not come turns a success into a failure.
    Outcome Signal(std::uint8_t signal, Outcome outcome);
    void Log(const std::string& line) { s_.port.Log(line); }
    // The technician asked to stop: looked at between blocks and between steps.
    bool Stopping() const { return s_.run.Stopping(); }
    // Ends a stopped operation whose stream is over; `signal`: the JIG is told with 'O'.
    void EndStopped(const std::string& step, bool signal);
    // How the operation ended; the steps return once it is set.
    void Finish(Outcome outcome);

    NpceSession& s_;
    Reply last_;
    Outcome end_ = Outcome::Failed;
    bool passStopped_ = false; // a whole-flash read (backup, second read) ended by a stop
    std::string waitLine_;     // empty unless the last wait failed
};
