#include "modes/Npce/ReadThread_NPCE.h"
#include "port/Tr.h"
#include "safety/SafeRead.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <span>

namespace {
// `what` holds %1 (the block) and %2 (of).
std::string Step(const char* what, int block, int of) {
    return Fill(Tr("Npce", what), std::to_string(block), std::to_string(of));
}

std::string ReadStep(const char* what, int block) {
    return Step(what, block, Npce::kReadBlocks);
}

std::string WriteStep(const char* what, int block) {
    return Step(what, block, Npce::kWriteBlocks);
}

constexpr const char* kLostContact =
    TR_NOOP("Npce", "** Lost contact with the chip or ERROR timeout **");
constexpr const char* kWriteError = TR_NOOP("Npce", "** ERROR write or ERROR timeout **");
} // namespace

Outcome ReadThread_NPCE::Read() {
    ReadStream();
    return end_;
}

Outcome ReadThread_NPCE::Write() {
    WriteOperation();
    return end_;
}

bool ReadThread_NPCE::Await(std::size_t count, Millis bound, const std::string& step) {
    last_ = s_.link.Expect(count, bound, step);
    if (last_.Ok()) {
        waitLine_.clear();
        return true;
    }
    waitLine_ = last_.FailureLine();
    s_.run.SetFailedStep(step);
    return false;
}

bool ReadThread_NPCE::JigSilent() const {
    return !waitLine_.empty() && last_.Lost();
}

void ReadThread_NPCE::LogWaitFailure() {
    if (!waitLine_.empty())
        Log(waitLine_);
}

void ReadThread_NPCE::SendStreamStart(std::uint8_t command, std::optional<std::uint8_t> replyEnd) {
    // The write's ready byte is fixed beforehand; a block's status is any byte but 00h, and the
    // other answers end in data (known to a verify) or a count.
    s_.link.RepliesEndWith(command == 'w' ? std::optional<std::uint8_t>(Npce::kReady) : replyEnd);
    s_.link.Send(s_.link.ModeFrame(Npce::kPcb3Prefix, {command}));
}

void ReadThread_NPCE::EndStream(std::uint8_t end, std::size_t answerBytes) {
    Send({end});
    if (!JigSilent())
        s_.link.Expect(answerBytes, s_.bounds.commandReply);
}

void ReadThread_NPCE::EndStopped(const std::string& step, bool signal) {
    s_.run.SetFailedStep(step);
    Log(Tr("Common", kStoppedLine));
    if (signal) {
        std::string failure;
        if (!SendResultSignal(s_.link, 'O', !JigSilent(), s_.bounds.commandReply, &failure))
            Log(failure);
    }
    Log(Npce::TimeLine());
    Finish(Outcome::Stopped);
}

Outcome ReadThread_NPCE::Signal(std::uint8_t signal, Outcome outcome) {
    std::string failure;
    if (SendResultSignal(s_.link, signal, !JigSilent(), s_.bounds.commandReply, &failure))
        return outcome;
    Log(failure);
    if (outcome == Outcome::Succeeded)
        s_.run.SetFailedStep("answer to the success signal");
    return Outcome::Failed;
}

// ---------------------------------------------------------------- read

ReadThread_NPCE::PassEnd ReadThread_NPCE::ReadPass(const BlockSink& sink) {
    SendStreamStart('r');
    for (int block = 1;; ++block) {
        if (!Await(Npce::kReadBlockSize, s_.bounds.dataBlock,
                   ReadStep(TR_NOOP("Npce", "block %1 of %2"), block)))
            return PassEnd::Broken;
        if (!sink(last_.bytes.data(), block))
            return PassEnd::SinkFailed;
        s_.port.SetGauge(Npce::kGaugeMax / 512 * block * 2);
        if (block < Npce::kReadBlocks && Stopping()) {
            s_.run.SetFailedStep(ReadStep(TR_NOOP("Npce", "after block %1 of %2"), block));
            EndStream(Npce::kEndOfStream, 2);
            passStopped_ = true;
            return PassEnd::Stopped;
        }
        if (block < Npce::kReadBlocks) {
            Send({'r'});
            continue;
        }
        Send({Npce::kEndOfStream});
        return PassEnd::Done;
    }
}

bool ReadThread_NPCE::AwaitEndOfRead() {
    const bool answered = Await(2, s_.bounds.commandReply, Tr("Npce", "end of the read"));
    if (answered && last_.At(0) != 0x00)
        return true;
    if (answered)
        Refused("end of the read");
    return false;
}

bool ReadThread_NPCE::ReadWholeFlash(std::vector<std::uint8_t>& image) {
    image.clear();
    image.reserve(Npce::kFlashSize);
    s_.port.SetGauge(0);
    const PassEnd end = ReadPass([&image](const std::uint8_t* data, int) {
        image.insert(image.end(), data, data + Npce::kReadBlockSize);
        return true;
    });
    if (end == PassEnd::Done && AwaitEndOfRead())
        return true;
    if (end == PassEnd::Stopped)
        return false;
    if (end != PassEnd::Done)
        EndStream(Npce::kEndOfStream, 2);
    Log(Tr("Npce", Npce::kCorruptedLine));
    LogWaitFailure();
    return false;
}

void ReadThread_NPCE::ReadStream() {
    // The image stays in memory only for the safety net's checks.
    const bool keep = s_.run.Safety().active || s_.run.Safety().readTwice;
    std::vector<std::uint8_t> image;
    const PassEnd end = ReadPass([&](const std::uint8_t* data, int) {
        if (!s_.run.WriteOutput(data, Npce::kReadBlockSize))
            return false;
        if (keep)
            image.insert(image.end(), data, data + Npce::kReadBlockSize);
        return true;
    });
    if (end == PassEnd::Broken)
        return EndReadBroken();
    if (end == PassEnd::SinkFailed)
        return EndReadFileError();
    if (end == PassEnd::Stopped)
        return EndStopped(s_.run.FailedStep(), true);
    Log(Tr("Npce", "Reading complete ..."));
    Log(Npce::TimeLine());
    if (!AwaitEndOfRead()) {
        Log(Tr("Npce", Npce::kCorruptedLine));
        LogWaitFailure();
        return Finish(Signal('O', Outcome::Failed));
    }
    const LogLine log = [this](const std::string& line) { Log(line); };
    if (s_.run.Safety().readTwice &&
        !ReadAgainAndCompare(
            image, [this](std::vector<std::uint8_t>& again) { return ReadWholeFlash(again); },
            log)) {
        if (passStopped_)
            return EndStopped("read twice: " + s_.run.FailedStep(), true);
        if (s_.run.FailedStep().empty())
            Refused("read twice: the reads differ");
        Log(Npce::TimeLine());
        return Finish(Signal('O', Outcome::Failed));
    }
    if (s_.run.Safety().active)
        LogImageCheck(image, log);
    if (!CommitFile())
        return;
    Finish(Signal('I', Outcome::Succeeded));
}

bool ReadThread_NPCE::CommitFile() {
    if (s_.run.CommitOutput())
        return true;
    Finish(Signal('O', Outcome::Failed));
    return false;
}

void ReadThread_NPCE::EndReadBroken() {
    EndStream(Npce::kEndOfStream, 2);
    Log(Tr("Npce", Npce::kCorruptedLine));
    LogWaitFailure();
    Log(Npce::TimeLine());
    Finish(Signal('O', Outcome::Failed));
}

// A file that did not take the data must never end as a good read.
void ReadThread_NPCE::EndReadFileError() {
    Refused("writing the file");
    EndStream(Npce::kEndOfStream, 2);
    Log(Fill(Tr("Common", "Error writing the file %1: %2"), s_.run.FileName(),
             s_.run.Output().Error()));
    Log(Npce::TimeLine());
    Finish(Signal('O', Outcome::Failed));
}

// ---------------------------------------------------------------- write

bool ReadThread_NPCE::Backup() {
    s_.port.SetGaugeColour(Npce::kReadColour);
    if (!s_.run.TakeBackup(Npce::kFlashIdText, [this](std::vector<std::uint8_t>& image) {
            return ReadWholeFlash(image);
        })) {
        if (passStopped_) {
            EndStopped(s_.run.FailedStep(), true);
            return false;
        }
        Log(Npce::TimeLine());
        Finish(Signal('O', Outcome::Failed));
        return false;
    }
    s_.port.SetGaugeColour(Npce::kWriteColour);
    s_.port.SetGauge(0);
    Log(Tr("Npce", "Erase ..."));
    return true;
}

// Between its steps the write looks whether the technician asked it to stop.
void ReadThread_NPCE::WriteOperation() {
    if (Stopping())
        return EndStopped("before the backup", true);
    if (s_.run.Safety().backup && !Backup())
        return;
    if (Stopping())
        return EndStopped("before the erase", true);
    if (!Erase())
        return;
    if (Stopping())
        return EndStopped("after the erase", true);
    if (!BlankCheck())
        return;
    if (Stopping())
        return EndStopped("after the blank check", true);
    Log(Tr("Npce", "All data is clear!"));
    Log(Tr("Npce", "Write ..."));
    if (!WriteStream())
        return;
    if (Stopping())
        return EndStopped("before the verify", true);
    Log(Tr("Npce", "Verify ..."));
    Verify();
}

bool ReadThread_NPCE::Erase() {
    s_.run.Record().Started([this](const std::string& line) { Log(line); });
    s_.run.Progress().Erasing();
    SendStreamStart('e');
    const bool answered = Await(2, s_.bounds.erase, Tr("Npce", "answer to the erase"));
    if (answered && last_.At(0) == Npce::kDone) {
        s_.run.Progress().Erased();
        return true;
    }
    if (answered)
        Refused("erase");
    Log(Tr("Npce", kLostContact));
    LogWaitFailure();
    Log(Npce::TimeLine());
    Finish(Signal('O', Outcome::Failed));
    return false;
}

bool ReadThread_NPCE::BlankCheck() {
    Log(Tr("Npce", "Check clear data ..."));
    SendStreamStart('x');
    const bool answered = Await(2, s_.bounds.blankCheck, Tr("Npce", "answer to the blank check"));
    if (answered && last_.At(0) == Npce::kDone)
        return true;
    if (answered) {
        s_.run.Progress().Erasing(); // some of it was not erased
        Refused("blank check");
    }
    Log(Tr("Npce", "** Data not clear !**"));
    LogWaitFailure();
    Log(Npce::TimeLine());
    Finish(Signal('O', Outcome::Failed));
    return false;
}

bool ReadThread_NPCE::WriteStream() {
    std::size_t offset = 0;
    SendStreamStart('w');
    for (int block = 1;; ++block) {
        const std::string readyStep = WriteStep(TR_NOOP("Npce", "ready for block %1 of %2"), block);
        const bool ready = Await(1, s_.bounds.commandReply, readyStep);
        if (!ready || last_.At(0) != Npce::kReady) {
            if (ready)
                Refused(readyStep);
            Log(Tr("Npce", "** HOST/M88 Protocol ERROR **"));
            LogWaitFailure();
            Log(Npce::TimeLine());
            Finish(Outcome::Failed);
            return false;
        }
        s_.link.Send(
            std::span<const std::uint8_t>(s_.image.data() + offset, Npce::kWriteBlockSize));
        offset += Npce::kWriteBlockSize;
        const WaitOutcome sent = s_.link.AwaitSent(s_.bounds.transmit);
        if (sent != WaitOutcome::Ready) {
            last_ = {sent, {}, false, WriteStep(TR_NOOP("Npce", "sending block %1 of %2"), block)};
            waitLine_ = last_.FailureLine();
            s_.run.SetFailedStep(last_.step);
            return EndWriteBroken();
        }
        s_.port.SetGauge(Npce::kGaugeMax / 512 * block);
        const bool answered = Await(1, s_.bounds.dataBlock,
                                    WriteStep(TR_NOOP("Npce", "status of block %1 of %2"), block));
        if (!answered || last_.At(0) == 0x00) {
            if (answered)
                Refused(WriteStep(TR_NOOP("Npce", "block %1 of %2"), block));
            return EndWriteBroken();
        }
        s_.run.Progress().Written(block, Npce::kWriteBlocks);
        if (block < Npce::kWriteBlocks && Stopping()) {
            EndStream(Npce::kEndOfWrite, 1);
            EndStopped(WriteStep(TR_NOOP("Npce", "after block %1 of %2"), block), false);
            return false;
        }
        if (block < Npce::kWriteBlocks) {
            Send({'w'});
            continue;
        }
        Send({Npce::kEndOfWrite});
        if (!Await(1, s_.bounds.commandReply, Tr("Npce", "answer to the end of the write"))) {
            Log(Tr("Npce", kWriteError));
            LogWaitFailure();
            Log(Npce::TimeLine());
            Finish(Outcome::Failed);
            return false;
        }
        s_.run.Progress().AllWritten();
        return true;
    }
}

bool ReadThread_NPCE::EndWriteBroken() {
    EndStream(Npce::kEndOfWrite, 1);
    Log(Tr("Npce", kWriteError));
    LogWaitFailure();
    Log(Npce::TimeLine());
    Finish(Outcome::Failed);
    return false;
}

// Reads the flash back and stops at the first block that differs from the image.
void ReadThread_NPCE::Verify() {
    s_.port.SetGaugeColour(Npce::kVerifyColour);
    s_.port.SetGauge(0);
    std::size_t offset = 0;
    int blocks = 0;
    bool match = true;
    s_.run.StartVerify(s_.image);
    SendStreamStart('r', s_.image[Npce::kReadBlockSize - 1]);
    while (blocks != Npce::kReadBlocks) {
        const std::string step = ReadStep(TR_NOOP("Npce", "verify block %1 of %2"), blocks + 1);
        if (!Await(Npce::kReadBlockSize, s_.bounds.dataBlock, step)) {
            Log(Tr("Npce", "Принято не 512 байт  ") + std::to_string(last_.Count()));
            return EndVerifyBroken();
        }
        ++blocks;
        s_.run.VerifiedBytes(last_.bytes);
        if (std::memcmp(last_.bytes.data(), s_.image.data() + offset, Npce::kReadBlockSize) != 0) {
            match = false;
            Refused(step);
            LogDifference(offset);
        }
        offset += Npce::kReadBlockSize;
        s_.port.SetGauge(Npce::kGaugeMax / 512 * blocks * 2);
        if (match && blocks != Npce::kReadBlocks && Stopping()) {
            EndStream(Npce::kEndOfStream, 2);
            return EndStopped(ReadStep(TR_NOOP("Npce", "after verify block %1 of %2"), blocks),
                              true);
        }
        if (match && blocks != Npce::kReadBlocks) {
            // The chip sends the block's tail at once instead of holding it for its latency timer.
            s_.link.RepliesEndWith(s_.image[offset + Npce::kReadBlockSize - 1]);
            Send({'r'});
        } else
            blocks = Npce::kReadBlocks;
    }
    Send({Npce::kEndOfStream});
    const bool answered = Await(2, s_.bounds.commandReply, Tr("Npce", "end of the verify"));
    Outcome outcome;
    if (!answered || last_.At(0) != Npce::kDone) {
        if (answered)
            Refused("end of the verify");
        Log(Tr("Npce", Npce::kCorruptedLine));
        LogWaitFailure();
        outcome = Signal('O', Outcome::Failed);
    } else if (match) {
        s_.run.Progress().Verified();
        Log(Tr("Npce", "Nuvoton chip is programmed succesfully!"));
        outcome = Signal('I', Outcome::Succeeded);
    } else {
        Log(Tr("Npce", "*** Data is written incorrectly ***"));
        outcome = Signal('O', Outcome::Failed);
    }
    Log(Npce::TimeLine());
    Finish(outcome);
}

// The verify stops at the first block that differs: where in it, and how much of it.
void ReadThread_NPCE::LogDifference(std::size_t offset) {
    std::size_t first = Npce::kReadBlockSize;
    std::size_t differing = 0;
    for (std::size_t i = 0; i < Npce::kReadBlockSize; ++i)
        if (last_.bytes[i] != s_.image[offset + i]) {
            first = std::min(first, i);
            ++differing;
        }
    char at[16], imageByte[4], flashByte[4];
    std::snprintf(at, sizeof at, "0x%05zX", offset + first);
    std::snprintf(imageByte, sizeof imageByte, "%02X", s_.image[offset + first]);
    std::snprintf(flashByte, sizeof flashByte, "%02X", last_.bytes[first]);
    Log(Fill(Tr("Npce", "Verify: the flash differs from the image at offset %1 (image %2, flash "
                        "%3); %4 of the %5 bytes of that block differ"),
             at, imageByte, flashByte, std::to_string(differing),
             std::to_string(Npce::kReadBlockSize)));
}

void ReadThread_NPCE::EndVerifyBroken() {
    EndStream(Npce::kEndOfStream, 2);
    Log(Tr("Npce", Npce::kCorruptedLine));
    LogWaitFailure();
    const Outcome outcome = Signal('O', Outcome::Failed);
    Log(Npce::TimeLine());
    Finish(outcome);
}

// The operation has ended: the runner closes the link, settles the files and hands the window
// back once the worker returns how it ended.
void ReadThread_NPCE::Finish(Outcome outcome) {
    end_ = outcome;
}
