#include "modes/Mec16xx/ReadThread_MEC16.h"

#include "modes/Mec16xx/MecRegisters.h"
#include "modes/Mec16xx/MecTexts.h"
#include "modes/Mec16xx/MecWriteStart.h"
#include "port/Tr.h"

#include <algorithm>
#include <array>

Outcome ReadThread_MEC16::Read() {
    for (bool running = true; running;)
        running = info_ ? InfoStep() : MainStep();
    return end_;
}

Outcome ReadThread_MEC16::Write() {
    if (const std::optional<Outcome> ended = MecOpenForWrite(s_))
        return *ended;
    if (s_.run.Safety().backup) {
        if (!Backup()) {
            const bool stopped = s_.StopRequested();
            if (stopped)
                Log(Tr("Common", kStoppedLine));
            return MecFailWriteStart(s_, s_.run.FailedStep(),
                                     stopped ? Outcome::Stopped : Outcome::Failed);
        }
        s_.port.SetGaugeColour(Mec::kRed);
        s_.port.SetGaugeMax(Mec::kWriteBlocks);
    }
    if (const std::optional<Outcome> ended = MecStartWriteStream(s_))
        return *ended;
    while (WriteStep()) {
    }
    return end_;
}

void ReadThread_MEC16::Send(std::initializer_list<std::uint8_t> bytes) {
    s_.link.Send(bytes);
}

bool ReadThread_MEC16::Ended(Outcome outcome, const std::string& step) {
    end_ = s_.End(outcome, step);
    return false;
}

// ---------------------------------------------------------------- read

bool ReadThread_MEC16::AwaitBlock(const std::string& step) {
    block_ = s_.link.Expect(Mec::kReadFrameBytes, s_.bounds.dataBlock, step);
    if (block_.Ok())
        return true;
    MecJigLost(s_, block_.FailureLine(), step);
    return false;
}

bool ReadThread_MEC16::SaveBlock() {
    if (!s_.run.WriteOutput(block_.bytes.data(), Mec::kReadBlockBytes))
        return false;
    if (s_.run.Safety().active)
        s_.image.insert(s_.image.end(), block_.bytes.begin(),
                        block_.bytes.begin() + Mec::kReadBlockBytes);
    return true;
}

bool ReadThread_MEC16::MainStep() {
    const int block = s_.blockCounter;
    const bool mainOnly = s_.blockMode == Mec::kMainOnly;
    if (!AwaitBlock(
            Mec::BlockStep(TR_NOOP("Mec", "MAIN block %1 of %2"), block, Mec::kMainReadBlocks)))
        return EndReadFailure(TR_NOOP("Mec", "Lost communication with MEC (P103)."), "P103", true);
    if (!SaveBlock())
        return EndFileError();
    s_.port.SetGauge((Mec::kMainReadBlocks / Mec::kMainReadBlocks) * block);

    if (s_.StopRequested())
        return EndReadStopped();
    if (block_.At(Mec::kReadBlockBytes) != Mec::kBlockGood)
        return EndReadFailure(TR_NOOP("Mec", "Lost communication with MEC (P103)."), "P103", true);
    if (block != Mec::kMainReadBlocks) {
        Send({'N'});
        ++s_.blockCounter;
        return true;
    }

    Send({'X'});
    Log(Tr("Mec", "Read FLASH complete."));
    if (mainOnly) {
        MecEndStreamAccess(s_, {TR_NOOP("Mec", "Потеряна связь с MEC16 (P104)."),
                                TR_NOOP("Mec", "Потеряна связь с MEC16 (P105)."),
                                TR_NOOP("Mec", "Потеряна связь с MEC16 (P106)")});
        if (!CheckRead(false) || !CommitDump())
            return false;
        MecResultSignal(s_, "OK");
        MecReleaseJtag(s_);
        return EndRead(Outcome::Succeeded);
    }
    info_ = true;
    s_.blockCounter = 1;
    Log(Tr("Mec", MecRegWrite(s_, Mec::kRegMode, Mec::kModeEnd) != Mec::kRegLost
                      ? TR_NOOP("Mec", "Write to reg FF3908h 100h")
                      : TR_NOOP("Mec", "Потеряна связь с MEC16 (P107).")));
    Log(Tr("Mec", "Read INFO ..."));
    Log(Tr("Mec", MecRegWrite(s_, Mec::kRegMode, Mec::kModeRead) != Mec::kRegLost
                      ? TR_NOOP("Mec", "Write to reg FF3908h 105h")
                      : TR_NOOP("Mec", "Потеряна связь с MEC16 (P108).")));
    MecStartRead(s_, Mec::kInfoAddress);
    return true;
}

bool ReadThread_MEC16::InfoStep() {
    const int block = s_.blockCounter;
    if (!AwaitBlock(
            Mec::BlockStep(TR_NOOP("Mec", "INFO block %1 of %2"), block, Mec::kInfoReadBlocks)))
        return EndReadFailure(TR_NOOP("Mec", "Lost communication with MEC (P109)."), "P109", false);
    if (!SaveBlock())
        return EndFileError();
    if (s_.StopRequested())
        return EndReadStopped();
    if (block_.At(Mec::kReadBlockBytes) != Mec::kBlockGood)
        return EndReadFailure(TR_NOOP("Mec", "Lost communication with MEC (P109)."), "P109", false);
    if (block != Mec::kInfoReadBlocks) {
        Send({'N'});
        ++s_.blockCounter;
        return true;
    }
    Send({'X'});
    Log(Tr("Mec", "Read INFO complete."));
    MecEndStreamAccess(s_, {TR_NOOP("Mec", "Потеряна связь с MEC16 (P110)."),
                            TR_NOOP("Mec", "Потеряна связь с MEC16 (P111)."),
                            TR_NOOP("Mec", "Потеряна связь с MEC16 (P112)")});
    if (!CheckRead(true) || !CommitDump())
        return false;
    MecResultSignal(s_, "OK");
    MecReleaseJtag(s_);
    return EndRead(Outcome::Succeeded);
}

// The stream is stopped, the JTAG connection released (before or after the line, as each
// path of the protocol has it) and the JIG told.
bool ReadThread_MEC16::EndReadFailure(const char* line, const std::string& step,
                                      bool releaseFirst) {
    Send({'X'});
    EndAccessWhileAnswering();
    if (releaseFirst)
        MecReleaseJtag(s_);
    Log(Tr("Mec", line));
    MecResultSignal(s_, "ERROR");
    if (!releaseFirst)
        MecReleaseJtag(s_);
    return EndRead(Outcome::Failed, step);
}

// STOP: the stream ends after the block just saved, as the JIG expects between blocks.
bool ReadThread_MEC16::EndReadStopped() {
    Send({'X'});
    Log(Tr("Mec", "User break read ..."));
    Log(Tr("Common", kStoppedLine));
    MecEndStreamAccess(s_, {TR_NOOP("Mec", "Потеряна связь с MEC16 (P100)."),
                            TR_NOOP("Mec", "Потеряна связь с MEC16 (P101)."),
                            TR_NOOP("Mec", "Потеряна связь с MEC16 (P102)")});
    MecReleaseJtag(s_);
    MecResultSignal(s_, "ERROR");
    return EndRead(Outcome::Stopped, "User break");
}

// A file that did not take the data must never end as a good read.
bool ReadThread_MEC16::EndFileError() {
    Send({'X'});
    EndAccessWhileAnswering();
    MecReleaseJtag(s_);
    Log(Fill(Tr("Common", "Error writing the file %1: %2"), s_.run.FileName(),
             s_.run.Output().Error()));
    MecResultSignal(s_, "ERROR");
    return EndRead(Outcome::Failed, "file");
}

// The whole read (and its second read) is good: only now does the dump take the name.
bool ReadThread_MEC16::CommitDump() {
    if (s_.run.CommitOutput())
        return true;
    MecResultSignal(s_, "ERROR");
    MecReleaseJtag(s_);
    EndRead(Outcome::Failed, "file");
    return false;
}

bool ReadThread_MEC16::EndRead(Outcome outcome, const std::string& step) {
    Log(Tr("Mec", "Close VCOM port"));
    s_.link.Close();
    Log(Mec::TimeLine(Mec::kTimeEnglish));
    Log("");
    return Ended(outcome, step);
}

// ---------------------------------------------------------------- write

std::optional<std::uint8_t> ReadThread_MEC16::AwaitWriteByte(const std::string& step) {
    const Reply r = s_.link.Expect(1, s_.bounds.dataBlock, step);
    if (r.Ok())
        return r.At(0);
    MecJigLost(s_, r.FailureLine(), step);
    return std::nullopt;
}

bool ReadThread_MEC16::WriteStep() {
    const int block = s_.blockCounter;
    if (!AwaitWriteByte(
            Mec::BlockStep(TR_NOOP("Mec", "request for block %1 of %2"), block, Mec::kWriteBlocks)))
        return EndWriteBroken("W103");

    // The image was read whole and padded before the chip was touched; a short file still ends
    // the stream after the block that holds its last byte.
    std::array<std::uint8_t, Mec::kWriteBlockBytes> data;
    const std::size_t at = static_cast<std::size_t>(block - 1) * data.size();
    std::copy_n(s_.toWrite.begin() + static_cast<std::ptrdiff_t>(at), data.size(), data.begin());
    const std::size_t got =
        std::min(data.size(), s_.toWriteFileBytes > at ? s_.toWriteFileBytes - at : 0);
    const std::string ackStep =
        Mec::BlockStep(TR_NOOP("Mec", "answer to block %1 of %2"), block, Mec::kWriteBlocks);

    if (got < data.size()) {
        Log(Tr("Mec", "-> Предупреждение!"));
        Log(Tr("Mec", "-> Записываемый файл короче!"));
        s_.run.Progress().Sending(block, Mec::kWriteBlocks);
        s_.link.Send(data);
        s_.run.AddFileBytes(got);
        const std::optional<std::uint8_t> ack = AwaitWriteByte(ackStep);
        // A last block that did not take is a failed write, never a good one.
        const bool good = ack == Mec::kBlockProgrammed;
        if (good)
            s_.run.Progress().AllWritten();
        else
            Log(Tr("Mec", "Потеряна связь с MEC16 (W102)"));
        Send({'X'});
        MecEndStreamAccess(s_, {TR_NOOP("Mec", "Потеряна связь с MEC16 (W104)."),
                                TR_NOOP("Mec", "Потеряна связь с MEC16 (W105)."),
                                TR_NOOP("Mec", "Потеряна связь с MEC16 (W106)")});
        MecGiveBackLines(s_);
        MecResultSignal(s_, good ? "OK" : "ERROR");
        s_.link.Close();
        Log(Mec::TimeLine(Mec::kTimeEnglish));
        Log("");
        return Ended(good ? Outcome::Succeeded : Outcome::Failed, "W102");
    }

    s_.run.Progress().Sending(block, Mec::kWriteBlocks);
    s_.link.Send(data);
    s_.run.AddFileBytes(data.size());
    s_.port.SetGauge((Mec::kWriteBlocks / Mec::kWriteBlocks) * block);
    if (AwaitWriteByte(ackStep) != Mec::kBlockProgrammed)
        return EndWriteBroken("W103");
    s_.run.Progress().Written(block, Mec::kWriteBlocks);
    if (block != Mec::kWriteBlocks && s_.StopRequested())
        return EndWriteStopped();
    if (block != Mec::kWriteBlocks) {
        ++s_.blockCounter;
        Send({'N'});
        return true;
    }
    s_.run.Progress().AllWritten();
    Send({'X'});
    Log(Tr("Mec", "Write FLASH complete."));
    MecEndStreamAccess(s_, {TR_NOOP("Mec", "Потеряна связь с MEC16 (W104)."),
                            TR_NOOP("Mec", "Потеряна связь с MEC16 (W105)."),
                            TR_NOOP("Mec", "Потеряна связь с MEC16 (W106)")});
    MecResultSignal(s_, "OK");
    MecReleaseJtag(s_);
    Log(Tr("Mec", "Close VCOM port"));
    s_.link.Close();
    Log(Mec::TimeLine(Mec::kTimeEnglish));
    Log("");
    return Ended(Outcome::Succeeded, "");
}

// STOP between blocks: 'X' instead of 'N' ends the stream as after its last block, and the
// controller is set back so that the JIG and the chip take the next command.
bool ReadThread_MEC16::EndWriteStopped() {
    Send({'X'});
    Log(Tr("Common", kStoppedLine));
    MecEndStreamAccess(s_, {TR_NOOP("Mec", "Потеряна связь с MEC16 (W104)."),
                            TR_NOOP("Mec", "Потеряна связь с MEC16 (W105)."),
                            TR_NOOP("Mec", "Потеряна связь с MEC16 (W106)")});
    MecResultSignal(s_, "ERROR");
    MecReleaseJtag(s_);
    Log(Tr("Mec", "Close VCOM port"));
    s_.link.Close();
    Log(Mec::TimeLine(Mec::kTimeEnglish));
    Log("");
    return Ended(Outcome::Stopped, "User break");
}

// A block the chip did not take: the stream stops without the end writes.
bool ReadThread_MEC16::EndWriteBroken(const std::string& step) {
    if (step == "W103")
        Log(Tr("Mec", "Потеряна связь с MEC16 (W103)"));
    Send({'X'});
    EndAccessWhileAnswering();
    MecGiveBackLines(s_);
    MecResultSignal(s_, "ERROR");
    s_.link.Close();
    Log(Mec::TimeLine(Mec::kTimeEnglish));
    Log("");
    return Ended(Outcome::Failed, step);
}

// A stream ended early by 'X' while the JIG still answers (a bad block, a file that did not
// take it): the controller's access is ended as after a whole stream, or it would refuse the
// next operation's FF3910h = 1.
void ReadThread_MEC16::EndAccessWhileAnswering() {
    if (s_.jigLost)
        return;
    if (s_.run.Doing() == Activity::Writing)
        MecEndStreamAccess(s_, {TR_NOOP("Mec", "Потеряна связь с MEC16 (W104)."),
                                TR_NOOP("Mec", "Потеряна связь с MEC16 (W105)."),
                                TR_NOOP("Mec", "Потеряна связь с MEC16 (W106)")});
    else if (info_)
        MecEndStreamAccess(s_, {TR_NOOP("Mec", "Потеряна связь с MEC16 (P110)."),
                                TR_NOOP("Mec", "Потеряна связь с MEC16 (P111)."),
                                TR_NOOP("Mec", "Потеряна связь с MEC16 (P112)")});
    else
        MecEndStreamAccess(s_, {TR_NOOP("Mec", "Потеряна связь с MEC16 (P104)."),
                                TR_NOOP("Mec", "Потеряна связь с MEC16 (P105)."),
                                TR_NOOP("Mec", "Потеряна связь с MEC16 (P106)")});
}
