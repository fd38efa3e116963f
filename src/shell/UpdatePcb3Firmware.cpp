#include "shell/UpdatePcb3Firmware.h"

#include "link/ExpectSome.h"
#include "link/StandInMarker.h"
#include "link/StartLog.h"
#include "port/TimeText.h"
#include "port/Tr.h"
#include "shell/FirmwareFiles.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <span>
#include <vector>

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

bool EndsLine(std::span<const std::uint8_t> bytes) {
    return !bytes.empty() && bytes.back() == '\n';
}

// Takes the bootloader's answer line whole, wherever the USB packets cut it, and whatever
// else is queued behind it (answers to earlier calls), so that the first 'W' meets an empty
// queue. `answer` holds what came so far; returns the length of its first line, which stays
// at its start.
std::size_t TakeAnswerLine(ProgrammerLink& link, std::vector<std::uint8_t>& answer) {
    const Deadline deadline = DeadlineIn(WaitBounds::BootloaderReply);
    auto lineLength = [&] {
        const auto lf = std::find(answer.begin(), answer.end(), '\n');
        return static_cast<std::size_t>(lf == answer.end() ? answer.size()
                                                           : lf - answer.begin() + 1);
    };
    while (lineLength() == answer.size() && !EndsLine(answer) && answer.size() < kPcb3BlockSize) {
        const Reply next = ExpectSome(link, 1, deadline);
        if (next.outcome != WaitOutcome::Ready || next.bytes.empty())
            break;
        answer.push_back(next.bytes[0]);
    }
    const std::size_t line = lineLength();
    // Whole further answers are dropped, and those still on their way; one that is cut is
    // waited for to its end.
    bool cut = !EndsLine(answer);
    for (;;) {
        const Deadline until =
            cut ? deadline : std::min(deadline, DeadlineIn(kQuietBeforeFirstBlock));
        const Reply rest = ExpectSome(link, kPcb3BlockSize, until);
        if (rest.outcome != WaitOutcome::Ready || rest.bytes.empty())
            break;
        cut = !EndsLine(rest.bytes);
    }
    return line;
}

// '+' until at least seven bytes are queued that start 'V' ? 'S'; anything else is purged
// and the call goes on. `answer` gets what came, `line` the length of its first line.
Call CallBootloader(ProgrammerLink& link, const SwitchTiming& timing,
                    std::vector<std::uint8_t>* answer, std::size_t* line) {
    FtdiApi& api = link.Api();
    const Deadline deadline = DeadlineIn(timing.pcb3Bootloader);
    for (;;) {
        if (!link.Send({'+'}))
            return Call::Stopped;
        const Deadline next = std::min(deadline, DeadlineIn(timing.callRepeat));
        // One block is taken; more queued bytes wait for the purge.
        Reply r = link.ExpectQueued(kAnswerMin, next, kPcb3BlockSize);
        if (r.outcome == WaitOutcome::Cancelled || r.outcome == WaitOutcome::DeviceError)
            return Call::Stopped;
        if (r.outcome == WaitOutcome::Ready) {
            if (r.Count() >= 3 && r.At(0) == 'V' && r.At(2) == 'S') {
                *answer = std::move(r.bytes);
                *line = TakeAnswerLine(link, *answer);
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
        DWORD deviceCount = 0;
        if (api.FT_CreateDeviceInfoList(&deviceCount) != FT_OK || deviceCount == 0)
            return "ERROR";
        log_.emplace();
        log_->Line(Tr("Link", "JIG ver3 start update FW"));
        if (deviceCount > 1) {
            log_->Line(Tr("Link", "JIG ver3 start update FW"));
            port_.Memo(Tr("Shell", "Please disconnect other device and replay!"));
            return "ERROR";
        }
        FT_HANDLE h = nullptr;
        if (api.FT_Open(0, &h) != FT_OK) {
            Both(Tr("Shell", "ERROR FT_Open != FT_OK"));
            return "ERROR";
        }
        link_.Adopt(h);
        port_.Memo(Tr("Shell", "Founded FTDI device, wait answer. (RESET pushed?)"));
        api.FT_ResetDevice(h);
        api.FT_SetBaudRate(h, 921600);
        api.FT_SetDataCharacteristics(h, FT_BITS_8, FT_STOP_BITS_1, FT_PARITY_NONE);
        api.FT_SetTimeouts(h, 300, 300);
        port_.StartResetPrompt();

        std::vector<std::uint8_t> answer;
        std::size_t line = 0;
        const Call call = CallBootloader(link_, timing, &answer, &line);
        port_.EndResetPrompt();
        if (call != Call::Answered) {
            if (call == Call::TimedOut)
                port_.Memo(Fill(Tr("Shell", "No answer from the M328 bootloader within %1 s: was "
                                            "the reset button pressed? Update stopped."),
                                std::to_string(timing.pcb3Bootloader.count() / 1000)));
            else
                port_.Memo(Tr("Shell", "PCB3 update stopped while calling the bootloader."));
            log_->Line(Tr("Link", "ERROR answer bootloader "));
            link_.Close();
            return "ERROR";
        }
        port_.Memo(Fill(Tr("Shell", "Readed bytes answer -> %1"), std::to_string(line)));
        port_.Memo(Fill(Tr("Shell", "Readed bytes (hex)  -> %1"), AnswerHex(answer.data(), line)));
        port_.Memo(Tr("Shell", "Bootloader M328 ANSWER_OK"));
        log_->Line(Tr("Link", "Bootloader answer OK"));
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
            port_.Memo(Tr("Shell", "ERROR open file."));
            if (!file.found)
                port_.Memo(NotFoundLine(kPcb3PackageFile, file));
            return false;
        }
        if (bytes->empty()) {
            port_.Memo(Tr("Shell", "ERROR short file."));
            return false;
        }
        // One block more than the package can fill: a 128 KiB package still ends with the
        // all-0xFF block the transfer sends after the last full one.
        package_.assign(kPcb3PackageLimit + kPcb3BlockSize, 0xFF);
        std::copy(bytes->begin(), bytes->end(), package_.begin());
        length_ = bytes->size();
        port_.Memo(Fill(Tr("Shell", "Loaded to buffer bytes (dec): %1"), std::to_string(length_)));
        if (!simulatedJig && CarriesStandInMarker({package_.data(), length_})) {
            port_.Memo(Tr("Shell", "This package is a stand-in made for the simulated JIG; it is "
                                   "not sent to a real JIG!"));
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
            if (!Step({'W'}, 'G', TR_NOOP("Shell", "ERROR protocol! Update stopped.(G)")))
                return "ERROR";
            const std::span<const std::uint8_t> block(package_.data() + offset, kPcb3BlockSize);
            offset += kPcb3BlockSize;
            if (!Step(block, '+', TR_NOOP("Shell", "ERROR protocol! Update stopped.(+)")))
                return "ERROR";
            port_.SetGauge(++gauge);
        } while (offset <= length_);
        link_.Send({'X'});
        // 'X' has no answer: let it leave before the device closes and the next open purges.
        link_.AwaitSent(WaitBounds::CommandReply);
        link_.Close();
        port_.Memo(Tr("Shell", "UPDATE completed successfully."));
        log_->Line(Tr("Link", "UPDATE FW successfully."));
        return "OK";
    }

    bool Step(std::span<const std::uint8_t> bytes, std::uint8_t expected, const char* failure) {
        link_.Send(bytes);
        const Reply r = link_.ExpectNext(1, WaitBounds::BootloaderReply);
        if (r.Ok() && r.At(0) == expected)
            return true;
        Both(Tr("Shell", failure));
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
