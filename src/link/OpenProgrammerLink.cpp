#include "link/OpenProgrammerLink.h"

#include "link/ExpectSome.h"
#include "link/InUse.h"
#include "link/StartLog.h"
#include "link/VersionText.h"
#include "modetable/ModeTable.h"
#include "port/TimeText.h"
#include "port/Tr.h"

#include <cstdlib>

namespace {
const LinkVariant& Of(std::string_view mode) {
    const ModeEntry* m = FindMode(mode);
    if (!m)
        std::abort(); // a name below that the mode table lost
    return m->link;
}
} // namespace

namespace LinkVariants {
const LinkVariant& EdidLcd = Of("EDID lcd");
const LinkVariant& EneKb90xx = Of("ENE KB90XX");
const LinkVariant& KeyboardTesting = Of("Keyboard testing");
const LinkVariant& MecJtag = Of("MEC jtag");
const LinkVariant& Ite = Of("ITE");
const LinkVariant& NuvotonSpi = Of("NUVOTON spi");
const LinkVariant& NuvotonJtag = Of("NUVOTON jtag");
} // namespace LinkVariants

namespace {
constexpr const char* kStars = "**************************************";
constexpr DWORD kBaud = 921600;
constexpr DWORD kVersionBytes = 32;

// Sends 'B' and takes the answer: what arrives within the read time-out, at most 32 bytes, and
// no more once the answer's LF is in (the JIG sends nothing after it, so waiting on would
// only cost the rest of the time-out). A device that fails during the answer gave none: the
// piece that came is no version text (it would pass for an outdated firmware).
std::vector<std::uint8_t> Identify(ProgrammerLink& link, DWORD readTimeoutMs) {
    link.Send({'B'});
    const Deadline deadline = DeadlineIn(Millis(readTimeoutMs));
    // The first byte as the device's own read time-out allows; the rest as it comes.
    Reply part = link.ExpectRead(1, 1);
    std::vector<std::uint8_t> answer = part.bytes;
    while (!answer.empty() && answer.size() < kVersionBytes && answer.back() != '\n') {
        // Byte by byte up to an LF: what follows it is not part of the answer.
        part = ExpectSome(link, 1, deadline);
        if (part.outcome == WaitOutcome::DeviceError)
            answer.clear();
        if (part.outcome != WaitOutcome::Ready || part.bytes.empty())
            break;
        answer.push_back(part.bytes[0]);
    }
    return answer;
}

// The call's name and whether it went well, in the start log.
void LogStatus(StartLog& log, FT_STATUS st, const char* call) {
    log.Line(Fill(st == FT_OK ? Tr("Link", "%1 OK") : Tr("Link", "Error %1"), call));
}
} // namespace

void OpenProgrammerLinkMain(ProgrammerLink& link, const std::string& closeRequest) {
    const bool closeWanted = closeRequest == kCloseHandle;
    FtdiApi& api = link.Api();
    StartLog log;
    log.Line(kStars);
    log.Line(ShortDateText() + " " + LongTimeText());
    log.Line(kStars);

    link.Close();
    link.versionText = kNoDeviceText;
    DWORD deviceCount = 0;
    if (const FT_STATUS st = api.FT_CreateDeviceInfoList(&deviceCount); st != FT_OK) {
        LogStatus(log, st, "FT_CreateDeviceInfoList");
        return;
    }
    if (deviceCount == 0) {
        log.Line(Tr("Link", "Error numDevs = 0"));
        return;
    }
    link.versionText = kNoAnswerText;

    bool inUse = false;
    while (deviceCount != 0) {
        log.Line(Fill(Tr("Link", "Open  numDevs -> %1"), std::to_string(deviceCount)));
        const int index = static_cast<int>(deviceCount) - 1;
        --deviceCount;
        FT_HANDLE h = nullptr;
        if (const FT_STATUS st = api.FT_Open(index, &h); st != FT_OK) {
            log.Line(Tr("Link", "ERROR FT_Open"));
            if (st == FT_DEVICE_IN_USE) {
                log.Line(Tr("Link", kInUseText));
                inUse = true;
            }
            continue;
        }
        link.Adopt(h);
        LogStatus(log, FT_OK, "FT_Open");
        if (DWORD driverVersion = 0; api.FT_GetDriverVersion(h, &driverVersion) == FT_OK)
            log.Line(
                Fill(Tr("Link", "FT_GetDriverVersion OK    (%1)"), std::to_string(driverVersion)));
        else
            LogStatus(log, FT_OTHER_ERROR, "FT_GetDriverVersion");
        LogStatus(log, api.FT_ResetDevice(h), "FT_ResetDevice");
        LogStatus(log, api.FT_SetBaudRate(h, kBaud), "FT_SetBaudRate");
        LogStatus(log, api.FT_SetDataCharacteristics(h, FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_NONE),
                  "FT_SetDataCharacteristics");
        LogStatus(log, api.FT_SetTimeouts(h, 300, 300), "FT_SetTimeouts");

        const std::vector<std::uint8_t> answer = Identify(link, 300);
        log.Line(
            Fill(Tr("Link", "Read answer version bytes -> %1"), std::to_string(answer.size())));
        if (!answer.empty()) {
            link.versionText = FilterAnswer(answer.data(), answer.size());
            log.Line(link.versionText);
            LogStatus(log, api.FT_SetLatencyTimer(h, 2), "FT_SetLatencyTimer");
            if (closeWanted)
                link.Close();
            return;
        }
        // Only the device tried last stays open: the firmware switch calls its bootloader.
        if (closeWanted || deviceCount != 0)
            link.Close();
    }
    log.Line(Tr("Link", "NOT ANSWER "));
    if (inUse)
        link.versionText = kInUseText;
}

int OpenProgrammerLink(ProgrammerLink& link, const LinkVariant& v, const MemoLine& memo,
                       bool quiet) {
    return OpenProgrammerLink(link, v, memo, nullptr, quiet);
}

int OpenProgrammerLink(ProgrammerLink& link, const LinkVariant& v, const MemoLine& memo,
                       const MemoLine& secondMemo, bool quiet) {
    auto say = [&](const std::string& line) {
        if (!v.memoLines)
            return;
        if (memo)
            memo(line);
        if (secondMemo)
            secondMemo(line);
    };
    FtdiApi& api = link.Api();
    link.Close();
    DWORD deviceCount = 0;
    if (api.FT_CreateDeviceInfoList(&deviceCount) != FT_OK) {
        say(Tr("Link", "I can not get a list of VCOM ports"));
        return kNoProgrammer;
    }
    if (deviceCount == 0) {
        say(Tr("Link", "VCOM port is not found on the machine!"));
        return kNoProgrammer;
    }
    if (v.countLine)
        say(Tr("Link", "Number of VCOM ports found on the machine: ") +
            std::to_string(deviceCount));

    bool inUse = false;
    while (deviceCount != 0) {
        const int index = static_cast<int>(deviceCount) - 1;
        --deviceCount;
        FT_HANDLE h = nullptr;
        if (const FT_STATUS st = api.FT_Open(index, &h); st != FT_OK) {
            inUse = inUse || st == FT_DEVICE_IN_USE;
            continue;
        }
        link.Adopt(h);
        api.FT_ResetDevice(h);
        api.FT_SetBaudRate(h, kBaud);
        api.FT_SetDataCharacteristics(h, FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_NONE);
        if (v.latencyBeforeTimeouts)
            api.FT_SetLatencyTimer(h, 2);
        api.FT_SetTimeouts(h, v.readTimeoutMs, v.writeTimeoutMs);

        const std::vector<std::uint8_t> answer = Identify(link, v.readTimeoutMs);
        if (answer.empty()) {
            link.Close();
            continue;
        }
        link.versionText = FilterAnswer(answer.data(), answer.size());
        if (!quiet && v.memoLines) {
            if (memo)
                memo(Tr("Link", v.versionPrefix) + link.versionText);
            if (secondMemo)
                secondMemo(
                    Tr("Link", v.secondVersionPrefix ? v.secondVersionPrefix : v.versionPrefix) +
                    link.versionText);
        }
        const ModeEntry* mode = ModeOfLink(v);
        bool accepted = v.acceptedTags.empty();
        for (const std::string& tag : v.acceptedTags)
            accepted = accepted || link.versionText.find(tag) != std::string::npos;
        // A mode that takes any JIG still needs its own firmware on a PCB2: another mode's
        // would leave every command unanswered.
        if (accepted && mode && v.acceptedTags.empty() && !link.IsPcb3() && mode->pcb2Firmware &&
            link.versionText.find(mode->pcb2Firmware) == std::string::npos)
            accepted = false;
        if (!accepted) {
            say(Tr("Link", "It is necessary to update the firmware programmer!"));
            if (const std::string fix = FirmwareFixLine(v); !fix.empty())
                say(fix);
            link.Close();
            return kProgrammerOutdated;
        }
        if (v.successLine && !quiet)
            say(Tr("Link", "Communication with programmer installed."));
        if (!v.latencyBeforeTimeouts)
            api.FT_SetLatencyTimer(h, 2);
        return kProgrammerAccepted;
    }
    if (inUse) {
        link.versionText = kInUseText;
        say(Tr("Link", kInUseText));
    } else {
        say(Tr("Link", v.notFoundLine));
    }
    return kNoProgrammer;
}

std::string FirmwareFixLine(const LinkVariant& variant) {
    const ModeEntry* mode = ModeOfLink(variant);
    if (!mode)
        return "";
    return Fill(Tr("Link", "The JIG's firmware does not serve this mode: tolvane-jig-cli start "
                           "--mode \"%1\" (or choosing the mode in the main window) loads the "
                           "one it needs."),
                mode->name);
}
