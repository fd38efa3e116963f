#include "shell/UpdatePcb3Firmware.h"

#include "link/StandInMarker.h"
#include "link/StartLog.h"
#include "port/TimeText.h"
#include "shell/FirmwareFiles.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace {
constexpr std::size_t kAnswerMin = 7;
// The answer to a '+' sent just before the first answer showed may still sit in the FTDI chip,
// waiting for its latency timer (16 ms): the line must stay this long quiet before 'W'.
constexpr Millis kQuietBeforeFirstBlock{50};

std::string AnswerHex(const std::uint8_t* bytes, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count; ++i) {
        char pair[3];
        std::snprintf(pair, sizeof pair, "%02X", bytes[i]);
        text += pair;
        if (i == 2)
            text += ' ';
    }
    return text;
}

enum class Call { Answered, TimedOut, Stopped };

bool EndsLine(const std::uint8_t* bytes, DWORD count) {
    return count != 0 && bytes[count - 1] == '\n';
}

// Takes the bootloader's answer line whole, wherever the USB packets cut it, and whatever
// else is queued behind it (answers to earlier calls), so that the first 'W' meets an empty
// queue. `have` bytes are in the buffer already; returns the length of the first line, which
// stays at the buffer's start.
DWORD TakeAnswerLine(ProgrammerLink& link, DWORD have) {
    FtdiApi& api = link.Api();
    FT_HANDLE h = link.Handle();
    std::uint8_t* answer = link.Buffer();
    const Deadline deadline = DeadlineIn(WaitBounds::BootloaderReply);
    auto lineLength = [&] {
        const std::uint8_t* lf = std::find(answer, answer + have, '\n');
        return lf == answer + have ? have : static_cast<DWORD>(lf - answer + 1);
    };
    while (lineLength() == have && !EndsLine(answer, have) && have < kPcb3BlockSize) {
        DWORD got = 0;
        if (h->WaitReceived(1, deadline) != WaitOutcome::Ready ||
            api.FT_Read(h, answer + have, 1, &got) != FT_OK || got == 0)
            break;
        have += got;
    }
    const DWORD line = lineLength();
    // Whole further answers are dropped, and those still on their way; one that is cut is
    // waited for to its end.
    bool cut = !EndsLine(answer, have);
    std::uint8_t rest[kPcb3BlockSize];
    for (;;) {
        if (api.FT_GetStatus(h, &link.rxQueue, &link.txQueue, &link.eventWord) != FT_OK)
            break;
        if (link.rxQueue == 0) {
            const Deadline until =
                cut ? deadline : std::min(deadline, DeadlineIn(kQuietBeforeFirstBlock));
            if (h->WaitReceived(1, until) != WaitOutcome::Ready)
                break;
            continue;
        }
        DWORD got = 0;
        const DWORD take = std::min<DWORD>(link.rxQueue, kPcb3BlockSize);
        if (api.FT_Read(h, rest, take, &got) != FT_OK || got == 0)
            break;
        cut = !EndsLine(rest, got);
    }
    return line;
}

// '+' until at least seven bytes are queued that start 'V' ? 'S'; anything else is purged
// and the call goes on.
Call CallBootloader(ProgrammerLink& link, const SwitchTiming& timing, DWORD* answerBytes) {
    FtdiApi& api = link.Api();
    const Deadline deadline = DeadlineIn(timing.pcb3Bootloader);
    for (;;) {
        if (!link.Send({'+'}))
            return Call::Stopped;
        const Deadline next = std::min(deadline, DeadlineIn(timing.callRepeat));
        const WaitOutcome w = link.Handle()->WaitReceived(kAnswerMin, next);
        if (w == WaitOutcome::Cancelled || w == WaitOutcome::DeviceError)
            return Call::Stopped;
        if (api.FT_GetStatus(link.Handle(), &link.rxQueue, &link.txQueue, &link.eventWord) != FT_OK)
            return Call::Stopped;
        if (link.rxQueue >= kAnswerMin) {
            // The transfer buffer holds one block; more queued bytes wait for the purge.
            const DWORD take = std::min<DWORD>(link.rxQueue, kPcb3BlockSize);
            link.transferred = 0;
            api.FT_Read(link.Handle(), link.Buffer(), take, &link.transferred);
            if (link.transferred >= 3 && link.Buffer()[0] == 'V' && link.Buffer()[2] == 'S') {
                *answerBytes = TakeAnswerLine(link, link.transferred);
                return Call::Answered;
            }
            api.FT_Purge(link.Handle(), FT_PURGE_RX | FT_PURGE_TX);
        }
        if (SteadyClock::now() >= deadline)
            return Call::TimedOut;
    }
}

class Pcb3Update {
  public:
    Pcb3Update(ProgrammerLink& link, SwitchPort& port) : link_(link), port_(port) {}

    std::string Run(const SwitchTiming& timing) {
        if (!LoadPackage())
            return "ERROR";
        FtdiApi& api = link_.Api();
        link_.Close();
        if (api.FT_CreateDeviceInfoList(&link_.deviceCount) != FT_OK || link_.deviceCount == 0)
            return "ERROR";
        log_.emplace();
        log_->Line("JIG ver3 start update FW");
        if (link_.deviceCount > 1) {
            log_->Line("JIG ver3 start update FW");
            port_.Memo("Please disconnect other device and replay!");
            return "ERROR";
        }
        FT_HANDLE h = nullptr;
        if (api.FT_Open(0, &h) != FT_OK) {
            Both("ERROR FT_Open != FT_OK");
            return "ERROR";
        }
        link_.Adopt(h);
        port_.Memo("Founded FTDI device, wait answer. (RESET pushed?)");
        api.FT_ResetDevice(h);
        api.FT_SetBaudRate(h, 921600);
        api.FT_SetDataCharacteristics(h, FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_NONE);
        api.FT_SetTimeouts(h, 300, 300);
        port_.StartResetPrompt();

        DWORD answer = 0;
        const Call call = CallBootloader(link_, timing, &answer);
        if (call != Call::Answered) {
            if (call == Call::TimedOut)
                port_.Memo("No answer from the M328 bootloader within " +
                           std::to_string(timing.pcb3Bootloader.count() / 1000) +
                           " s: was the reset button pressed? Update stopped.");
            else
                port_.Memo("PCB3 update stopped while calling the bootloader.");
            log_->Line("ERROR answer bootloader ");
            link_.Close();
            return "ERROR";
        }
        port_.Memo("Readed bytes answer -> " + std::to_string(answer));
        port_.Memo("Readed bytes (hex)  -> " + AnswerHex(link_.Buffer(), answer));
        port_.Memo("Bootloader M328 ANSWER_OK");
        log_->Line("Bootloader answer OK");
        port_.Memo(CurrentTimeLine());
        return SendBlocks();
    }

  private:
    bool LoadPackage() {
        const bool simulatedJig = !link_.Api().IsRealHardware();
        const FirmwareFile file = LocateFirmware(kPcb3PackageFile, simulatedJig);
        std::optional<std::string> bytes;
        if (file.found)
            bytes = ReadFirmwareBytes(file.path, kPcb3PackageLimit);
        if (!bytes) {
            port_.Memo("ERROR open file.");
            if (!file.found)
                port_.Memo(NotFoundLine(kPcb3PackageFile, file));
            return false;
        }
        if (bytes->empty()) {
            port_.Memo("ERROR short file.");
            return false;
        }
        // One block more than the package can fill: a 128 KiB package still ends with the
        // all-0xFF block the transfer sends after the last full one.
        package_.assign(kPcb3PackageLimit + kPcb3BlockSize, 0xFF);
        std::copy(bytes->begin(), bytes->end(), package_.begin());
        length_ = bytes->size();
        port_.Memo("Loaded to buffer bytes (dec): " + std::to_string(length_));
        if (!simulatedJig && CarriesStandInMarker({package_.data(), length_})) {
            port_.Memo("This package is a stand-in made for the simulated JIG; it is not sent to "
                       "a real JIG!");
            return false;
        }
        return true;
    }

    std::string SendBlocks() {
        const FirmwareWritingScope writing(port_);
        int gauge = 0;
        port_.SetGauge(gauge);
        port_.SetGaugeMax(static_cast<int>(length_ / kPcb3BlockSize));
        std::size_t offset = 0;
        do {
            if (!Step({'W'}, 'G', "ERROR protocol! Update stopped.(G)"))
                return "ERROR";
            const std::span<const std::uint8_t> block(package_.data() + offset, kPcb3BlockSize);
            offset += kPcb3BlockSize;
            if (!Step(block, '+', "ERROR protocol! Update stopped.(+)"))
                return "ERROR";
            port_.SetGauge(++gauge);
        } while (offset <= length_);
        link_.Send({'X'});
        // 'X' has no answer: let it leave before the device closes and the next open purges.
        link_.AwaitSent(WaitBounds::CommandReply);
        link_.Close();
        port_.Memo("UPDATE completed successfully.");
        log_->Line("UPDATE FW successfully.");
        return "OK";
    }

    bool Step(std::span<const std::uint8_t> bytes, std::uint8_t expected, const char* failure) {
        link_.Send(bytes);
        const ReplyResult r = link_.AwaitReply(1, WaitBounds::BootloaderReply);
        if (r.Ok() && link_.Buffer()[0] == expected)
            return true;
        Both(failure);
        link_.Close();
        return false;
    }

    bool Step(std::initializer_list<std::uint8_t> bytes, std::uint8_t expected,
              const char* failure) {
        return Step(std::span<const std::uint8_t>(bytes.begin(), bytes.size()), expected, failure);
    }

    void Both(const std::string& line) {
        log_->Line(line);
        port_.Memo(line);
    }

    ProgrammerLink& link_;
    SwitchPort& port_;
    std::vector<std::uint8_t> package_;
    std::size_t length_ = 0;
    std::optional<StartLog> log_;
};
} // namespace

std::string UpdatePcb3Firmware(ProgrammerLink& local, SwitchPort& port,
                               const SwitchTiming& timing) {
    return Pcb3Update(local, port).Run(timing);
}
