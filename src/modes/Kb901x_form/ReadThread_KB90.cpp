#include "modes/Kb901x_form/ReadThread_KB90.h"
#include "port/ThreadCpu.h"

#include "modes/Kb901x_form/Kb90Checksum.h"
#include "port/TimeText.h"
#include "safety/SafeRead.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <span>

namespace {
constexpr const char* kStars = "**********************************";

std::string Hex4(std::uint16_t v) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(v));
    return text;
}

std::string Hex2(std::uint8_t v) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(v));
    return text;
}

} // namespace

std::string BlockStep(const char* what, int block) {
    return std::string(what) + " " + std::to_string(block) + " of " + std::to_string(Kb90::kBlocks);
}

void ReadThread_KB90::Execute() {
    const std::string state = s_.state.Get();
    if (state == "Reading")
        Read();
    else if (state == "Writing")
        Write();
}

std::optional<std::uint8_t> ReadThread_KB90::AwaitByte(Millis bound, const std::string& step) {
    const ReplyResult r = s_.link.AwaitReply(1, bound);
    if (!r.Ok()) {
        failure_ = WaitFailureLine(r.outcome, step);
        s_.failedStep = step;
        return std::nullopt;
    }
    return s_.link.Buffer()[0];
}

bool ReadThread_KB90::AwaitBlock(const std::string& step) {
    const ReplyResult r =
        s_.link.ReadExactly(s_.link.Buffer(), Kb90::kBlockSize, s_.bounds.dataBlock);
    if (!r.Ok() || r.count != Kb90::kBlockSize) {
        failure_ = WaitFailureLine(r.outcome, step);
        s_.failedStep = step;
        return false;
    }
    FtdiApi& api = s_.link.Api();
    if (api.FT_GetStatus(s_.link.Handle(), &s_.link.rxQueue, &s_.link.txQueue,
                         &s_.link.eventWord) != FT_OK ||
        s_.link.rxQueue != 0) {
        failure_ = WaitFailureLine(WaitOutcome::Ready, step + ": more than 256 bytes");
        s_.failedStep = step;
        return false;
    }
    return true;
}

void ReadThread_KB90::Send(std::initializer_list<std::uint8_t> bytes) {
    s_.link.Send(bytes);
}

// ---------------------------------------------------------------- read

ReadThread_KB90::PassEnd ReadThread_KB90::ReadPass(const BlockSink& sink) {
    const bool pcb3 = s_.link.IsPcb3();
    for (int block = 1;; ++block) {
        if (!AwaitBlock(BlockStep("block", block))) {
            Send({'X'});
            return PassEnd::Lost;
        }
        if (!sink(s_.link.Buffer(), block)) {
            Send({'X'});
            return PassEnd::SinkFailed;
        }
        s_.port.SetGauge(Kb90::kGaugePerBlock * block);
        if (pcb3) {
            Send({'?'});
            const auto status =
                AwaitByte(s_.bounds.commandReply, BlockStep("status of block", block));
            if (!status) {
                Send({'X'});
                return PassEnd::Lost;
            }
            if (*status != 'G') {
                s_.failedStep = BlockStep("status of block", block);
                Send({'X'});
                return PassEnd::BadStatus;
            }
        }
        if (block == Kb90::kBlocks) {
            Send({'X'});
            return PassEnd::Done;
        }
        if (s_.stopRequested.load()) {
            s_.failedStep = BlockStep("stopped after block", block);
            stopped_ = true;
            Send({'X'});
            return PassEnd::Stopped;
        }
        Send({'N'});
    }
}

bool ReadThread_KB90::ReadWholeFlash(std::vector<std::uint8_t>& image) {
    image.clear();
    image.reserve(Kb90::kFlashSize);
    s_.port.SetGauge(0);
    s_.link.Send(s_.link.ModeFrame(Kb90::kPcb3Prefix, {'R'}));
    const PassEnd end = ReadPass([&image](const std::uint8_t* data, int) {
        image.insert(image.end(), data, data + Kb90::kBlockSize);
        return true;
    });
    if (end == PassEnd::Done)
        return true;
    if (end == PassEnd::Stopped)
        return false;
    Log(Kb90::kReadLost);
    if (end == PassEnd::Lost)
        Log(failure_);
    return false;
}

void ReadThread_KB90::Read() {
    // The image stays in memory only for the safety net's checks.
    const bool keep = s_.safety.active;
    std::vector<std::uint8_t> image;
    const PassEnd end = ReadPass([&](const std::uint8_t* data, int) {
        if (!s_.out.Write(data, Kb90::kBlockSize))
            return false;
        s_.fileBytes += Kb90::kBlockSize;
        if (keep)
            image.insert(image.end(), data, data + Kb90::kBlockSize);
        return true;
    });
    if (end != PassEnd::Done)
        return EndReadPass(end);
    const LogLine log = [this](const std::string& line) { Log(line); };
    if (s_.safety.readTwice &&
        !ReadAgainAndCompare(
            image, [this](std::vector<std::uint8_t>& again) { return ReadWholeFlash(again); },
            log)) {
        if (stopped_)
            return EndStopped();
        if (s_.failedStep.empty())
            s_.failedStep = "read twice: the reads differ";
        Log(CurrentTimeLine());
        Send({'O'});
        return FinishRead(Kb90Outcome::Failed);
    }
    if (!s_.out.Commit()) {
        s_.failedStep = "saving the file";
        Log("Error writing the file " + s_.fileName + ": " + s_.out.Error());
        Log(CurrentTimeLine());
        Send({'O'});
        return FinishRead(Kb90Outcome::Failed);
    }
    Log("Reading completed successfully.");
    Log(CurrentTimeLine());
    if (keep)
        LogImageCheck(image, log);
    Send({'I'});
    FinishRead(Kb90Outcome::Succeeded);
}

// A pass that did not reach its end: the transfer is over ('X' went out), the failure signal
// follows.
void ReadThread_KB90::EndReadPass(PassEnd end) {
    if (end == PassEnd::Lost)
        return EndReadLost();
    if (end == PassEnd::Stopped)
        return EndStopped();
    if (end == PassEnd::SinkFailed) {
        // A file that did not take the data must never end as a good read.
        s_.failedStep = "writing the file";
        Log("Error writing the file " + s_.fileName + ": " + s_.out.Error());
    } else {
        Log(Kb90::kReadLost);
    }
    Log(CurrentTimeLine());
    Send({'O'});
    FinishRead(Kb90Outcome::Failed);
}

void ReadThread_KB90::EndReadLost() {
    Log(Kb90::kReadLost);
    Log(failure_);
    Log(CurrentTimeLine());
    Send({'O'});
    FinishRead(Kb90Outcome::Failed);
}

// The stream is over ('X' went out, or none was running): the failure signal, as every early
// end of this mode sends it.
void ReadThread_KB90::EndStopped() {
    if (s_.failedStep.empty())
        s_.failedStep = "stopped";
    Log(kStoppedLine);
    Send({'O'});
    if (s_.state.Get() == "Writing")
        return FinishWrite(Kb90Outcome::Stopped);
    Log(CurrentTimeLine());
    FinishRead(Kb90Outcome::Stopped);
}

bool ReadThread_KB90::StopHere(bool endTransfer) {
    if (!s_.stopRequested.load())
        return false;
    if (endTransfer)
        Send({'X'});
    EndStopped();
    return true;
}

void ReadThread_KB90::FinishRead(Kb90Outcome outcome) {
    Release(outcome);
    s_.port.EnableControl(Kb90::kWriteButton, true);
    s_.port.EnableControl(Kb90::kExitButton, true);
}

// ---------------------------------------------------------------- write

void ReadThread_KB90::Write() {
    if (s_.safety.backup) {
        s_.port.SetGaugeColour(Kb90::kReadColour);
        const std::optional<std::filesystem::path> saved = TakeBackup(
            Kb90::kModeName, "",
            [this](std::vector<std::uint8_t>& image) { return ReadWholeFlash(image); },
            [this](const std::string& line) { Log(line); }, s_.safety,
            [this](const std::string& q) { return s_.port.AskYesNo(q); });
        if (!saved) {
            if (stopped_)
                return EndStopped();
            s_.failedStep = "backup: " + (s_.failedStep.empty() ? "saving" : s_.failedStep);
            Send({'O'});
            return FinishWrite(Kb90Outcome::Failed);
        }
        s_.backupPath = saved->string();
        s_.record.SetBackup(s_.backupPath);
        if (StopHere(false))
            return;
        s_.port.SetGaugeColour(Kb90::kWriteColour);
        s_.port.SetGauge(0);
        s_.record.Started([this](const std::string& line) { Log(line); });
        s_.progress.Erasing(); // the JIG erases the whole flash on 'W'
        s_.link.Send(s_.link.ModeFrame(Kb90::kPcb3Prefix, {'W'}));
    }
    WriteLoop();
}

void ReadThread_KB90::WriteLoop() {
    const bool pcb3 = s_.link.IsPcb3();
    while (s_.state.Get() == "Writing") {
        const int number = s_.blockCounter;
        const Millis readyBound = number == 1 ? s_.bounds.firstReady : s_.bounds.commandReply;
        if (!AwaitByte(readyBound, BlockStep("ready for block", number)))
            return EndWriteLost(true);
        if (number == 1)
            s_.progress.Erased();

        const std::size_t offset = static_cast<std::size_t>(number - 1) * Kb90::kBlockSize;
        const std::size_t got = std::min<std::size_t>(
            Kb90::kBlockSize, s_.imageFileSize > offset ? s_.imageFileSize - offset : 0);
        const std::span<const std::uint8_t> block(s_.image.data() + offset, Kb90::kBlockSize);
        if (got < block.size())
            return WriteLastShortBlock(number, block.data(), got);

        s_.link.Send(block);
        s_.fileBytes += block.size();
        if (!pcb3) {
            s_.fileCrc = Crc16(block, s_.fileCrc);
            s_.fileSum = Sum16(block, s_.fileSum);
        }
        s_.port.SetGauge(Kb90::kGaugePerBlock * number);
        ++s_.blockCounter;

        const auto ack =
            AwaitByte(s_.bounds.dataBlock, BlockStep("acknowledgement of block", number));
        if (!ack)
            return EndWriteLost(true);
        if (pcb3 && *ack == 'E') {
            s_.failedStep = BlockStep("block", number);
            Send({'X'});
            Log(Kb90::kWriteLost);
            Send({'O'});
            return FinishWrite(Kb90Outcome::Failed);
        }
        s_.progress.Written(number, Kb90::kBlocks);
        if (s_.blockCounter == Kb90::kBlocks + 1) {
            Send({'X'});
            return pcb3 ? VerifyByReadBack() : VerifyByChecksums();
        }
        if (StopHere(true))
            return;
        Send({'N'});
    }
}

// The JIG erased the whole flash, so the blocks after this one already hold the FFh of the
// padded image: it is verified whole, as a full file is.
void ReadThread_KB90::WriteLastShortBlock(int number, const std::uint8_t* block, std::size_t got) {
    const bool pcb3 = s_.link.IsPcb3();
    Log(" __ Warning __");
    Log("Recorded file is less than 128*1024 byte");
    s_.link.Send(std::span<const std::uint8_t>(block, Kb90::kBlockSize));
    s_.fileBytes += got;
    const auto ack = AwaitByte(s_.bounds.dataBlock, BlockStep("acknowledgement of block", number));
    if (!ack)
        return EndWriteLost(true);
    Send({'X'});
    if (pcb3 && *ack != 'G') {
        s_.failedStep = BlockStep("block", number);
        Log(Kb90::kWriteLost);
        Send({'O'});
        return FinishWrite(Kb90Outcome::Failed);
    }
    s_.progress.AllWritten();
    if (pcb3)
        return VerifyByReadBack();
    s_.fileSum = Sum16(s_.image);
    s_.fileCrc = Crc16(s_.image);
    VerifyByChecksums();
}

void ReadThread_KB90::VerifyByChecksums() {
    if (StopHere(false))
        return;
    Log("Writing is completed successfully.");
    Log(kStars);
    Log("SUMM of data from a file  -> " + Hex4(s_.fileSum));
    Log("CRC16 of data from a file -> " + Hex4(s_.fileCrc));
    Log(kStars);
    s_.port.SetGauge(0);
    s_.port.SetGaugeColour(Kb90::kVerifyColour);
    s_.blockCounter = 0;
    Send({'S'});

    // Bytes other than '-' are ignored; the pass as a whole has a deadline, so a JIG that
    // babbles instead of counting its blocks still ends it.
    const Deadline passEnd = DeadlineIn(s_.bounds.checksumPass);
    while (s_.blockCounter != Kb90::kBlocks) {
        const std::string step = BlockStep("checksum progress", s_.blockCounter + 1);
        const auto left = std::chrono::duration_cast<Millis>(passEnd - SteadyClock::now());
        if (left <= Millis(0)) {
            failure_ = WaitFailureLine(WaitOutcome::TimedOut, step);
            return EndWriteLost(false);
        }
        const auto b = AwaitByte(std::min(s_.bounds.progressStep, left), step);
        if (!b)
            return EndWriteLost(false);
        if (*b == '-') {
            ++s_.blockCounter;
            s_.port.SetGauge(Kb90::kGaugePerBlock * s_.blockCounter);
        }
    }
    std::uint8_t answer[4];
    const ReplyResult r = s_.link.ReadExactly(answer, 4, s_.bounds.progressStep);
    if (!r.Ok()) {
        failure_ = WaitFailureLine(r.outcome, "checksum answer");
        return EndWriteLost(false);
    }
    const std::uint16_t flashSum = static_cast<std::uint16_t>(answer[0] | answer[1] << 8);
    const std::uint16_t flashCrc = static_cast<std::uint16_t>(answer[2] | answer[3] << 8);
    Log("SUMM FLASH KB90XX -> " + Hex2(answer[1]) + Hex2(answer[0]));
    Log("CRC16 FLASH KB90XX-> " + Hex2(answer[3]) + Hex2(answer[2]));
    if (flashSum == s_.fileSum && flashCrc == s_.fileCrc) {
        s_.progress.Verified();
        Log(kStars);
        Log("Writing and verify is OK !");
        Send({'I'});
        return FinishWrite(Kb90Outcome::Succeeded);
    }
    s_.failedStep = "verification by checksums";
    Log("!!! Data is written incorrectly !!! ");
    Send({'O'});
    FinishWrite(Kb90Outcome::Failed);
}

void ReadThread_KB90::VerifyByReadBack() {
    if (StopHere(false))
        return;
    Log("Writing is completed ...");
    Log("Verification ...");
    s_.port.SetGauge(0);
    s_.port.SetGaugeColour(Kb90::kVerifyColour);
    s_.blockCounter = 0;
    std::size_t position = 0;
    s_.link.Send(s_.link.ModeFrame(Kb90::kPcb3Prefix, {'R'}));
    for (;;) {
        if (!AwaitBlock(BlockStep("read-back block", s_.blockCounter + 1)))
            return EndWriteLost(true);
        if (std::memcmp(s_.link.Buffer(), s_.image.data() + position, Kb90::kBlockSize) != 0) {
            s_.failedStep = BlockStep("verification of block", s_.blockCounter + 1);
            Send({'X'});
            Log("!!! Data is written incorrectly !!! ");
            Send({'O'});
            return FinishWrite(Kb90Outcome::Failed);
        }
        position += Kb90::kBlockSize;
        ++s_.blockCounter;
        s_.port.SetGauge(Kb90::kGaugePerBlock * s_.blockCounter);
        if (s_.blockCounter == Kb90::kBlocks) {
            s_.progress.Verified();
            Send({'X'});
            Send({'I'});
            Log("Writing and verify is OK !");
            return FinishWrite(Kb90Outcome::Succeeded);
        }
        if (StopHere(true))
            return;
        Send({'R'});
    }
}

void ReadThread_KB90::EndWriteLost(bool endTransfer) {
    if (endTransfer)
        Send({'X'});
    Log(Kb90::kWriteLost);
    Log(failure_);
    Send({'O'});
    FinishWrite(Kb90Outcome::Failed);
}

void ReadThread_KB90::FinishWrite(Kb90Outcome outcome) {
    Log(CurrentTimeLine());
    if (outcome != Kb90Outcome::Succeeded)
        Log(s_.progress.Line(s_.backupPath));
    Release(outcome);
    s_.port.EnableControl(Kb90::kReadButton, true);
    s_.port.EnableControl(Kb90::kExitButton, true);
}

// Closes the link and the file and hands the window back; the state goes to "NONE" last so a
// new operation never meets a half-closed one.
void ReadThread_KB90::Release(Kb90Outcome outcome) {
    s_.link.Close();
    if (s_.out.IsOpen()) {
        const std::string kept = s_.out.Abandon();
        if (!kept.empty())
            Log(kept);
    }
    s_.outcome.store(outcome);
    s_.record.End(ResultOf(outcome), s_.failedStep, [this](const std::string& line) { Log(line); });
    s_.workerCpuNanos = ThreadCpuNanos();
    s_.stopRequested.store(false); // a stop asked for before the end is spent with it
    s_.state.Set("NONE");
    if (s_.finished)
        s_.finished();
}
