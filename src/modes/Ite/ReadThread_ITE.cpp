#include "modes/Ite/ReadThread_ITE.h"

#include "safety/SafeRead.h"

#include <algorithm>
#include <cstdio>

namespace {
std::string Hex2(std::uint8_t v) {
    char text[4];
    std::snprintf(text, sizeof text, "%02X", static_cast<unsigned>(v));
    return text;
}

// Steps as the wait-failure lines name them.
const IteSource kTestStep{TR_NOOP("Ite", "команда проверки связи"), TR_NOOP("Ite", "test command")};
const IteSource kSetupStep{TR_NOOP("Ite", "вход в режим настроек"), TR_NOOP("Ite", "enter setup")};
const IteSource kEndOfSetupStep{TR_NOOP("Ite", "конец настроек QQQ"),
                                TR_NOOP("Ite", "end of setup QQQ")};
const IteSource kWriteAddressStep{TR_NOOP("Ite", "адрес записи"), TR_NOOP("Ite", "write address")};

IteText AddressStep(int reg) {
    return IteFill({TR_NOOP("Ite", "адресный цикл 0x%1"), TR_NOOP("Ite", "address cycle 0x%1")},
                   Hex2(static_cast<std::uint8_t>(reg)));
}
IteText DataReadStep(int reg) {
    return IteFill(
        {TR_NOOP("Ite", "чтение регистра 0x%1"), TR_NOOP("Ite", "data read of register 0x%1")},
        Hex2(static_cast<std::uint8_t>(reg)));
}
IteText PinStep(const char* code) {
    return IteFill({TR_NOOP("Ite", "назначение вывода %1"), TR_NOOP("Ite", "pin assignment %1")},
                   std::string(code));
}
IteText RowStep(const char* code) {
    return IteFill({TR_NOOP("Ite", "запись регистра %1"), TR_NOOP("Ite", "register write %1")},
                   std::string(code));
}
IteText BlockStep(int number, int of) {
    return IteFill({TR_NOOP("Ite", "блок %1 из %2"), TR_NOOP("Ite", "block %1 of %2")},
                   std::to_string(number), std::to_string(of));
}
} // namespace

Outcome ReadThread_ITE::Check() {
    CheckSteps();
    return end_;
}

Outcome ReadThread_ITE::Setup() {
    SetupSteps();
    return end_;
}

Outcome ReadThread_ITE::Read() {
    ReadSteps();
    return end_;
}

Outcome ReadThread_ITE::Write() {
    WriteSteps();
    return end_;
}

void ReadThread_ITE::SayNoReply(const IteReply& reply, const IteText& step) {
    switch (reply.outcome) {
    case WaitOutcome::Ready:
        return;
    case WaitOutcome::TimedOut:
        return Say(IteTexts::NoAnswer(step));
    case WaitOutcome::Cancelled:
        return Say(IteTexts::WaitCancelled(step));
    case WaitOutcome::DeviceError:
        return Say(IteTexts::JigLost(step));
    }
}

// ---------------------------------------------------------------- check connection

void ReadThread_ITE::CheckSteps() {
    const IteReply test = bus_.Command(IteCommand::Test, 0, s_.bounds.attach);
    if (!test.Is(Ite::kDone))
        return FailCheck("(00)", test, kTestStep);
    std::uint8_t id[3] = {};
    for (int reg = 0; reg < 3; ++reg) {
        const std::string code = "(0" + std::to_string(reg + 1) + ")";
        // Only "e" says that the EC did not answer; any other byte lets the check go on.
        const IteReply address =
            bus_.Command(IteCommand::Address, static_cast<std::uint8_t>(reg), s_.bounds.command);
        if (!address.Arrived() || address.byte == Ite::kNoEc)
            return FailCheck(code, address, AddressStep(reg));
        const IteReply data = bus_.Command(IteCommand::DataRead, 0, s_.bounds.command);
        if (!data.Arrived())
            return FailCheck(code, data, DataReadStep(reg));
        id[reg] = data.byte;
    }
    Say(IteFill(IteTexts::kChipId, Hex2(id[0]) + Hex2(id[1]), Hex2(id[2])));
    s_.chipId = IteChipId{id[0], id[1], id[2]};
    s_.run.Record().SetChipId(Hex2(id[0]) + Hex2(id[1]) + " rev " + Hex2(id[2]));
    bus_.Finish(true, s_.bounds.command);
    Ended(Outcome::Succeeded);
}

void ReadThread_ITE::FailCheck(const std::string& code, const IteReply& reply,
                               const IteText& step) {
    Say(IteTexts::kNotResponding + code);
    SayNoReply(reply, step);
    s_.run.SetFailedStep(code);
    bus_.Finish(false, s_.bounds.command);
    Ended(Outcome::Failed);
}

// ---------------------------------------------------------------- APPLY

void ReadThread_ITE::SetupSteps() {
    IteReply reply = bus_.Command(IteCommand::EnterSetup, 0, s_.bounds.command);
    if (!reply.Is(Ite::kSetupOn))
        return FailSetup(IteTexts::kSetupRefused, reply, kSetupStep);
    for (int box : IteSendOrder()) {
        const IteSignal& signal = IteSignalOfBox(box);
        const std::uint8_t contact =
            IteContactByte(s_.assignment[static_cast<std::size_t>(box - 1)]);
        reply = bus_.Exchange(IteFrames::PinAssignment(signal.code, contact), s_.bounds.command);
        if (!reply.Is(Ite::kAccepted))
            return FailSetup(IteTexts::kPinsRefused, reply, PinStep(signal.code));
    }
    reply = bus_.Exchange(IteFrames::EndOfSetup(), s_.bounds.command);
    if (!reply.Is(Ite::kAccepted))
        return FailSetup(IteTexts::kPinsRefused, reply, kEndOfSetupStep);
    Say(IteTexts::kSettingsSent);
    Ended(Outcome::Succeeded);
}

// The link closes without a finish byte: the JIG keeps or drops the assignment on its own.
void ReadThread_ITE::FailSetup(const IteText& message, const IteReply& reply, const IteText& step) {
    Say(message);
    SayNoReply(reply, step);
    s_.run.SetFailedStep(step.en);
    Ended(Outcome::Failed);
}

// ---------------------------------------------------------------- shared by read and write

bool ReadThread_ITE::EcAnswers(const char* code) {
    const IteReply test = bus_.Command(IteCommand::Test, 0, s_.bounds.attach);
    if (test.Is(Ite::kDone))
        return true;
    Say(IteTexts::kNotResponding + code);
    SayNoReply(test, kTestStep);
    s_.run.SetFailedStep(code);
    return false;
}

bool ReadThread_ITE::RunRows(std::span<const IteStep> rows) {
    for (const IteStep& row : rows) {
        const IteReply reply = bus_.RegisterWrite(row.reg, row.value, s_.bounds.command);
        if (!reply.Is(Ite::kDone)) {
            Say(IteTexts::kNotResponding + row.code);
            SayNoReply(reply, RowStep(row.code));
            s_.run.SetFailedStep(row.code);
            return false;
        }
    }
    return true;
}

bool ReadThread_ITE::StopAsked(const std::string& where) {
    if (!s_.run.Stopping())
        return false;
    if (!stopped_) {
        stopped_ = true;
        SayLine(Tr("Common", kStoppedLine));
        s_.run.SetFailedStep("stopped before " + where);
    }
    return true;
}

// The runner then keeps what a read received aside and says where a write left the chip.
void ReadThread_ITE::EndUntransferred() {
    bus_.Finish(false, s_.bounds.command);
    Ended(FailedOutcome());
}

void ReadThread_ITE::EndTransfer(bool success) {
    // A dump that could not be put in place must not end as a good read.
    if (success && s_.run.Output().IsOpen() && !s_.run.CommitOutput())
        success = false;
    bus_.Finish(success, s_.bounds.command);
    Say(IteTexts::kCurrentTime + IteDateTime());
    Ended(success ? Outcome::Succeeded : FailedOutcome());
}

// ---------------------------------------------------------------- read

void ReadThread_ITE::ReadSteps() {
    if (StopAsked(kTestStep.en) || !EcAnswers("(Rxxx)"))
        return EndUntransferred();
    if (StopAsked("INIT"))
        return EndUntransferred();
    Say(IteTexts::kInit);
    if (!RunRows(IteSteps::Read()))
        return EndUntransferred();
    Say(IteTexts::kInitDone);
    Say(IteTexts::kReading);
    // The image stays in memory only for the safety net's checks.
    const bool keep = s_.run.Safety().active;
    std::vector<std::uint8_t> image;
    const bool read = ReadBlocks([&](const std::uint8_t* data, int) {
        if (!s_.run.WriteOutput(data, Ite::kReadBlock)) {
            Say(IteTexts::FileWriteError(s_.run.FileName(), s_.run.Output().Error()));
            return false;
        }
        if (keep)
            image.insert(image.end(), data, data + Ite::kReadBlock);
        return true;
    });
    if (!read)
        return EndTransfer(false);
    Say(IteTexts::kReadDone);
    const LogLine log = [this](const std::string& line) { SayLine(line); };
    if (s_.run.Safety().readTwice &&
        !ReadAgainAndCompare(
            image, [this](std::vector<std::uint8_t>& again) { return ReadWholeFlash(again); },
            log)) {
        if (s_.run.FailedStep().empty())
            s_.run.SetFailedStep("read twice: the reads differ");
        return EndTransfer(false);
    }
    if (keep)
        LogImageCheck(image, log);
    EndTransfer(true);
}

bool ReadThread_ITE::ReadBlocks(const BlockSink& sink) {
    for (int number = 1; number <= Ite::kReadBlocks; ++number) {
        const IteText step = BlockStep(number, Ite::kReadBlocks);
        if (StopAsked(step.en))
            return false;
        if (!ReadBlock(number, sink)) {
            s_.run.SetFailedStep(step.en);
            return false;
        }
        s_.port.SetGauge(IteGauge::Blocks, number);
    }
    return true;
}

bool ReadThread_ITE::ReadWholeFlash(std::vector<std::uint8_t>& image) {
    image.clear();
    image.reserve(Ite::kFlashSize);
    s_.port.SetGauge(IteGauge::Blocks, 0);
    // The preparation rows start a new fast read from address 0.
    return RunRows(IteSteps::Read()) && ReadBlocks([&image](const std::uint8_t* data, int) {
               image.insert(image.end(), data, data + Ite::kReadBlock);
               return true;
           });
}

bool ReadThread_ITE::ReadBlock(int number, const BlockSink& sink) {
    const IteText step = BlockStep(number, Ite::kReadBlocks);
    const IteText error = IteTexts::kBlockReadError + std::to_string(number);
    Reply r;
    r.outcome = WaitOutcome::DeviceError;
    s_.link.RepliesEndWith(Ite::kDone); // the block, then "o"
    if (s_.link.Send(IteFrames::BlockRead(bus_.Pcb3())))
        r = s_.link.Expect(Ite::kReadReply, s_.bounds.block, step.en);
    if (r.Lost()) {
        Say(error);
        SayNoReply({r.outcome, 0}, step);
        return false;
    }
    if (r.surplus) {
        Say(error);
        Say(IteTexts::TooMuchData(step));
        return false;
    }
    if (r.At(Ite::kReadBlock) != Ite::kDone) {
        Say(error);
        return false;
    }
    return sink(r.bytes.data(), number);
}

// ---------------------------------------------------------------- erase and write

void ReadThread_ITE::WriteSteps() {
    if (StopAsked(kTestStep.en) || !EcAnswers("(Wxxx)"))
        return EndUntransferred();
    if (s_.run.Safety().backup) {
        s_.port.SetGaugeColour(IteGauge::Blocks, Ite::kReadColour);
        if (!s_.run.TakeBackup(
                "", [this](std::vector<std::uint8_t>& image) { return ReadWholeFlash(image); }))
            return EndTransfer(false);
        s_.port.SetGaugeColour(IteGauge::Blocks, Ite::kWriteColour);
        s_.port.SetGauge(IteGauge::Blocks, 0);
    }
    if (StopAsked("INIT"))
        return EndTransfer(false);
    const std::span<const IteStep> rows = IteSteps::Erase();
    Say(IteTexts::kInit);
    if (!RunRows(rows.first(IteSteps::kEraseInitRows)))
        return EndTransfer(false);
    Say(IteTexts::kInitDone);
    // Write enable and the erase opcode first; the chip changes once the command ends.
    const std::size_t enable = IteSteps::kEraseCommandRow - IteSteps::kEraseInitRows;
    if (!RunRows(rows.subspan(IteSteps::kEraseInitRows, enable)))
        return EndTransfer(false);
    s_.run.Record().Started([this](const std::string& line) { SayLine(line); });
    s_.run.Progress().Erasing();
    if (!RunRows(rows.subspan(IteSteps::kEraseCommandRow)))
        return EndTransfer(false);
    Say(IteTexts::kEraseSent);
    Say(IteTexts::kFileLoaded);
    const auto blank = std::count(s_.image.begin(), s_.image.end(), std::uint8_t{0xFF});
    Say(IteTexts::kFfCount + std::to_string(blank));
    Say(IteTexts::kWriting);

    const bool pcb3 = bus_.Pcb3();
    if (pcb3) {
        s_.port.SetGaugeMax(IteGauge::Speed, Ite::kSpeedGaugeMax);
    } else {
        s_.port.SetGauge(IteGauge::Speed, 0);
        s_.port.SetGaugeMax(IteGauge::Speed, Ite::kWriteBlocks);
    }
    // The M88 form does not look at the address's answer, but it must come.
    const IteReply address = bus_.Exchange(IteFrames::SetWriteAddress(pcb3, 0), s_.bounds.command);
    if (!address.Arrived() || (pcb3 && address.byte != Ite::kDone)) {
        Say(IteTexts::kAddressError);
        SayNoReply(address, kWriteAddressStep);
        s_.run.SetFailedStep(kWriteAddressStep.en);
        return EndTransfer(false);
    }
    const std::span<const std::uint8_t> image(s_.image);
    for (int index = 0; index < Ite::kWriteBlocks; ++index) {
        const IteText step = BlockStep(index + 1, Ite::kWriteBlocks);
        if (StopAsked(step.en))
            return EndTransfer(false);
        const auto block =
            image.subspan(static_cast<std::size_t>(index) * Ite::kWriteBlock, Ite::kWriteBlock);
        // The first block waits while the flash finishes its chip erase.
        const Millis bound = index == 0 ? s_.bounds.firstBlock : s_.bounds.block;
        const IteReply ack = bus_.Exchange(IteFrames::BlockWrite(pcb3, block), bound);
        if (index == 0 && ack.Arrived())
            s_.run.Progress().Erased();
        if (!ack.Is(Ite::kDone)) {
            Say(IteTexts::kBlockWriteError);
            SayNoReply(ack, step);
            s_.run.SetFailedStep(step.en);
            return EndTransfer(false);
        }
        const int sent = index + 1;
        s_.run.Progress().Written(sent, Ite::kWriteBlocks);
        s_.run.AddFileBytes(Ite::kWriteBlock);
        s_.port.SetGauge(IteGauge::Speed,
                         pcb3 ? sent * static_cast<int>(Ite::kWriteBlock) / 512 : sent);
    }
    Say(IteTexts::kWriteDone);
    EndTransfer(true);
}
