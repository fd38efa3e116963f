#include "modes/Edid/EdidEngine.h"

#include "link/OpenProgrammerLink.h"
#include "link/WaitBounds.h"
#include "modes/Edid/EdidDecode.h"
#include "modes/Edid/EdidImage.h"
#include "operation/ImageToWrite.h"
#include "operation/OutputFile.h"
#include "port/RegularFile.h"
#include "safety/OperationRecord.h"
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

struct Collected {
    WaitOutcome outcome = WaitOutcome::Ready;
    std::size_t got = 0;
};

// Whatever is waiting is read and appended, never more than is still missing: a longer reply
// is cut at `want` and its rest goes with the link.
Collected Collect(ProgrammerLink& link, std::uint8_t* out, std::size_t want, Millis bound) {
    Collected c;
    FT_HANDLE h = link.Handle();
    if (!h)
        return {WaitOutcome::DeviceError, 0};
    FtdiApi& api = link.Api();
    const Deadline deadline = DeadlineIn(bound);
    while (c.got < want) {
        c.outcome = h->WaitReceived(1, deadline);
        if (c.outcome != WaitOutcome::Ready)
            return c;
        if (api.FT_GetStatus(h, &link.rxQueue, &link.txQueue, &link.eventWord) != FT_OK)
            return {WaitOutcome::DeviceError, c.got};
        const DWORD take =
            static_cast<DWORD>(std::clamp<std::size_t>(link.rxQueue, 1, want - c.got));
        link.transferred = 0;
        if (api.FT_Read(h, out + c.got, take, &link.transferred) != FT_OK)
            return {WaitOutcome::DeviceError, c.got};
        c.got += link.transferred;
    }
    c.outcome = WaitOutcome::Ready;
    return c;
}

std::string WaitFailureLine(const std::string& step, const Collected& c, std::size_t want) {
    const std::string counts =
        " (" + std::to_string(c.got) + " of " + std::to_string(want) + " bytes)";
    switch (c.outcome) {
    case WaitOutcome::TimedOut:
        return step + ": no answer from the programmer within " +
               std::to_string(WaitBounds::EepromReply.count() / 1000) + " s" + counts + ".";
    case WaitOutcome::Cancelled:
        return step + ": stopped" + counts + ".";
    default:
        return step + ": the programmer does not respond (device error)" + counts + ".";
    }
}

// The lost-communication ending: the reason, the failure signal, the link closed.
EdidOutcome Abort(ProgrammerLink& link, OperatorPort& port, const std::string& line) {
    port.Log(line);
    port.Log("");
    link.Send({'O'});
    link.Close();
    return EdidOutcome::Failed;
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
            char text[80];
            std::snprintf(text, sizeof text, "%sblock %d: byte 127 is 0x%02X, should be 0x%02X",
                          blocks.empty() ? "" : "; ", c.block, c.stored, c.expected);
            blocks += text;
        }
    return "The EDID checksum of this image is wrong (" + blocks +
           "). Write it to the EEPROM anyway?";
}

int Connect(ProgrammerLink& link, OperatorPort& port) {
    return OpenProgrammerLink(link, LinkVariants::EdidLcd,
                              [&port](const std::string& line) { port.Log(line); });
}

constexpr const char* kModeName = "EDID lcd";
constexpr std::size_t kLargestImageFile = 64 * 1024;

const char* ResultText(EdidOutcome outcome) {
    switch (outcome) {
    case EdidOutcome::Done:
        return "done";
    case EdidOutcome::NoProgrammer:
        return "no JIG";
    case EdidOutcome::Cancelled:
        return "cancelled";
    case EdidOutcome::Failed:
        break;
    }
    return "failed";
}

// How 'E' 'r' went: its line (for anything but Ok) is in the log already.
enum class EepromRead { Ok, Lost, Refused, Unknown };

EepromRead ReadEeprom(ProgrammerLink& link, OperatorPort& port, Image& image) {
    if (!link.Send({'E', 'r'})) {
        port.Log("Reading EEPROM: the command did not reach the programmer.");
        return EepromRead::Lost;
    }
    std::array<std::uint8_t, kReplySize> reply{};
    const Collected c = Collect(link, reply.data(), kReplySize, WaitBounds::EepromReply);
    if (c.outcome != WaitOutcome::Ready) {
        port.Log(WaitFailureLine("Reading EEPROM", c, kReplySize));
        return EepromRead::Lost;
    }
    const std::uint8_t s0 = reply[kImageSize];
    const std::uint8_t s1 = reply[kImageSize + 1];
    switch (StatusOf(s0, s1)) {
    case Status::Er:
        port.Log("EEPROM does not respond, check the connection !!!");
        return EepromRead::Refused;
    case Status::Other:
        // Ending without a word would leave the technician guessing.
        port.Log("Unknown answer of the programmer after reading: " + PairText(s0, s1) + ".");
        return EepromRead::Unknown;
    case Status::Ok:
        break;
    }
    std::copy_n(reply.begin(), kImageSize, image.begin());
    return EepromRead::Ok;
}

// The ending of a read that failed, as the JIG's state after it asks for.
EdidOutcome EndFailedRead(ProgrammerLink& link, OperatorPort& port, EepromRead how) {
    if (how != EepromRead::Unknown) {
        port.Log("");
        link.Send({'O'});
    }
    link.Close();
    return EdidOutcome::Failed;
}

ReadWholeChip EepromReader(ProgrammerLink& link, OperatorPort& port, EepromRead* how) {
    return [&link, &port, how](std::vector<std::uint8_t>& out) {
        Image image{};
        *how = ReadEeprom(link, port, image);
        out.assign(image.begin(), image.end());
        return *how == EepromRead::Ok;
    };
}

} // namespace

FileDialogSpec EdidSaveDialog() {
    return {.title = "Укажите имя файла для сохранения.",
            .filter = "BIN файлы EEPROM (*.bin)|*.bin",
            .defaultExtension = ".bin",
            .initialName = "Noname",
            .confirmOverwrite = true};
}

FileDialogSpec EdidOpenDialog() {
    FileDialogSpec spec;
    spec.title = "Укажите файл за заливки.";
    spec.filter = "BIN файлы EEPROM (*.bin)|*.bin|Другие|*.*";
    return spec;
}

namespace {
EdidOutcome ReadOperation(ProgrammerLink& link, OperatorPort& port, const SafetyOptions& safety,
                          OperationRecord& record, std::string* step) {
    link.ResetCancel();
    port.ClearLog();
    const int connected = Connect(link, port);
    record.SetJig(link.versionText);
    if (connected != kProgrammerAccepted) {
        *step = "connect";
        return EdidOutcome::NoProgrammer;
    }
    port.Log("Reading EEPROM ...");
    Image image{};
    *step = "reading the EEPROM";
    const EepromRead how = ReadEeprom(link, port, image);
    if (how != EepromRead::Ok)
        return EndFailedRead(link, port, how);
    const LogLine log = [&port](const std::string& line) { port.Log(line); };
    if (safety.readTwice) {
        EepromRead again = EepromRead::Ok;
        if (!ReadAgainAndCompare(image, EepromReader(link, port, &again), log)) {
            if (again == EepromRead::Ok)
                *step = "read twice: the reads differ";
            return EndFailedRead(link, port, again == EepromRead::Ok ? EepromRead::Refused : again);
        }
    }
    step->clear();

    port.Log("Reading from the EEPROM is completed successfully.");
    LogDump(port, image);
    port.Log("");
    link.Send({'I'});
    link.Close();
    LogSummary(port, image);
    if (safety.active)
        LogImageCheck(image, log);

    const std::optional<std::string> name = port.AskSaveFile(EdidSaveDialog());
    if (!name) {
        port.Log("Write to file is interrupted.");
        *step = "file dialog";
        return EdidOutcome::Cancelled;
    }
    record.SetFile(*name);
    OutputFile out;
    if (!out.Create(*name)) {
        port.Log(FileProblemLine(*name, out.Error()));
        port.ShowMessage(MessageIcon::Error, "Ошибка создания файла.");
        port.Log("");
        *step = "file creation";
        return EdidOutcome::Failed;
    }
    port.Log("Save the file: " + *name);
    if (!out.Write(image.data(), kImageSize) || !out.Commit()) {
        // A full disk must not pass for a saved image; the old file stays as it was.
        port.Log("The file could not be written completely: " +
                 FileProblemLine(*name, out.Error()));
        const std::string kept = out.Abandon();
        if (!kept.empty())
            port.Log(kept);
        *step = "writing the file";
        return EdidOutcome::Failed;
    }
    return EdidOutcome::Done;
}
} // namespace

EdidOutcome EdidRead(ProgrammerLink& link, OperatorPort& port, const SafetyOptions& safety) {
    OperationRecord record;
    record.Begin(safety.active, kModeName, "read");
    std::string step;
    const EdidOutcome outcome = ReadOperation(link, port, safety, record, &step);
    record.End(ResultText(outcome), step, [&port](const std::string& line) { port.Log(line); });
    return outcome;
}

namespace {
EdidOutcome WriteOperation(ProgrammerLink& link, OperatorPort& port, const SafetyOptions& safety,
                           OperationRecord& record, std::string* step) {
    link.ResetCancel();
    port.ClearLog();
    const int connected = Connect(link, port);
    record.SetJig(link.versionText);
    if (connected != kProgrammerAccepted) {
        *step = "connect";
        return EdidOutcome::NoProgrammer;
    }
    const std::optional<std::string> name = port.AskOpenFile(EdidOpenDialog());
    if (!name) {
        port.Log("Write operation is interrupted.");
        link.Close();
        *step = "file dialog";
        return EdidOutcome::Cancelled;
    }
    record.SetFile(*name);
    // Larger files are taken (only their first 256 bytes are written), within reason.
    const ImageToWrite loaded = LoadImageToWrite(*name, kImageSize, kLargestImageFile);
    if (!loaded.Ok()) {
        port.Log(loaded.error);
        port.ShowMessage(MessageIcon::Error, "Ошибка открытия файла.");
        port.Log("");
        link.Close();
        *step = "file opening";
        return EdidOutcome::Failed;
    }
    Image image;
    std::copy_n(loaded.bytes.begin(), kImageSize, image.begin());
    port.Log("Writing EEPROM ...");
    if (loaded.fileSize < kImageSize)
        port.Log("The file holds " + std::to_string(loaded.fileSize) +
                 " bytes; the rest of the 256 is filled with FF.");
    else if (loaded.fileSize > kImageSize)
        port.Log("The file holds " + std::to_string(loaded.fileSize) +
                 " bytes; only the first 256 are written.");
    const Summary summary = LogSummary(port, image);
    if (!summary.ChecksumsOk() && !port.AskYesNo(ChecksumQuestion(summary))) {
        port.Log("Write operation is interrupted: the EDID checksum is wrong.");
        link.Close();
        *step = "checksum question";
        return EdidOutcome::Cancelled;
    }
    if (safety.backup) {
        EepromRead how = EepromRead::Ok;
        const std::optional<std::filesystem::path> saved = TakeBackup(
            kModeName, "", EepromReader(link, port, &how),
            [&port](const std::string& line) { port.Log(line); }, safety,
            [&port](const std::string& q) { return port.AskYesNo(q); });
        if (!saved) {
            *step = how == EepromRead::Ok ? "backup: saving" : "backup: reading the EEPROM";
            return EndFailedRead(link, port, how == EepromRead::Ok ? EepromRead::Refused : how);
        }
        record.SetBackup(saved->string());
    }

    *step = "writing the EEPROM";
    record.Started([&port](const std::string& line) { port.Log(line); });
    if (!link.Send({'E', 'w'}))
        return Abort(link, port, "Writing EEPROM: the command did not reach the programmer.");
    std::uint8_t ready = 0;
    const Collected r = Collect(link, &ready, 1, WaitBounds::EepromReply);
    if (r.outcome != WaitOutcome::Ready)
        return Abort(link, port,
                     WaitFailureLine("Writing EEPROM, waiting for the ready byte", r, 1));

    LogDump(port, image);
    port.Log("");
    if (!link.Send(image))
        return Abort(link, port, "Writing EEPROM: the data did not reach the programmer.");
    std::array<std::uint8_t, 2> status{};
    const Collected st = Collect(link, status.data(), status.size(), WaitBounds::EepromReply);
    if (st.outcome != WaitOutcome::Ready)
        return Abort(link, port, WaitFailureLine("Writing EEPROM, waiting for the status", st, 2));

    EdidOutcome outcome = EdidOutcome::Failed;
    switch (StatusOf(status[0], status[1])) {
    case Status::Ok:
        port.Log("Writing data to EEPROM is completed successfully.");
        link.Send({'I'});
        outcome = EdidOutcome::Done;
        break;
    case Status::Er:
        port.Log("EEPROM does not respond, or write error! WP 7 pin = '0' ?");
        link.Send({'O'});
        break;
    case Status::Other:
        port.Log("Unknown answer of the programmer after writing: " +
                 PairText(status[0], status[1]) + "; the EEPROM content is not confirmed.");
        break;
    }
    link.Close();
    return outcome;
}
} // namespace

EdidOutcome EdidWrite(ProgrammerLink& link, OperatorPort& port, const SafetyOptions& safety) {
    OperationRecord record;
    record.Begin(safety.active, kModeName, "write");
    std::string step;
    const EdidOutcome outcome = WriteOperation(link, port, safety, record, &step);
    record.End(ResultText(outcome), step, [&port](const std::string& line) { port.Log(line); });
    return outcome;
}
