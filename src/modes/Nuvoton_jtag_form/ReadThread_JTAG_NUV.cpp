#include "modes/Nuvoton_jtag_form/ReadThread_JTAG_NUV.h"
#include "modes/Nuvoton_jtag_form/VssScript.h"
#include "port/RegularFile.h"
#include "port/Tr.h"
#include "safety/SafeRead.h"

#include <array>
#include <cerrno>
#include <cstring>
#include <ctime>

using namespace NuvJtag;

namespace {

// `what` holds %1 (the number) and %2 (of).
std::string Of(const char* what, int number, int total) {
    return Fill(Tr("Jtag", what), std::to_string(number), std::to_string(total));
}
} // namespace

bool ReadThread_JTAG_NUV::StopHere() {
    if (s_.run.Stopping())
        stopped_ = true;
    return stopped_;
}

// ---------------------------------------------------------------- script

Outcome ReadThread_JTAG_NUV::SendScript() {
    s_.played = {};
    Log(Tr("Jtag", "Sending start: ") + NuvDateTime());
    // Read whole (and bounded, should the file grow after its check) and judged before a line
    // of it is sent.
    std::string bytes;
    std::array<char, 4096> chunk;
    for (std::size_t n; bytes.size() <= kLargestScript &&
                        (n = std::fread(chunk.data(), 1, chunk.size(), s_.file.get())) > 0;)
        bytes.append(chunk.data(), n);
    if (std::ferror(s_.file.get())) {
        LogFailure(Fill(Tr("Jtag", "Error reading the script %1: %2"), s_.scriptName,
                        std::strerror(errno)));
        return ScriptFailed();
    }
    s_.file.reset();
    VssScript script;
    if (bytes.size() > kLargestScript)
        script.error = Fill(Tr("Jtag", "%1: larger than the %2 bytes allowed"), s_.scriptName,
                            std::to_string(kLargestScript));
    else
        script = ParseVssScript(bytes);
    if (!script.error.empty()) {
        LogFailure(script.error);
        return ScriptFailed();
    }
    s_.port.SetGauge(0);
    s_.port.SetGaugeColour(kScriptColour);
    s_.port.SetGaugeMax(static_cast<int>(script.lines));

    std::size_t shown = 0; // the counter text, a multiple of 256
    for (const VssCommandLine& line : script.commandLines) {
        if (StopHere())
            return ScriptFailed();
        for (const JigCommand& command : line.commands)
            if (!channel_.Run(command, Fill(Tr("Jtag", "script line %1, %2"),
                                            std::to_string(line.number), command.name))) {
                LogFailure(channel_.Failure());
                return ScriptFailed();
            }
        s_.port.SetGauge(static_cast<int>(line.number));
        for (; shown + 256 <= line.number; shown += 256)
            if (s_.view)
                s_.view->SetCounterText(std::to_string(shown + 256));
    }
    s_.port.SetGauge(static_cast<int>(script.lines));
    for (; shown + 256 <= script.lines; shown += 256)
        if (s_.view)
            s_.view->SetCounterText(std::to_string(shown + 256));
    Log(Fill(Tr("Jtag", "Command lines sent: %1 (of %2 lines)"),
             std::to_string(script.commandLines.size()), std::to_string(script.lines)));
    s_.played = std::move(script);
    Log(Tr("Jtag", "Sending end:   ") + NuvDateTime());
    Log(Tr("Jtag", "I`m ready to READ or WRITE.")); // READ and WRITE come once the runner is idle
    return Outcome::Succeeded;
}

// A script that could not be played leaves the controller unprepared: the operation ends like
// a failed read or write.
Outcome ReadThread_JTAG_NUV::ScriptFailed() {
    return Finish(false);
}

// ---------------------------------------------------------------- read

bool ReadThread_JTAG_NUV::ReadBlock(int block) {
    const std::string step = Of(TR_NOOP("Jtag", "block %1 of %2"), block + 1, kBlocks);
    if (channel_.Exchange(BlockRead().frame, kBlockSize, s_.bounds.dataBlock, step))
        return true;
    // A byte more than the block would shift every block after it.
    if (channel_.Last().surplus)
        LogFailure(WaitFailureLine(WaitOutcome::Ready, step + Tr("Jtag", ": more than 256 bytes")));
    else
        LogFailure(channel_.Failure());
    return false;
}

Outcome ReadThread_JTAG_NUV::Read() {
    Log(Tr("Jtag", "Reading ...       ") + NuvDateTime());
    // The image stays in memory only for the safety net's checks.
    const bool keep = s_.run.Safety().active;
    std::vector<std::uint8_t> image;
    for (int block = 0; block < kBlocks; ++block) {
        if (StopHere() || !ReadBlock(block))
            return Finish(false);
        const std::vector<std::uint8_t>& data = channel_.Last().bytes;
        if (!s_.run.WriteOutput(data.data(), kBlockSize)) {
            LogFailure(FileProblemLine(s_.run.FileName(), s_.run.Output().Error()));
            return Finish(false);
        }
        if (keep)
            image.insert(image.end(), data.begin(), data.end());
        s_.port.SetGauge(block + 1);
    }
    Log(Tr("Jtag", "Reading complete. ") + NuvDateTime());
    const LogLine log = [this](const std::string& line) { Log(line); };
    if (s_.run.Safety().readTwice && !ReadAgainAndCompare(
                                         image,
                                         [this](std::vector<std::uint8_t>& again) {
                                             return PrepareAgain() && ReadWholeFlash(again);
                                         },
                                         log)) {
        if (s_.run.FailedStep().empty())
            s_.run.SetFailedStep("read twice: the reads differ");
        return Finish(false);
    }
    // Data the file did not keep must never end as a good read.
    if (!s_.run.CommitOutput())
        return Finish(false);
    if (keep)
        LogImageCheck(image, log);
    return Finish(true);
}

bool ReadThread_JTAG_NUV::ReadWholeFlash(std::vector<std::uint8_t>& image) {
    image.clear();
    image.reserve(static_cast<std::size_t>(kBlocks) * kBlockSize);
    s_.port.SetGauge(0);
    for (int block = 0; block < kBlocks; ++block) {
        if (StopHere() || !ReadBlock(block))
            return false;
        image.insert(image.end(), channel_.Last().bytes.begin(), channel_.Last().bytes.end());
        s_.port.SetGauge(block + 1);
    }
    return true;
}

// ---------------------------------------------------------------- erase and write

Outcome ReadThread_JTAG_NUV::EraseAndWrite() {
    return Finish((!s_.run.Safety().backup || (Backup() && PrepareAgain())) && HelperAnswers() &&
                  Erase() && Write());
}

bool ReadThread_JTAG_NUV::PrepareAgain() {
    if (StopHere())
        return false;
    Log(Tr("Jtag",
           "The controller's helper serves one pass: checking it and playing the script again."));
    if (!channel_.Named("Test-Logic-Reset") ||
        !channel_.Run(DrShift32(0xFFFFFFFF), Tr("Jtag", "the JTAG identifier, again"))) {
        LogFailure(channel_.Failure());
        return false;
    }
    const std::vector<std::uint8_t>& b = channel_.Last().bytes;
    const std::uint32_t id =
        static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
        static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
    if (id != kExpectedId) {
        LogFailure(Fill(Tr("Jtag", "Read NUVOTON ID %1: not the controller checked before. Break."),
                        Hex2(b[3]) + Hex2(b[2]) + Hex2(b[1]) + Hex2(b[0])));
        return false;
    }
    for (const VssCommandLine& line : s_.played.commandLines)
        for (const JigCommand& command : line.commands)
            if (!channel_.Run(command, Fill(Tr("Jtag", "script line %1 again, %2"),
                                            std::to_string(line.number), command.name))) {
                LogFailure(channel_.Failure());
                return false;
            }
    return true;
}

// The set-up batch, sent once more before the erase: a controller whose helper the script did
// not start answers it wrongly, and the chip must not be blank by the time that shows.
bool ReadThread_JTAG_NUV::HelperAnswers() {
    const std::optional<std::uint8_t> status = channel_.Batch(
        kModeChecked, WriteSetupEntries(), Tr("Jtag", "the write set-up, before the erase"));
    if (!status) {
        LogFailure(channel_.Failure());
        return false;
    }
    if (*status == kStatusGood)
        return true;
    LogFailure(Tr("Jtag", "FAULT first !=22  ") + Hex2(*status) + "h");
    Log(Tr("Jtag", "The controller's helper does not answer: the script did not prepare it. "
                   "Nothing was erased."));
    return false;
}

bool ReadThread_JTAG_NUV::Backup() {
    s_.port.SetGaugeColour(kReadColour);
    s_.port.SetGaugeMax(kBlocks);
    if (!s_.run.TakeBackup(kExpectedIdText, [this](std::vector<std::uint8_t>& image) {
            return ReadWholeFlash(image);
        }))
        return false;
    s_.port.SetGaugeColour(kEraseColour);
    s_.port.SetGaugeMax(kSectors);
    s_.port.SetGauge(0);
    return true;
}

std::optional<std::uint8_t> ReadThread_JTAG_NUV::AwaitErased(int sector) {
    const std::string step =
        Of(TR_NOOP("Jtag", "status of the erase of sector %1 of %2"), sector + 1, kSectors);
    const Deadline deadline = DeadlineIn(s_.bounds.sectorErase);
    const std::vector<PairEntry> poll = StatusPollEntries();
    for (;;) {
        std::optional<std::uint32_t> value;
        for (const PairEntry& e : poll)
            if (!(value = channel_.Pair(e, step))) {
                LogFailure(channel_.Failure());
                return std::nullopt;
            }
        const auto status = static_cast<std::uint8_t>(*value);
        if ((status & 0x03) == 0)
            return status;
        if (SteadyClock::now() >= deadline) {
            LogFailure(Fill(Tr("Jtag", "Timeout: the flash stays busy (%1, status=%2h)"), step,
                            Hex2(status)));
            return std::nullopt;
        }
    }
}

bool ReadThread_JTAG_NUV::Erase() {
    Log(Tr("Jtag", "Erase blocks... ") + NuvDateTime());
    // The status poll's values end its replies: nothing is known beforehand.
    s_.link.RepliesEndWith(std::nullopt);
    std::uint8_t status = 0;
    for (int sector = 0; sector < kSectors; ++sector) {
        if (StopHere())
            return false;
        if (sector == 0) {
            s_.run.Record().Started([this](const std::string& line) { Log(line); });
            s_.run.Progress().Erasing();
        }
        const std::string step =
            Of(TR_NOOP("Jtag", "erase of sector %1 of %2"), sector + 1, kSectors);
        if (!channel_.Batch(kModeRaw, EraseSectorEntries(sector), step)) {
            LogFailure(channel_.Failure());
            return false;
        }
        for (const PairEntry& e : ReadEntries(kFlashControl))
            if (!channel_.Pair(e, step)) {
                LogFailure(channel_.Failure());
                return false;
            }
        const std::optional<std::uint8_t> erased = AwaitErased(sector);
        if (!erased)
            return false;
        status = *erased;
        s_.port.SetGauge(sector + 1);
    }
    s_.run.Progress().Erased();
    Log(Fill(Tr("Jtag", "Erase complete! %1    status=%2h"), NuvDateTime(), Hex2(status)));
    return true;
}

bool ReadThread_JTAG_NUV::Write() {
    Log(Tr("Jtag", "Write bytes ... "));
    // Every batch of the write answers with its status byte, 22h when it went well.
    s_.link.RepliesEndWith(kStatusGood);
    s_.port.SetGaugeColour(kWriteColour);
    s_.port.SetGaugeMax(kBlocks);
    s_.port.SetGauge(0);
    const std::optional<std::uint8_t> setup =
        channel_.Batch(kModeChecked, WriteSetupEntries(), Tr("Jtag", "the write set-up"));
    if (!setup) {
        LogFailure(channel_.Failure());
        return false;
    }
    if (*setup != kStatusGood) {
        LogFailure(Tr("Jtag", "FAULT first !=22  ") + Hex2(*setup) + "h");
        return false;
    }
    for (int k = 0; k < kBlocks; ++k) {
        if (StopHere())
            return false;
        const std::span<const std::uint8_t, kBlockSize> block(
            s_.image.data() + static_cast<std::size_t>(k) * kBlockSize, kBlockSize);
        const std::optional<std::uint8_t> data =
            channel_.Batch(kModeChecked, DataEntries(k, block),
                           Of(TR_NOOP("Jtag", "data of block %1 of %2"), k + 1, kBlocks));
        if (!data) {
            LogFailure(channel_.Failure());
            return false;
        }
        if (*data != kStatusGood) {
            LogFailure(Tr("Jtag", "FAULT A_gr  !=22h  ") + Hex2(*data) + "h");
            return false;
        }
        const std::optional<std::uint8_t> commit =
            channel_.Batch(kModeCommit, CommitEntries(k, Crc8Maxim(block)),
                           Of(TR_NOOP("Jtag", "commit of block %1 of %2"), k + 1, kBlocks));
        if (!commit) {
            LogFailure(channel_.Failure());
            return false;
        }
        if (*commit != kStatusGood) {
            LogFailure(Tr("Jtag", "FAULT B_gr  !=22h  ") + Hex2(*commit) + "h");
            return false;
        }
        s_.run.Progress().Written(k + 1, kBlocks);
        s_.port.SetGauge(k + 1);
    }
    Log(Tr("Jtag", "Write complete! ") + NuvDateTime());
    return true;
}

// The JIG's signal and the end-of-operation reset of its CPLD and SPI lines, while the link is
// still open; the runner then closes it and says where the chip stands, and the timer shows the
// message.
Outcome ReadThread_JTAG_NUV::Finish(bool ok) {
    s_.file.reset();
    const bool stopped = !ok && stopped_;
    if (stopped)
        LogFailure(Tr("Common", kStoppedLine));
    const bool lost = s_.linkLost;
    if (!channel_.Named(ok ? "BUZ_OK" : "BUZ_ER") && !lost)
        Log(channel_.Failure());
    channel_.Named("RESET_ALTERA");
    channel_.Named("SPI_ON");
    s_.timerArmed.store(true);
    return ok ? Outcome::Succeeded : stopped ? Outcome::Stopped : Outcome::Failed;
}
