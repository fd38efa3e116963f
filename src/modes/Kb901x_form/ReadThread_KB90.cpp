#include "modes/Kb901x_form/ReadThread_KB90.h"

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
    return Fill(Tr("Ene", what), std::to_string(block), std::to_string(Kb90::kBlocks));
}

const char* Kb90StateName(Activity activity) {
    return activity == Activity::Writing ? "Writing" : "Reading";
}

Outcome ReadThread_KB90::Read() {
    ReadOperation();
    return end_;
}

Outcome ReadThread_KB90::Write() {
    WriteOperation();
    return end_;
}

bool ReadThread_KB90::Failed(const Reply& reply) {
    failure_ = reply.FailureLine();
    SetFailedStep(reply.step);
    return false;
}

std::optional<std::uint8_t> ReadThread_KB90::AwaitByte(Millis bound, const std::string& step) {
    const Reply r = s_.link.Expect(1, bound, step);
    if (!r.Ok()) {
        Failed(r);
        return std::nullopt;
    }
    return r.At(0);
}

std::optional<std::uint8_t> ReadThread_KB90::AwaitProgressByte(Millis bound,
                                                               const std::string& step) {
    const Reply r = s_.link.ExpectNext(1, bound, step);
    if (!r.Ok()) {
        Failed(r);
        return std::nullopt;
    }
    return r.At(0);
}

bool ReadThread_KB90::AwaitBlock(const std::string& step) {
    block_ = s_.link.Expect(Kb90::kBlockSize, s_.bounds.dataBlock, step);
    return block_.Ok() || Failed(block_);
}

void ReadThread_KB90::Send(std::initializer_list<std::uint8_t> bytes) {
    s_.link.Send(bytes);
}

// ---------------------------------------------------------------- read

ReadThread_KB90::PassEnd ReadThread_KB90::ReadPass(const BlockSink& sink) {
    const bool pcb3 = s_.link.IsPcb3();
    for (int block = 1;; ++block) {
        if (!AwaitBlock(BlockStep(TR_NOOP("Ene", "block %1 of %2"), block))) {
            Send({'X'});
            return PassEnd::Lost;
        }
        if (!sink(block_.bytes.data(), block)) {
            Send({'X'});
            return PassEnd::SinkFailed;
        }
        s_.port.SetGauge(Kb90::kGaugePerBlock * block);
        if (pcb3) {
            Send({'?'});
            const auto status =
                AwaitByte(s_.bounds.commandReply,
                          BlockStep(TR_NOOP("Ene", "status of block %1 of %2"), block));
            if (!status) {
                Send({'X'});
                return PassEnd::Lost;
            }
            if (*status != 'G') {
                SetFailedStep(BlockStep(TR_NOOP("Ene", "status of block %1 of %2"), block));
                Send({'X'});
                return PassEnd::BadStatus;
            }
        }
        if (block == Kb90::kBlocks) {
            Send({'X'});
            return PassEnd::Done;
        }
        if (s_.run.Stopping()) {
            SetFailedStep(BlockStep(TR_NOOP("Ene", "stopped after block %1 of %2"), block));
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
    Kb90StartStream(s_, 'R');
    const PassEnd end = ReadPass([&image](const std::uint8_t* data, int) {
        image.insert(image.end(), data, data + Kb90::kBlockSize);
        return true;
    });
    if (end == PassEnd::Done)
        return true;
    if (end == PassEnd::Stopped)
        return false;
    Log(Tr("Ene", Kb90::kReadLost));
    if (end == PassEnd::Lost)
        Log(failure_);
    return false;
}

void ReadThread_KB90::ReadOperation() {
    // The image stays in memory only for the safety net's checks.
    const bool keep = s_.run.Safety().active;
    std::vector<std::uint8_t> image;
    const PassEnd end = ReadPass([&](const std::uint8_t* data, int) {
        if (!s_.run.WriteOutput(data, Kb90::kBlockSize))
            return false;
        if (keep)
            image.insert(image.end(), data, data + Kb90::kBlockSize);
        return true;
    });
    if (end != PassEnd::Done)
        return EndReadPass(end);
    const LogLine log = [this](const std::string& line) { Log(line); };
    if (s_.run.Safety().readTwice &&
        !ReadAgainAndCompare(
            image, [this](std::vector<std::uint8_t>& again) { return ReadWholeFlash(again); },
            log)) {
        if (stopped_)
            return EndStopped();
        if (s_.run.FailedStep().empty())
            SetFailedStep("read twice: the reads differ");
        Log(CurrentTimeLine());
        Send({'O'});
        return FinishRead(Outcome::Failed);
    }
    if (!s_.run.CommitOutput()) {
        Log(CurrentTimeLine());
        Send({'O'});
        return FinishRead(Outcome::Failed);
    }
    Log(Tr("Ene", "Reading completed successfully."));
    Log(CurrentTimeLine());
    if (keep)
        LogImageCheck(image, log);
    Send({'I'});
    FinishRead(Outcome::Succeeded);
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
        SetFailedStep("writing the file");
        Log(Fill(Tr("Ene", "Error writing the file %1: %2"), s_.run.FileName(),
                 s_.run.Output().Error()));
    } else {
        Log(Tr("Ene", Kb90::kReadLost));
    }
    Log(CurrentTimeLine());
    Send({'O'});
    FinishRead(Outcome::Failed);
}

void ReadThread_KB90::EndReadLost() {
    Log(Tr("Ene", Kb90::kReadLost));
    Log(failure_);
    Log(CurrentTimeLine());
    Send({'O'});
    FinishRead(Outcome::Failed);
}

// The stream is over ('X' went out, or none was running): the failure signal, as every early
// end of this mode sends it.
void ReadThread_KB90::EndStopped() {
    if (s_.run.FailedStep().empty())
        SetFailedStep("stopped");
    Log(Tr("Common", kStoppedLine));
    Send({'O'});
    if (s_.run.Doing() == Activity::Writing)
        return FinishWrite(Outcome::Stopped);
    Log(CurrentTimeLine());
    FinishRead(Outcome::Stopped);
}

bool ReadThread_KB90::StopHere(bool endTransfer) {
    if (!s_.run.Stopping())
        return false;
    if (endTransfer)
        Send({'X'});
    EndStopped();
    return true;
}

// ---------------------------------------------------------------- write

void ReadThread_KB90::WriteOperation() {
    if (s_.run.Safety().backup) {
        s_.port.SetGaugeColour(Kb90::kReadColour);
        if (!s_.run.TakeBackup(
                "", [this](std::vector<std::uint8_t>& image) { return ReadWholeFlash(image); })) {
            if (stopped_)
                return EndStopped();
            Send({'O'});
            return FinishWrite(Outcome::Failed);
        }
        if (StopHere(false))
            return;
        s_.port.SetGaugeColour(Kb90::kWriteColour);
        s_.port.SetGauge(0);
        s_.run.Record().Started([this](const std::string& line) { Log(line); });
        s_.run.Progress().Erasing(); // the JIG erases the whole flash on 'W'
        Kb90StartStream(s_, 'W');
    }
    WriteLoop();
}

void ReadThread_KB90::WriteLoop() {
    const bool pcb3 = s_.link.IsPcb3();
    for (int number = 1;; ++number) {
        const Millis readyBound = number == 1 ? s_.bounds.firstReady : s_.bounds.commandReply;
        if (!AwaitByte(readyBound, BlockStep(TR_NOOP("Ene", "ready for block %1 of %2"), number)))
            return EndWriteLost(true);
        if (number == 1)
            s_.run.Progress().Erased();

        const std::size_t offset = static_cast<std::size_t>(number - 1) * Kb90::kBlockSize;
        const std::size_t got = std::min<std::size_t>(
            Kb90::kBlockSize, s_.imageFileSize > offset ? s_.imageFileSize - offset : 0);
        const std::span<const std::uint8_t> block(s_.image.data() + offset, Kb90::kBlockSize);
        if (got < block.size())
            return WriteLastShortBlock(number, block.data(), got);

        s_.link.Send(block);
        s_.run.AddFileBytes(block.size());
        if (!pcb3) {
            fileCrc_ = Crc16(block, fileCrc_);
            fileSum_ = Sum16(block, fileSum_);
        }
        s_.port.SetGauge(Kb90::kGaugePerBlock * number);

        const auto ack =
            AwaitByte(s_.bounds.dataBlock,
                      BlockStep(TR_NOOP("Ene", "acknowledgement of block %1 of %2"), number));
        if (!ack)
            return EndWriteLost(true);
        if (pcb3 && *ack == 'E') {
            SetFailedStep(BlockStep(TR_NOOP("Ene", "block %1 of %2"), number));
            Send({'X'});
            Log(Tr("Ene", Kb90::kWriteLost));
            Send({'O'});
            return FinishWrite(Outcome::Failed);
        }
        s_.run.Progress().Written(number, Kb90::kBlocks);
        if (number == Kb90::kBlocks) {
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
    Log(Tr("Ene", " __ Warning __"));
    Log(Tr("Ene", "Recorded file is less than 128*1024 byte"));
    s_.link.Send(std::span<const std::uint8_t>(block, Kb90::kBlockSize));
    s_.run.AddFileBytes(got);
    const auto ack =
        AwaitByte(s_.bounds.dataBlock,
                  BlockStep(TR_NOOP("Ene", "acknowledgement of block %1 of %2"), number));
    if (!ack)
        return EndWriteLost(true);
    Send({'X'});
    if (pcb3 && *ack != 'G') {
        SetFailedStep(BlockStep(TR_NOOP("Ene", "block %1 of %2"), number));
        Log(Tr("Ene", Kb90::kWriteLost));
        Send({'O'});
        return FinishWrite(Outcome::Failed);
    }
    s_.run.Progress().AllWritten();
    if (pcb3)
        return VerifyByReadBack();
    fileSum_ = Sum16(s_.image);
    fileCrc_ = Crc16(s_.image);
    VerifyByChecksums();
}

void ReadThread_KB90::VerifyByChecksums() {
    if (StopHere(false))
        return;
    Log(Tr("Ene", "Writing is completed successfully."));
    Log(kStars);
    Log(Tr("Ene", "SUMM of data from a file  -> ") + Hex4(fileSum_));
    Log(Tr("Ene", "CRC16 of data from a file -> ") + Hex4(fileCrc_));
    Log(kStars);
    s_.port.SetGauge(0);
    s_.port.SetGaugeColour(Kb90::kVerifyColour);
    int blocks = 0;
    Send({'S'});

    // Bytes other than '-' are ignored; the pass as a whole has a deadline, so a JIG that
    // babbles instead of counting its blocks still ends it.
    const Deadline passEnd = DeadlineIn(s_.bounds.checksumPass);
    while (blocks != Kb90::kBlocks) {
        const std::string step =
            BlockStep(TR_NOOP("Ene", "checksum progress %1 of %2"), blocks + 1);
        const auto left = std::chrono::duration_cast<Millis>(passEnd - SteadyClock::now());
        if (left <= Millis(0)) {
            Failed(Reply{WaitOutcome::TimedOut, {}, false, step});
            return EndWriteLost(false);
        }
        const auto b = AwaitProgressByte(std::min(s_.bounds.progressStep, left), step);
        if (!b)
            return EndWriteLost(false);
        if (*b == '-') {
            ++blocks;
            s_.port.SetGauge(Kb90::kGaugePerBlock * blocks);
        }
    }
    const Reply answer = s_.link.Expect(4, s_.bounds.progressStep, Tr("Ene", "checksum answer"));
    if (!answer.Ok()) {
        Failed(answer);
        return EndWriteLost(false);
    }
    const std::uint16_t flashSum = static_cast<std::uint16_t>(answer.At(0) | answer.At(1) << 8);
    const std::uint16_t flashCrc = static_cast<std::uint16_t>(answer.At(2) | answer.At(3) << 8);
    Log(Tr("Ene", "SUMM FLASH KB90XX -> ") + Hex2(answer.At(1)) + Hex2(answer.At(0)));
    Log(Tr("Ene", "CRC16 FLASH KB90XX-> ") + Hex2(answer.At(3)) + Hex2(answer.At(2)));
    if (flashSum == fileSum_ && flashCrc == fileCrc_) {
        s_.run.Progress().Verified();
        Log(kStars);
        Log(Tr("Ene", "Writing and verify is OK !"));
        Send({'I'});
        return FinishWrite(Outcome::Succeeded);
    }
    SetFailedStep("verification by checksums");
    Log(Tr("Ene", "!!! Data is written incorrectly !!! "));
    Send({'O'});
    FinishWrite(Outcome::Failed);
}

void ReadThread_KB90::VerifyByReadBack() {
    if (StopHere(false))
        return;
    Log(Tr("Ene", "Writing is completed ..."));
    Log(Tr("Ene", "Verification ..."));
    s_.port.SetGauge(0);
    s_.port.SetGaugeColour(Kb90::kVerifyColour);
    int blocks = 0;
    std::size_t position = 0;
    s_.run.StartVerify(s_.image);
    Kb90StartStream(s_, 'R');
    for (;;) {
        if (!AwaitBlock(BlockStep(TR_NOOP("Ene", "read-back block %1 of %2"), blocks + 1)))
            return EndWriteLost(true);
        s_.run.VerifiedBytes(block_.bytes);
        if (std::memcmp(block_.bytes.data(), s_.image.data() + position, Kb90::kBlockSize) != 0) {
            SetFailedStep(BlockStep(TR_NOOP("Ene", "verification of block %1 of %2"), blocks + 1));
            Send({'X'});
            Log(Tr("Ene", "!!! Data is written incorrectly !!! "));
            Send({'O'});
            return FinishWrite(Outcome::Failed);
        }
        position += Kb90::kBlockSize;
        ++blocks;
        s_.port.SetGauge(Kb90::kGaugePerBlock * blocks);
        if (blocks == Kb90::kBlocks) {
            s_.run.Progress().Verified();
            Send({'X'});
            Send({'I'});
            Log(Tr("Ene", "Writing and verify is OK !"));
            return FinishWrite(Outcome::Succeeded);
        }
        if (StopHere(true))
            return;
        Send({'R'});
    }
}

void ReadThread_KB90::EndWriteLost(bool endTransfer) {
    if (endTransfer)
        Send({'X'});
    Log(Tr("Ene", Kb90::kWriteLost));
    Log(failure_);
    Send({'O'});
    FinishWrite(Outcome::Failed);
}

// Where the chip stands follows in the runner's ending.
void ReadThread_KB90::FinishWrite(Outcome outcome) {
    Log(CurrentTimeLine());
    end_ = outcome;
}
