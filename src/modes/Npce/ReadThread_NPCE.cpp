#include "modes/Npce/ReadThread_NPCE.h"
#include "port/ThreadCpu.h"

#include "safety/SafeRead.h"

#include <cstring>
#include <ctime>
#include <span>

namespace {
std::string Step(const char* what, int block, int of) {
    return std::string(what) + " " + std::to_string(block) + " of " + std::to_string(of);
}

std::string ReadStep(const char* what, int block) {
    return Step(what, block, Npce::kReadBlocks);
}

std::string WriteStep(const char* what, int block) {
    return Step(what, block, Npce::kWriteBlocks);
}

constexpr const char* kLostContact = "** Lost contact with the chip or ERROR timeout **";
constexpr const char* kWriteError = "** ERROR write or ERROR timeout **";
} // namespace

void ReadThread_NPCE::Execute() {
    const std::string state = s_.state.Get();
    if (state == "Reading_NPCE")
        ReadStream();
    else if (state == "Write_NPCE")
        WriteOperation();
}

bool ReadThread_NPCE::Await(std::size_t count, Millis bound, const std::string& step) {
    last_ = AwaitAnswer(s_.link, count, bound);
    if (last_.Ok()) {
        waitLine_.clear();
        return true;
    }
    waitLine_ = WaitLine(last_, step);
    s_.SetFailedStep(step);
    return false;
}

bool ReadThread_NPCE::JigSilent() const {
    return !waitLine_.empty() && last_.Lost();
}

void ReadThread_NPCE::LogWaitFailure() {
    if (!waitLine_.empty())
        Log(waitLine_);
}

void ReadThread_NPCE::SendStreamStart(std::uint8_t command) {
    s_.link.Send(s_.link.ModeFrame(Npce::kPcb3Prefix, {command}));
}

void ReadThread_NPCE::EndStream(std::uint8_t end, std::size_t answerBytes) {
    Send({end});
    if (!JigSilent())
        AwaitAnswer(s_.link, answerBytes, s_.bounds.commandReply);
}

void ReadThread_NPCE::EndStopped(const std::string& step, bool signal) {
    s_.SetFailedStep(step);
    Log(kStoppedLine);
    if (signal) {
        std::string failure;
        if (!SendResultSignal(s_.link, 'O', !JigSilent(), s_.bounds.commandReply, &failure))
            Log(failure);
    }
    Log(Npce::TimeLine());
    Finish(NpceOutcome::Stopped);
}

NpceOutcome ReadThread_NPCE::Signal(std::uint8_t signal, NpceOutcome outcome) {
    std::string failure;
    if (SendResultSignal(s_.link, signal, !JigSilent(), s_.bounds.commandReply, &failure))
        return outcome;
    Log(failure);
    if (outcome == NpceOutcome::Succeeded)
        s_.SetFailedStep("answer to the success signal");
    return NpceOutcome::Failed;
}

// ---------------------------------------------------------------- read

ReadThread_NPCE::PassEnd ReadThread_NPCE::ReadPass(const BlockSink& sink) {
    SendStreamStart('r');
    for (int block = 1;; ++block) {
        if (!Await(Npce::kReadBlockSize, s_.bounds.dataBlock, ReadStep("block", block)))
            return PassEnd::Broken;
        if (!sink(s_.link.Buffer(), block))
            return PassEnd::SinkFailed;
        s_.port.SetGauge(Npce::kGaugeMax / 512 * block * 2);
        if (block < Npce::kReadBlocks && Stopping()) {
            s_.SetFailedStep(ReadStep("after block", block));
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
    const bool answered = Await(2, s_.bounds.commandReply, "end of the read");
    if (answered && s_.link.Buffer()[0] != 0x00)
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
    Log(Npce::kCorruptedLine);
    LogWaitFailure();
    return false;
}

void ReadThread_NPCE::ReadStream() {
    // The image stays in memory only for the safety net's checks.
    const bool keep = s_.safety.active || s_.safety.readTwice;
    std::vector<std::uint8_t> image;
    const PassEnd end = ReadPass([&](const std::uint8_t* data, int) {
        if (!s_.output.Write(data, Npce::kReadBlockSize))
            return false;
        s_.fileBytes += Npce::kReadBlockSize;
        if (keep)
            image.insert(image.end(), data, data + Npce::kReadBlockSize);
        return true;
    });
    if (end == PassEnd::Broken)
        return EndReadBroken();
    if (end == PassEnd::SinkFailed)
        return EndReadFileError();
    if (end == PassEnd::Stopped)
        return EndStopped(s_.FailedStep(), true);
    Log("Reading complete ...");
    Log(Npce::TimeLine());
    if (!AwaitEndOfRead()) {
        Log(Npce::kCorruptedLine);
        LogWaitFailure();
        return Finish(Signal('O', NpceOutcome::Failed));
    }
    const LogLine log = [this](const std::string& line) { Log(line); };
    if (s_.safety.readTwice &&
        !ReadAgainAndCompare(
            image, [this](std::vector<std::uint8_t>& again) { return ReadWholeFlash(again); },
            log)) {
        if (passStopped_)
            return EndStopped("read twice: " + s_.FailedStep(), true);
        if (s_.FailedStep().empty())
            Refused("read twice: the reads differ");
        Log(Npce::TimeLine());
        return Finish(Signal('O', NpceOutcome::Failed));
    }
    if (s_.safety.active)
        LogImageCheck(image, log);
    if (!CommitFile())
        return;
    Finish(Signal('I', NpceOutcome::Succeeded));
}

bool ReadThread_NPCE::CommitFile() {
    if (s_.output.Commit()) {
        s_.record.SetFile(s_.fileName);
        return true;
    }
    Refused("saving the file");
    Log(s_.fileName + ": " + s_.output.Error());
    Finish(Signal('O', NpceOutcome::Failed));
    return false;
}

void ReadThread_NPCE::EndReadBroken() {
    EndStream(Npce::kEndOfStream, 2);
    Log(Npce::kCorruptedLine);
    LogWaitFailure();
    Log(Npce::TimeLine());
    Finish(Signal('O', NpceOutcome::Failed));
}

// A file that did not take the data must never end as a good read.
void ReadThread_NPCE::EndReadFileError() {
    Refused("writing the file");
    EndStream(Npce::kEndOfStream, 2);
    Log("Error writing the file " + s_.fileName + ": " + s_.output.Error());
    Log(Npce::TimeLine());
    Finish(Signal('O', NpceOutcome::Failed));
}

// ---------------------------------------------------------------- write

bool ReadThread_NPCE::Backup() {
    s_.port.SetGaugeColour(Npce::kReadColour);
    const std::optional<std::filesystem::path> saved = TakeBackup(
        Npce::kModeName, Npce::kFlashIdText,
        [this](std::vector<std::uint8_t>& image) { return ReadWholeFlash(image); },
        [this](const std::string& line) { Log(line); }, s_.safety,
        [this](const std::string& q) { return s_.port.AskYesNo(q); });
    if (!saved && passStopped_) {
        EndStopped("backup: " + s_.FailedStep(), true);
        return false;
    }
    if (!saved) {
        const std::string step = s_.FailedStep();
        Refused("backup: " + (step.empty() ? std::string("saving") : step));
        Log(Npce::TimeLine());
        Finish(Signal('O', NpceOutcome::Failed));
        return false;
    }
    s_.record.SetBackup(saved->string());
    s_.backupPath = saved->string();
    s_.port.SetGaugeColour(Npce::kWriteColour);
    s_.port.SetGauge(0);
    Log("Erase ...");
    return true;
}

// Between its steps the write looks whether the technician asked it to stop.
void ReadThread_NPCE::WriteOperation() {
    if (Stopping())
        return EndStopped("before the backup", true);
    if (s_.safety.backup && !Backup())
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
    Log("All data is clear!");
    Log("Write ...");
    if (!WriteStream())
        return;
    if (Stopping())
        return EndStopped("before the verify", true);
    Log("Verify ...");
    Verify();
}

bool ReadThread_NPCE::Erase() {
    s_.record.Started([this](const std::string& line) { Log(line); });
    s_.progress.Erasing();
    SendStreamStart('e');
    const bool answered = Await(2, s_.bounds.erase, "answer to the erase");
    if (answered && s_.link.Buffer()[0] == Npce::kDone) {
        s_.progress.Erased();
        return true;
    }
    if (answered)
        Refused("erase");
    Log(kLostContact);
    LogWaitFailure();
    Log(Npce::TimeLine());
    Finish(Signal('O', NpceOutcome::Failed));
    return false;
}

bool ReadThread_NPCE::BlankCheck() {
    Log("Check clear data ...");
    SendStreamStart('x');
    const bool answered = Await(2, s_.bounds.blankCheck, "answer to the blank check");
    if (answered && s_.link.Buffer()[0] == Npce::kDone)
        return true;
    if (answered) {
        s_.progress.Erasing(); // some of it was not erased
        Refused("blank check");
    }
    Log("** Data not clear !**");
    LogWaitFailure();
    Log(Npce::TimeLine());
    Finish(Signal('O', NpceOutcome::Failed));
    return false;
}

bool ReadThread_NPCE::WriteStream() {
    s_.blockCounter = 1;
    std::size_t offset = 0;
    SendStreamStart('w');
    for (;;) {
        const int block = s_.blockCounter;
        const std::string readyStep = WriteStep("ready for block", block);
        const bool ready = Await(1, s_.bounds.commandReply, readyStep);
        if (!ready || s_.link.Buffer()[0] != Npce::kReady) {
            if (ready)
                Refused(readyStep);
            Log("** HOST/M88 Protocol ERROR **");
            LogWaitFailure();
            Log(Npce::TimeLine());
            Finish(NpceOutcome::Failed);
            return false;
        }
        s_.link.Send(
            std::span<const std::uint8_t>(s_.image.data() + offset, Npce::kWriteBlockSize));
        offset += Npce::kWriteBlockSize;
        const WaitOutcome sent = s_.link.AwaitSent(s_.bounds.transmit);
        if (sent != WaitOutcome::Ready) {
            last_ = {sent, 0, false};
            waitLine_ = WaitLine(last_, WriteStep("sending block", block));
            s_.SetFailedStep(WriteStep("sending block", block));
            return EndWriteBroken();
        }
        s_.port.SetGauge(Npce::kGaugeMax / 512 * block);
        const bool answered = Await(1, s_.bounds.dataBlock, WriteStep("status of block", block));
        if (!answered || s_.link.Buffer()[0] == 0x00) {
            if (answered)
                Refused(WriteStep("block", block));
            return EndWriteBroken();
        }
        s_.progress.Written(block, Npce::kWriteBlocks);
        if (block < Npce::kWriteBlocks && Stopping()) {
            EndStream(Npce::kEndOfWrite, 1);
            EndStopped(WriteStep("after block", block), false);
            return false;
        }
        if (block < Npce::kWriteBlocks) {
            ++s_.blockCounter;
            Send({'w'});
            continue;
        }
        Send({Npce::kEndOfWrite});
        if (!Await(1, s_.bounds.commandReply, "answer to the end of the write")) {
            Log(kWriteError);
            LogWaitFailure();
            Log(Npce::TimeLine());
            Finish(NpceOutcome::Failed);
            return false;
        }
        s_.progress.AllWritten();
        return true;
    }
}

bool ReadThread_NPCE::EndWriteBroken() {
    EndStream(Npce::kEndOfWrite, 1);
    Log(kWriteError);
    LogWaitFailure();
    Log(Npce::TimeLine());
    Finish(NpceOutcome::Failed);
    return false;
}

// Reads the flash back and stops at the first block that differs from the image.
void ReadThread_NPCE::Verify() {
    s_.port.SetGaugeColour(Npce::kVerifyColour);
    s_.port.SetGauge(0);
    std::size_t offset = 0;
    s_.blockCounter = 0;
    bool match = true;
    SendStreamStart('r');
    while (s_.blockCounter != Npce::kReadBlocks) {
        const std::string step = ReadStep("verify block", s_.blockCounter + 1);
        if (!Await(Npce::kReadBlockSize, s_.bounds.dataBlock, step)) {
            Log("Принято не 512 байт  " + std::to_string(last_.count));
            return EndVerifyBroken();
        }
        ++s_.blockCounter;
        if (std::memcmp(s_.link.Buffer(), s_.image.data() + offset, Npce::kReadBlockSize) != 0) {
            match = false;
            Refused(step);
        }
        offset += Npce::kReadBlockSize;
        s_.port.SetGauge(Npce::kGaugeMax / 512 * s_.blockCounter * 2);
        if (match && s_.blockCounter != Npce::kReadBlocks && Stopping()) {
            EndStream(Npce::kEndOfStream, 2);
            return EndStopped(ReadStep("after verify block", s_.blockCounter), true);
        }
        if (match && s_.blockCounter != Npce::kReadBlocks)
            Send({'r'});
        else
            s_.blockCounter = Npce::kReadBlocks;
    }
    Send({Npce::kEndOfStream});
    const bool answered = Await(2, s_.bounds.commandReply, "end of the verify");
    NpceOutcome outcome;
    if (!answered || s_.link.Buffer()[0] != Npce::kDone) {
        if (answered)
            Refused("end of the verify");
        Log(Npce::kCorruptedLine);
        LogWaitFailure();
        outcome = Signal('O', NpceOutcome::Failed);
    } else if (match) {
        s_.progress.Verified();
        Log("Nuvoton chip is programmed succesfully!");
        outcome = Signal('I', NpceOutcome::Succeeded);
    } else {
        Log("*** Data is written incorrectly ***");
        outcome = Signal('O', NpceOutcome::Failed);
    }
    Log(Npce::TimeLine());
    Finish(outcome);
}

void ReadThread_NPCE::EndVerifyBroken() {
    EndStream(Npce::kEndOfStream, 2);
    Log(Npce::kCorruptedLine);
    LogWaitFailure();
    const NpceOutcome outcome = Signal('O', NpceOutcome::Failed);
    Log(Npce::TimeLine());
    Finish(outcome);
}

// Closes the link and the file and hands the window back; the state goes to "NONE" before the
// buttons come back, so a new operation never meets a half-closed one.
void ReadThread_NPCE::Finish(NpceOutcome outcome) {
    s_.link.Close();
    SettleFiles(outcome, s_.state.Get() == "Write_NPCE");
    s_.outcome.store(outcome);
    s_.record.End(ResultOf(outcome), s_.FailedStep(),
                  [this](const std::string& line) { Log(line); });
    s_.workerCpuNanos = ThreadCpuNanos();
    s_.state.Set("NONE");
    s_.port.EnableControl(Npce::kWriteButton, true);
    s_.port.EnableControl(Npce::kReadButton, true);
    s_.port.EnableControl(Npce::kExitButton, true);
}

void ReadThread_NPCE::SettleFiles(NpceOutcome outcome, bool write) {
    if (s_.output.IsOpen()) {
        const std::string kept = s_.output.Abandon();
        if (!kept.empty()) {
            Log(kept);
            s_.record.SetFile(PartialPath(s_.fileName).string());
        }
    }
    if (write && outcome != NpceOutcome::Succeeded) {
        s_.chipState = s_.progress.Line(s_.backupPath);
        Log(s_.chipState);
    }
}
