#include "modes/Edid/EdidEngine.h"

#include "link/OpenProgrammerLink.h"
#include "link/WaitBounds.h"
#include "modes/Edid/EdidDecode.h"
#include "modes/Edid/EdidImage.h"
#include "operation/ImageToWrite.h"
#include "port/RegularFile.h"
#include "port/Tr.h"
#include "safety/SafeRead.h"

#include <algorithm>
#include <cstdio>

namespace {

using namespace Edid;

enum class Status { Ok, Er, Other };

Status StatusOf(std::uint8_t first, std::uint8_t second) {
    if (first == 'O' && second == 'K')
        return Status::Ok;
    if (first == 'E' && second == 'R')
        return Status::Er;
    return Status::Other;
}

std::string PairText(std::uint8_t first, std::uint8_t second) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X %02X", first, second);
    return text;
}

// A wait that ended without its reply: "Reading EEPROM: no answer from the programmer within
// 3 s (0 of 258 bytes)."
std::string LostLine(const Reply& r, std::size_t want) {
    const std::string got = std::to_string(r.Count());
    const std::string of = std::to_string(want);
    switch (r.outcome) {
    case WaitOutcome::TimedOut:
        return Fill(Tr("Edid", "%1: no answer from the programmer within %2 s (%3 of %4 bytes)."),
                    r.step, std::to_string(WaitBounds::EepromReply.count() / 1000), got, of);
    case WaitOutcome::Cancelled:
        return Fill(Tr("Edid", "%1: stopped (%2 of %3 bytes)."), r.step, got, of);
    default:
        return Fill(Tr("Edid", "%1: the programmer does not respond (device error) (%2 of %3 "
                               "bytes)."),
                    r.step, got, of);
    }
}

// The lost-communication ending: the reason, the failure signal, the link closed.
Outcome Abort(ProgrammerLink& link, OperatorPort& port, const std::string& line) {
    port.Log(line);
    port.Log("");
    link.Send({'O'});
    link.Close();
    return Outcome::Failed;
}

void LogDump(OperatorPort& port, const Image& image) {
    port.Log("");
    for (const std::string& line : DumpLines(image))
        port.Log(line);
}

Summary LogSummary(OperatorPort& port, const Image& image) {
    Summary s = Decode(image);
    for (const std::string& line : SummaryLines(s))
        port.Log(line);
    return s;
}

std::string ChecksumQuestion(const Summary& s) {
    std::string blocks;
    for (const BlockChecksum& c : s.checksums)
        if (!c.ok) {
            char stored[4], expected[4];
            std::snprintf(stored, sizeof stored, "%02X", c.stored);
            std::snprintf(expected, sizeof expected, "%02X", c.expected);
            blocks += (blocks.empty() ? "" : "; ") +
                      Fill(Tr("Edid", "block %1: byte 127 is 0x%2, should be 0x%3"),
                           std::to_string(c.block), stored, expected);
        }
    return Fill(Tr("Edid", "The EDID checksum of this image is wrong (%1). Write it to the "
                           "EEPROM anyway?"),
                blocks);
}

int Connect(ProgrammerLink& link, OperatorPort& port) {
    return OpenProgrammerLink(link, LinkVariants::EdidLcd,
                              [&port](const std::string& line) { port.Log(line); });
}

constexpr const char* kModeName = "EDID lcd";
constexpr std::size_t kLargestImageFile = 64 * 1024;

// How 'E' 'r' went: its line (for anything but Ok) is in the log already.
enum class EepromRead { Ok, Lost, Refused, Unknown };

EepromRead ReadEeprom(ProgrammerLink& link, OperatorPort& port, Image& image) {
    if (!link.Send({'E', 'r'})) {
        port.Log(Tr("Edid", "Reading EEPROM: the command did not reach the programmer."));
        return EepromRead::Lost;
    }
    // A longer reply is cut at its 258 bytes; the rest goes with the link.
    const Reply reply =
        link.Expect(kReplySize, WaitBounds::EepromReply, Tr("Edid", "Reading EEPROM"));
    if (reply.Lost()) {
        port.Log(LostLine(reply, kReplySize));
        return EepromRead::Lost;
    }
    const std::uint8_t s0 = reply.At(kImageSize);
    const std::uint8_t s1 = reply.At(kImageSize + 1);
    switch (StatusOf(s0, s1)) {
    case Status::Er:
        port.Log(Tr("Edid", "EEPROM does not respond, check the connection !!!"));
        return EepromRead::Refused;
    case Status::Other:
        // Ending without a word would leave the technician guessing.
        port.Log(Fill(Tr("Edid", "Unknown answer of the programmer after reading: %1."),
                      PairText(s0, s1)));
        return EepromRead::Unknown;
    case Status::Ok:
        break;
    }
    std::copy_n(reply.bytes.begin(), kImageSize, image.begin());
    return EepromRead::Ok;
}

// The ending of a read that failed, as the JIG's state after it asks for.
Outcome EndFailedRead(ProgrammerLink& link, OperatorPort& port, EepromRead how) {
    if (how != EepromRead::Unknown) {
        port.Log("");
        link.Send({'O'});
    }
    link.Close();
    return Outcome::Failed;
}

// A whole-EEPROM read for the backup and read-twice; a failed one names its step.
ReadWholeChip EepromReader(ProgrammerLink& link, OperatorPort& port, OperationRunner& run,
                           EepromRead* how) {
    return [&link, &port, &run, how](std::vector<std::uint8_t>& out) {
        Image image{};
        *how = ReadEeprom(link, port, image);
        out.assign(image.begin(), image.end());
        if (*how != EepromRead::Ok)
            run.SetFailedStep("reading the EEPROM");
        return *how == EepromRead::Ok;
    };
}

} // namespace

FileDialogSpec EdidSaveDialog() {
    return {.title = Tr("Edid", "Укажите имя файла для сохранения."),
            .filter = Tr("Edid", "BIN файлы EEPROM (*.bin)|*.bin"),
            .defaultExtension = ".bin",
            .initialName = "Noname",
            .confirmOverwrite = true};
}

FileDialogSpec EdidOpenDialog() {
    FileDialogSpec spec;
    spec.title = Tr("Edid", "Укажите файл за заливки.");
    spec.filter = Tr("Edid", "BIN файлы EEPROM (*.bin)|*.bin|Другие|*.*");
    return spec;
}

EdidEngine::EdidEngine(ProgrammerLink& link, OperatorPort& port)
    // No state names and no controls to give back: the handler runs the whole operation.
    : link_(link), port_(port),
      run_(link, port, {.mode = kModeName, .stateName = nullptr, .controls = {}}) {}

void EdidEngine::Stop() {
    run_.Stop();
    link_.Cancel();
}

Outcome EdidEngine::ReadClick() {
    return Read("");
}

Outcome EdidEngine::ReadFile(const std::string& file) {
    return Read(file);
}

Outcome EdidEngine::WriteClick() {
    return Write("");
}

Outcome EdidEngine::WriteFile(const std::string& file) {
    return Write(file);
}

Outcome EdidEngine::Read(const std::string& file) {
    if (!run_.Begin("read", false))
        return Outcome::None;
    run_.RunHere(Activity::Reading, [this, &file] {
        const Outcome outcome = ReadBody(file);
        return outcome == Outcome::Failed && run_.Stopping() ? Outcome::Stopped : outcome;
    });
    return run_.Result();
}

// Not counted as a chip change: the EEPROM has no blocks to count, and the write's own lines
// say how it ended.
Outcome EdidEngine::Write(const std::string& file) {
    if (!run_.Begin("write", false))
        return Outcome::None;
    run_.RunHere(Activity::Writing, [this, &file] {
        const Outcome outcome = WriteBody(file);
        return outcome == Outcome::Failed && run_.Stopping() ? Outcome::Stopped : outcome;
    });
    return run_.Result();
}

Outcome EdidEngine::ReadBody(const std::string& file) {
    link_.ResetCancel();
    port_.ClearLog();
    const int connected = Connect(link_, port_);
    run_.Record().SetJig(link_.versionText);
    if (connected != kProgrammerAccepted) {
        run_.SetFailedStep("connect");
        return Outcome::NoJig;
    }
    port_.Log(Tr("Edid", "Reading EEPROM ..."));
    Image image{};
    const EepromRead how = ReadEeprom(link_, port_, image);
    if (how != EepromRead::Ok) {
        run_.SetFailedStep("reading the EEPROM");
        return EndFailedRead(link_, port_, how);
    }
    const LogLine log = [this](const std::string& line) { port_.Log(line); };
    if (run_.Safety().readTwice) {
        EepromRead again = EepromRead::Ok;
        if (!ReadAgainAndCompare(image, EepromReader(link_, port_, run_, &again), log)) {
            if (again == EepromRead::Ok)
                run_.SetFailedStep("read twice: the reads differ");
            return EndFailedRead(link_, port_,
                                 again == EepromRead::Ok ? EepromRead::Refused : again);
        }
    }

    port_.Log(Tr("Edid", "Reading from the EEPROM is completed successfully."));
    LogDump(port_, image);
    port_.Log("");
    link_.Send({'I'});
    link_.Close();
    LogSummary(port_, image);
    if (run_.Safety().active)
        LogImageCheck(image, log);

    std::string name = file;
    if (name.empty()) {
        const std::optional<std::string> chosen = port_.AskSaveFile(EdidSaveDialog());
        if (!chosen) {
            port_.Log(Tr("Edid", "Write to file is interrupted."));
            run_.SetFailedStep("file dialog");
            return Outcome::Stopped;
        }
        name = *chosen;
    }
    run_.Record().SetFile(name);
    if (!run_.CreateOutput(name)) {
        port_.ShowMessage(MessageIcon::Error, Tr("Edid", "Ошибка создания файла."));
        port_.Log("");
        run_.SetFailedStep("file creation");
        return Outcome::NoFile;
    }
    port_.Log(Tr("Edid", "Save the file: ") + name);
    if (!run_.WriteOutput(image.data(), kImageSize)) {
        // A full disk must not pass for a saved image; the old file stays as it was.
        port_.Log(Tr("Edid", "The file could not be written completely: ") +
                  FileProblemLine(name, run_.Output().Error()));
        run_.SetFailedStep("writing the file");
        return Outcome::Failed;
    }
    return run_.CommitOutput() ? Outcome::Succeeded : Outcome::Failed;
}

Outcome EdidEngine::WriteBody(const std::string& file) {
    link_.ResetCancel();
    port_.ClearLog();
    const int connected = Connect(link_, port_);
    run_.Record().SetJig(link_.versionText);
    if (connected != kProgrammerAccepted) {
        run_.SetFailedStep("connect");
        return Outcome::NoJig;
    }
    std::string name = file;
    if (name.empty()) {
        const std::optional<std::string> chosen = port_.AskOpenFile(EdidOpenDialog());
        if (!chosen) {
            port_.Log(Tr("Edid", "Write operation is interrupted."));
            run_.SetFailedStep("file dialog");
            return Outcome::Stopped;
        }
        name = *chosen;
    }
    // Larger files are taken (only their first 256 bytes are written), within reason.
    const ImageToWrite loaded = LoadImageToWrite(name, kImageSize, kLargestImageFile);
    run_.SetFile(name, loaded.fileSize);
    if (!loaded.Ok()) {
        port_.Log(loaded.error);
        port_.ShowMessage(MessageIcon::Error, Tr("Edid", "Ошибка открытия файла."));
        port_.Log("");
        run_.SetFailedStep("file opening");
        return loaded.Refusal();
    }
    Image image;
    std::copy_n(loaded.bytes.begin(), kImageSize, image.begin());
    port_.Log(Tr("Edid", "Writing EEPROM ..."));
    if (loaded.fileSize < kImageSize)
        port_.Log(
            Fill(Tr("Edid", "The file holds %1 bytes; the rest of the 256 is filled with FF."),
                 std::to_string(loaded.fileSize)));
    else if (loaded.fileSize > kImageSize)
        port_.Log(Fill(Tr("Edid", "The file holds %1 bytes; only the first 256 are written."),
                       std::to_string(loaded.fileSize)));
    const Summary summary = LogSummary(port_, image);
    if (!summary.ChecksumsOk() && !port_.AskYesNo(ChecksumQuestion(summary))) {
        port_.Log(Tr("Edid", "Write operation is interrupted: the EDID checksum is wrong."));
        run_.SetFailedStep("checksum question");
        return Outcome::Stopped;
    }
    if (run_.Safety().backup) {
        EepromRead how = EepromRead::Ok;
        if (!run_.TakeBackup("", EepromReader(link_, port_, run_, &how)))
            return EndFailedRead(link_, port_, how == EepromRead::Ok ? EepromRead::Refused : how);
    }

    run_.SetFailedStep("writing the EEPROM");
    run_.Record().Started([this](const std::string& line) { port_.Log(line); });
    if (!link_.Send({'E', 'w'}))
        return Abort(link_, port_,
                     Tr("Edid", "Writing EEPROM: the command did not reach the programmer."));
    // The ready byte's value means nothing; a longer reply is cut and its rest dropped.
    const Reply ready = link_.Expect(1, WaitBounds::EepromReply,
                                     Tr("Edid", "Writing EEPROM, waiting for the ready byte"));
    if (ready.Lost())
        return Abort(link_, port_, LostLine(ready, 1));

    LogDump(port_, image);
    port_.Log("");
    if (!link_.Send(image))
        return Abort(link_, port_,
                     Tr("Edid", "Writing EEPROM: the data did not reach the programmer."));
    const Reply status = link_.Expect(2, WaitBounds::EepromReply,
                                      Tr("Edid", "Writing EEPROM, waiting for the status"));
    if (status.Lost())
        return Abort(link_, port_, LostLine(status, 2));

    Outcome outcome = Outcome::Failed;
    switch (StatusOf(status.At(0), status.At(1))) {
    case Status::Ok:
        port_.Log(Tr("Edid", "Writing data to EEPROM is completed successfully."));
        link_.Send({'I'});
        run_.SetFailedStep("");
        outcome = Outcome::Succeeded;
        break;
    case Status::Er:
        port_.Log(Tr("Edid", "EEPROM does not respond, or write error! WP 7 pin = '0' ?"));
        link_.Send({'O'});
        break;
    case Status::Other:
        port_.Log(Fill(Tr("Edid", "Unknown answer of the programmer after writing: %1; the EEPROM "
                                  "content is not confirmed."),
                       PairText(status.At(0), status.At(1))));
        break;
    }
    link_.Close();
    return outcome;
}

Outcome EdidRead(ProgrammerLink& link, OperatorPort& port, const SafetyOptions& safety) {
    EdidEngine engine(link, port);
    engine.Run().SetSafety(safety);
    return engine.ReadClick();
}

Outcome EdidWrite(ProgrammerLink& link, OperatorPort& port, const SafetyOptions& safety) {
    EdidEngine engine(link, port);
    engine.Run().SetSafety(safety);
    return engine.WriteClick();
}
