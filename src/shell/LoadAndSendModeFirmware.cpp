#include "shell/LoadAndSendModeFirmware.h"

#include "link/ExpectSome.h"
#include "link/StandInMarker.h"
#include "link/WaitBounds.h"
#include "modetable/ModeTable.h"
#include "port/Tr.h"
#include "shell/FirmwareFiles.h"

#include <cstdio>

namespace {
constexpr std::size_t kRecordReplySize = 16;
constexpr std::uint8_t kReplyEnd = 0x11;

std::string Hex4(std::size_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", static_cast<unsigned>(value));
    return text;
}

enum class RecordVerdict { Accepted, Rejected, Silent, TooLong };

// The bootloader's answer to one record: everything queued, until its last byte is 0x11.
RecordVerdict AwaitRecordReply(ProgrammerLink& link, WaitOutcome* outcome) {
    std::vector<std::uint8_t> reply;
    const Deadline deadline = DeadlineIn(WaitBounds::BootloaderReply);
    while (reply.empty() || reply.back() != kReplyEnd) {
        if (reply.size() >= kRecordReplySize)
            return RecordVerdict::TooLong;
        const Reply part = ExpectSome(link, kRecordReplySize - reply.size(), deadline);
        *outcome = part.outcome;
        if (part.outcome != WaitOutcome::Ready)
            return RecordVerdict::Silent;
        reply.insert(reply.end(), part.bytes.begin(), part.bytes.end());
    }
    return RecordReplyRefused(reply) ? RecordVerdict::Rejected : RecordVerdict::Accepted;
}

bool LoadImage(const std::string& mode, bool simulatedJig, SwitchPort& port,
               ModeFirmwareImage* image, std::string* result) {
    const Pcb2Firmware* fw = FindModeFirmware(mode);
    const FirmwareFile file = LocateFirmware(fw ? fw->file : mode + ".hex", simulatedJig);
    const std::string path = file.path.string();
    std::optional<std::string> text;
    if (fw && file.found)
        text = ReadFirmwareBytes(file.path, kHexFileLimit);
    if (!text) {
        port.Memo(
            Fill(Tr("Shell", "Not found .hex file -> %1 for M88 in the program folder "), path));
        if (fw && !file.found)
            port.Memo(NotFoundLine(fw->file, file));
        *result = kFwErrorFileSearch;
        return false;
    }
    port.Memo(Fill(Tr("Shell", "UPGRADE file loaded to buffer (%1)"), path));
    port.Memo(Fill(Tr("Shell", "Bytes read from file %1"), std::to_string(text->size())));
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text->data());
    if (!ParseModeFirmwareHex({bytes, text->size()}, image)) {
        port.Memo(Tr("Shell", "Wrong file format!"));
        *result = kFwErrorFileFormat;
        return false;
    }
    return true;
}
} // namespace

bool RecordReplyRefused(std::span<const std::uint8_t> reply) {
    const std::size_t n = reply.empty() ? 0 : reply.size() - 1;
    return n != 2 && n != 3 && n >= 2 && reply[1] == '-';
}

std::string BootloaderSilenceLine(const std::string& step, WaitOutcome outcome) {
    return Fill(Tr("Shell", "No answer from BOOT M88 to %1 (%2)"), step,
                Tr("Link", WaitOutcomeText(outcome)));
}

WaitOutcome SendHexRecord(ProgrammerLink& link, const ModeFirmwareImage& image,
                          std::size_t address) {
    const auto line = HexRecordLine(image, address);
    if (!link.Send(line))
        return WaitOutcome::DeviceError;
    return link.AwaitSent(WaitBounds::BootloaderReply);
}

std::string LoadAndSendModeFirmware(ProgrammerLink& link, const std::string& mode,
                                    SwitchPort& port) {
    const bool simulatedJig = !link.Api().IsRealHardware();
    ModeFirmwareImage image;
    std::string result;
    if (!LoadImage(mode, simulatedJig, port, &image, &result))
        return result;

    const std::optional<std::size_t> last = LastProgrammedAddress(image);
    if (!last) {
        // Nothing to program: sending would only erase the JIG's firmware.
        port.Memo(Tr("Shell", "No program bytes for M88 in the .hex file!"));
        return kFwErrorFileFormat;
    }
    port.Memo(Fill(Tr("Shell", "HEX position_buff %1"), Hex4(*last)));
    port.SetGaugeMax(static_cast<int>(*last));
    if (!simulatedJig && CarriesStandInMarker(image)) {
        port.Memo(Tr("Shell", "This .hex file is a stand-in made for the simulated JIG; it is not "
                              "sent to a real JIG!"));
        return kFwErrorFileFormat;
    }

    link.Send({'p', 'f', '\n'});
    const Reply started = link.ExpectQueued(7, DeadlineIn(WaitBounds::BootloaderReply));
    if (started.outcome != WaitOutcome::Ready) {
        port.Memo(BootloaderSilenceLine("\"pf\"", started.outcome));
        return kFwErrorUpgrade;
    }

    for (std::size_t a = 0; a <= *last; a += 16) {
        WaitOutcome outcome = SendHexRecord(link, image, a);
        RecordVerdict verdict = RecordVerdict::Silent;
        if (outcome == WaitOutcome::Ready)
            verdict = AwaitRecordReply(link, &outcome);
        if (verdict == RecordVerdict::Silent) {
            port.Memo(
                BootloaderSilenceLine(Fill(Tr("Shell", "the record at %1"), Hex4(a)), outcome));
            return kFwErrorUpgrade;
        }
        if (verdict == RecordVerdict::TooLong)
            port.Memo(
                Fill(Tr("Shell", "Too long answer from BOOT M88 to the record at %1"), Hex4(a)));
        if (verdict != RecordVerdict::Accepted) {
            port.Memo(Tr("Shell", "ERROR FW upgrade!"));
            return kFwErrorUpgrade;
        }
        port.SetGauge(static_cast<int>(a + 16));
    }

    static constexpr std::uint8_t kEndRecord[] = {':', '0', '0', '0', '0', '0',
                                                  '0', '0', '1', 'F', 'F', '\n'};
    const bool allSent = link.Send(kEndRecord);
    port.Memo(allSent ? Tr("Shell", "отправлено EOF корректно")
                      : Tr("Shell", "отправлено МЕНЬШЕ байт"));
    const Reply ended = link.ExpectQueued(7, DeadlineIn(WaitBounds::BootloaderReply));
    if (ended.outcome != WaitOutcome::Ready) {
        port.Memo(BootloaderSilenceLine(Tr("Shell", "the end record"), ended.outcome));
        return kFwErrorUpgrade;
    }
    return kFwUpgradeOk;
}
