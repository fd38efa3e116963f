#include "modes/Mec16xx/MecRegisters.h"

#include "link/CommonCommands.h"
#include "link/ExpectSome.h"
#include "modes/Mec16xx/MecTexts.h"
#include "port/Tr.h"

#include <algorithm>
#include <cstdio>

namespace {
constexpr std::size_t kRegReadReply = 5;
constexpr std::size_t kRegWriteReply = 1;
// A register read's value is followed by it too: so it ends every register reply that counts.
constexpr std::uint8_t kRegWriteTook = 0x01;

std::string Hex(std::uint32_t value, int digits) {
    char text[12];
    std::snprintf(text, sizeof text, "%0*X", digits, static_cast<unsigned>(value));
    return text;
}

// 'r' / 'w' and their ASCII arguments, after the mode letter on a PCB3.
std::vector<std::uint8_t> RegisterFrame(const MecState& s, char command, const std::string& args) {
    std::vector<std::uint8_t> frame = s.link.ModeFrame(Mec::kPcb3Prefix, {std::uint8_t(command)});
    frame.insert(frame.end(), args.begin(), args.end());
    return frame;
}

// A reply that comes after its bound would be taken for the next register's, and every value
// after it shifted by one: what arrives within one more bound is dropped.
void DropLateReply(MecState& s, const char* step) {
    const Deadline deadline = DeadlineIn(s.bounds.registerReply);
    std::size_t dropped = 0;
    for (Reply late;
         (late = ExpectSome(s.link, 4096, deadline, step)).outcome == WaitOutcome::Ready;)
        dropped += late.Count();
    if (dropped > 0)
        s.port.Log(Fill(Tr("Common", "A late answer from the JIG was dropped (%1: %2 bytes)"), step,
                        std::to_string(dropped)));
}

// A register's reply, whole and alone, into s.reply; false when it was not.
bool RegisterReply(MecState& s, std::size_t count, const char* step) {
    Reply r = s.link.Expect(count, s.bounds.registerReply, Tr("Mec", step));
    if (r.Ok()) {
        s.reply = std::move(r);
        return true;
    }
    if (r.surplus)
        s.port.Log(r.FailureLine());
    if (r.outcome == WaitOutcome::TimedOut)
        DropLateReply(s, step);
    return false;
}
} // namespace

std::string MecAddressText(std::uint32_t address) {
    return Hex(address & 0xFFFFFF, 6);
}

std::string MecValueDigits(std::uint32_t value) {
    return Hex(value, 8);
}

std::string MecValueText(const std::uint8_t* b) {
    return Hex(static_cast<std::uint32_t>(b[0] << 8 | b[1]), 4) + " " +
           Hex(static_cast<std::uint32_t>(b[2] << 8 | b[3]), 4) + "h";
}

void MecJigLost(MecState& s, const std::string& line, const std::string& step) {
    s.port.Log(line);
    s.Fail(step);
    s.jigLost = true;
}

bool MecCommand(MecState& s, std::string_view name) {
    const CommonCommand* c = FindCommonCommand(name);
    const std::string step = Fill(Tr("Mec", "answer to %1"), name);
    s.link.RepliesEndWith(std::nullopt); // the shared commands' replies are not examined
    if (!c || !s.link.Send(CommonCommandFrame(name, {}, s.link.IsPcb3()))) {
        if (!s.jigLost)
            MecJigLost(s, WaitFailureLine(WaitOutcome::DeviceError, step), step);
        return false;
    }
    if (s.jigLost)
        return false;
    Reply r = s.link.Expect(c->replyBytes, s.bounds.commandReply, step);
    if (!r.Ok()) {
        MecJigLost(s, r.FailureLine(), step);
        return false;
    }
    s.reply = std::move(r);
    return true;
}

void MecResultSignal(MecState& s, std::string_view result) {
    const std::uint8_t signal = result == "OK" ? 'I' : 'O';
    s.link.Send({signal});
    if (!s.link.IsPcb3() || s.jigLost)
        return;
    const std::string step = Fill(Tr("Mec", "answer to %1"), signal == 'I' ? "BUZ_OK" : "BUZ_ER");
    const Reply r = s.link.Expect(1, s.bounds.commandReply, step);
    if (!r.Ok())
        MecJigLost(s, r.FailureLine(), step);
}

std::string MecRegRead(MecState& s, std::uint32_t address) {
    s.link.RepliesEndWith(kRegWriteTook);
    if (s.jigLost || !s.link.Send(RegisterFrame(s, 'r', MecAddressText(address))))
        return Mec::kRegLost;
    if (!RegisterReply(s, kRegReadReply, TR_NOOP("Mec", "register read")))
        return Mec::kRegLost;
    return MecValueText(s.reply.bytes.data());
}

std::string MecRegWrite(MecState& s, std::uint32_t address, std::uint32_t value) {
    s.link.RepliesEndWith(kRegWriteTook);
    if (s.jigLost ||
        !s.link.Send(RegisterFrame(s, 'w', MecAddressText(address) + MecValueDigits(value))))
        return Mec::kRegLost;
    if (!RegisterReply(s, kRegWriteReply, TR_NOOP("Mec", "register write")) ||
        s.reply.At(0) != kRegWriteTook)
        return Mec::kRegLost;
    return Mec::kRegOk;
}

bool MecOpenJtag(MecState& s, IdCountCheck check) {
    if (s.link.IsPcb3()) {
        for (const char* name : {"ALTERA_RESET", "SPI_OFF", "JTAG_RESET", "ID_READ"})
            if (!MecCommand(s, name))
                return false;
    } else {
        if (!MecCommand(s, "JTAG_RESET"))
            return false;
        s.port.Log(Tr("Mec", "получили ответ после команды 1"));
        if (!MecCommand(s, "ID_READ")) {
            if (check == IdCountCheck::Report)
                s.port.Log(Tr("Mec", "ID готово 4 байта но сняли меньше ОШИБКА"));
            return false;
        }
    }
    for (std::size_t i = 0; i < s.id.size(); ++i)
        s.id[i] = s.reply.At(i);
    return true;
}

void MecReleaseJtag(MecState& s) {
    if (s.link.IsPcb3()) {
        MecCommand(s, "JTAG_RESET");
        MecCommand(s, "SPI_ON");
    } else {
        s.link.Send({'0'});
    }
}

void MecGiveBackLines(MecState& s) {
    if (s.link.IsPcb3())
        MecCommand(s, "SPI_ON");
    else
        s.link.Send({'0'});
}

bool MecIdIsBlank(const MecState& s) {
    return std::all_of(s.id.begin(), s.id.end(), [](std::uint8_t b) { return b == 0xFF; }) ||
           std::all_of(s.id.begin(), s.id.end(), [](std::uint8_t b) { return b == 0x00; });
}

void MecStartRead(MecState& s, std::uint32_t address) {
    s.link.RepliesEndWith(Mec::kBlockGood); // each frame's status byte
    s.link.Send(RegisterFrame(s, 'R', MecAddressText(address)));
}

void MecStartWrite(MecState& s) {
    // Each block's 'G'; the request byte before a block has no fixed value and waits for the
    // latency timer.
    s.link.RepliesEndWith(Mec::kBlockProgrammed);
    s.link.Send(s.link.ModeFrame(Mec::kPcb3Prefix, {'W'}));
}

bool MecEndStreamAccess(MecState& s, const std::array<const char*, 3>& failureLines) {
    struct Step {
        std::uint32_t address, value;
        const char* line;
    };
    const Step steps[3] = {
        {Mec::kRegMode, Mec::kModeEnd, TR_NOOP("Mec", "Write to reg FF3908h 100h")},
        {Mec::kRegMode, Mec::kModeIdle, TR_NOOP("Mec", "Write to reg FF3908h 0")},
        {Mec::kRegAccess, 0, TR_NOOP("Mec", "Write to reg FF3910h 0")}};
    bool all = true;
    for (std::size_t i = 0; i < 3; ++i) {
        const bool took = MecRegWrite(s, steps[i].address, steps[i].value) != Mec::kRegLost;
        s.port.Log(Tr("Mec", took ? steps[i].line : failureLines[i]));
        all = all && took;
    }
    return all;
}

bool MecShowProtection(MecState& s, std::uint8_t status, ProtectionTexts texts) {
    const bool check = texts == ProtectionTexts::Check;
    const bool fwp = (status & Mec::kStatusFwp) != 0;
    const bool bootLock = (status & Mec::kStatusBootLock) != 0;
    if (fwp)
        s.port.Log(Tr("Mec", check ? TR_NOOP("Mec", "--> FW write protect! (FWP ножка)")
                                   : TR_NOOP("Mec", "--> СТОИТ ЗАЩИТА ЗАПИСИ ! (FWP ножка)")));
    else
        s.port.Log(Tr("Mec", check
                                 ? TR_NOOP("Mec", "--> Erase and Write allowed (FWP pin).")
                                 : TR_NOOP("Mec", "--> Стирание и запись разрешена (FWP ножка)")));
    s.SetIndicator(MecIndicator::Fwp, fwp ? Mec::kRed : Mec::kLime);
    if (bootLock)
        s.port.Log(
            Tr("Mec", check ? TR_NOOP("Mec", "--> Boot_Lock! (защита загрузочного блока)")
                            : TR_NOOP("Mec", "--> Стоит Boot_Lock ! (защита загрузочного блока)")));
    else
        s.port.Log(Tr(
            "Mec", check ? TR_NOOP("Mec", "--> Erase and Write boot allowed.")
                         : TR_NOOP("Mec", "--> Стирание и запись загрузочного блока разрешена")));
    s.SetIndicator(MecIndicator::BootLock, bootLock ? Mec::kRed : Mec::kLime);
    return fwp || bootLock;
}
