#include "modes/Mec16xx/ReadThread_MEC16.h"

#include "modes/Mec16xx/MecRegisters.h"
#include "modes/Mec16xx/MecTexts.h"
#include "port/ThreadCpu.h"

#include <algorithm>
#include <array>

void ReadThread_MEC16::Execute() {
    if (s_.state.Get() == "WRITE_MAIN" && s_.safety.backup && !BackupAndStartWrite())
        return;
    for (bool running = true; running;) {
        const std::string state = s_.state.Get();
        if (state == "READ_MAIN")
            running = MainStep();
        else if (state == "READ_INFO")
            running = InfoStep();
        else if (state == "WRITE_MAIN")
            running = WriteStep();
        else if (state == "ERASE")
            running = Erase();
        else
            running = false;
    }
}

void ReadThread_MEC16::Send(std::initializer_list<std::uint8_t> bytes) {
    s_.link.Send(bytes);
}

// Closes the link and the file and hands the window back, the state last.
void ReadThread_MEC16::Release(MecOutcome outcome, const std::string& step) {
    s_.link.Close();
    KeepPartial();
    s_.workerCpuNanos = ThreadCpuNanos();
    s_.Finish(outcome, step);
}

// ---------------------------------------------------------------- read

bool ReadThread_MEC16::AwaitBlock(const std::string& step) {
    const ReplyResult r =
        s_.link.ReadExactly(s_.block.data(), s_.block.size(), s_.bounds.dataBlock);
    if (r.Ok())
        return true;
    MecJigLost(s_, r.outcome, step);
    return false;
}

bool ReadThread_MEC16::SaveBlock() {
    if (!s_.output.Write(s_.block.data(), Mec::kReadBlockBytes))
        return false;
    s_.fileBytes += Mec::kReadBlockBytes;
    if (s_.safety.active)
        s_.image.insert(s_.image.end(), s_.block.begin(), s_.block.begin() + Mec::kReadBlockBytes);
    return true;
}

bool ReadThread_MEC16::MainStep() {
    const int block = s_.blockCounter;
    const bool mainOnly = s_.blockMode == Mec::kMainOnly;
    if (!AwaitBlock(Mec::BlockStep("MAIN block", block, Mec::kMainReadBlocks)))
        return EndReadFailure("Lost communication with MEC (P103).", "P103", true);
    if (!SaveBlock())
        return EndFileError();
    s_.port.SetGauge((Mec::kMainReadBlocks / Mec::kMainReadBlocks) * block);

    if (s_.StopRequested())
        return EndReadStopped();
    if (s_.block[Mec::kReadBlockBytes] != Mec::kBlockGood)
        return EndReadFailure("Lost communication with MEC (P103).", "P103", true);
    if (block != Mec::kMainReadBlocks) {
        Send({'N'});
        ++s_.blockCounter;
        return true;
    }

    Send({'X'});
    Log("Read FLASH complete.");
    if (mainOnly) {
        MecEndStreamAccess(s_, {"Потеряна связь с MEC16 (P104).", "Потеряна связь с MEC16 (P105).",
                                "Потеряна связь с MEC16 (P106)"});
        if (!CheckRead(false) || !CommitDump())
            return false;
        MecResultSignal(s_, "OK");
        MecReleaseJtag(s_);
        return EndRead(MecOutcome::Succeeded);
    }
    s_.state.Set("READ_INFO");
    s_.blockCounter = 1;
    Log(MecRegWrite(s_, Mec::kRegMode, Mec::kModeEnd) != Mec::kRegLost
            ? "Write to reg FF3908h 100h"
            : "Потеряна связь с MEC16 (P107).");
    Log("Read INFO ...");
    Log(MecRegWrite(s_, Mec::kRegMode, Mec::kModeRead) != Mec::kRegLost
            ? "Write to reg FF3908h 105h"
            : "Потеряна связь с MEC16 (P108).");
    MecStartRead(s_, Mec::kInfoAddress);
    return true;
}

bool ReadThread_MEC16::InfoStep() {
    const int block = s_.blockCounter;
    if (!AwaitBlock(Mec::BlockStep("INFO block", block, Mec::kInfoReadBlocks)))
        return EndReadFailure("Lost communication with MEC (P109).", "P109", false);
    if (!SaveBlock())
        return EndFileError();
    if (s_.StopRequested())
        return EndReadStopped();
    if (s_.block[Mec::kReadBlockBytes] != Mec::kBlockGood)
        return EndReadFailure("Lost communication with MEC (P109).", "P109", false);
    if (block != Mec::kInfoReadBlocks) {
        Send({'N'});
        ++s_.blockCounter;
        return true;
    }
    Send({'X'});
    Log("Read INFO complete.");
    MecEndStreamAccess(s_, {"Потеряна связь с MEC16 (P110).", "Потеряна связь с MEC16 (P111).",
                            "Потеряна связь с MEC16 (P112)"});
    if (!CheckRead(true) || !CommitDump())
        return false;
    MecResultSignal(s_, "OK");
    MecReleaseJtag(s_);
    return EndRead(MecOutcome::Succeeded);
}

// The stream is stopped, the JTAG connection released (before or after the line, as each
// path of the protocol has it) and the JIG told.
bool ReadThread_MEC16::EndReadFailure(const char* line, const std::string& step,
                                      bool releaseFirst) {
    Send({'X'});
    if (releaseFirst)
        MecReleaseJtag(s_);
    Log(line);
    MecResultSignal(s_, "ERROR");
    if (!releaseFirst)
        MecReleaseJtag(s_);
    return EndRead(MecOutcome::Failed, step);
}

// STOP: the stream ends after the block just saved, as the JIG expects between blocks.
bool ReadThread_MEC16::EndReadStopped() {
    Send({'X'});
    Log("User break read ...");
    Log(kStoppedLine);
    MecEndStreamAccess(s_, {"Потеряна связь с MEC16 (P100).", "Потеряна связь с MEC16 (P101).",
                            "Потеряна связь с MEC16 (P102)"});
    MecReleaseJtag(s_);
    MecResultSignal(s_, "ERROR");
    return EndRead(MecOutcome::Stopped, "User break");
}

// A file that did not take the data must never end as a good read.
bool ReadThread_MEC16::EndFileError() {
    Send({'X'});
    MecReleaseJtag(s_);
    Log("Error writing the file " + s_.fileName + ": " + s_.output.Error());
    MecResultSignal(s_, "ERROR");
    return EndRead(MecOutcome::Failed, "file");
}

// The whole read (and its second read) is good: only now does the dump take the name.
bool ReadThread_MEC16::CommitDump() {
    if (s_.output.Commit())
        return true;
    Log("Error writing the file " + s_.fileName + ": " + s_.output.Error());
    MecResultSignal(s_, "ERROR");
    MecReleaseJtag(s_);
    EndRead(MecOutcome::Failed, "file");
    return false;
}

void ReadThread_MEC16::KeepPartial() {
    if (!s_.output.IsOpen())
        return;
    const std::string line = s_.output.Abandon();
    if (!line.empty())
        Log(line);
}

bool ReadThread_MEC16::EndRead(MecOutcome outcome, const std::string& step) {
    Log("Close VCOM port");
    s_.link.Close();
    KeepPartial();
    Log(Mec::TimeLine(Mec::kTimeEnglish));
    Log("");
    Release(outcome, step);
    return false;
}

// ---------------------------------------------------------------- write

std::optional<std::uint8_t> ReadThread_MEC16::AwaitWriteByte(const std::string& step) {
    const ReplyResult r = s_.link.AwaitReply(1, s_.bounds.dataBlock);
    if (r.Ok())
        return s_.link.Buffer()[0];
    MecJigLost(s_, r.outcome, step);
    return std::nullopt;
}

bool ReadThread_MEC16::WriteStep() {
    const int block = s_.blockCounter;
    if (!AwaitWriteByte(Mec::BlockStep("request for block", block, Mec::kWriteBlocks)))
        return EndWriteBroken("W103");

    // The image was read whole and padded before the chip was touched; a short file still ends
    // the stream after the block that holds its last byte.
    std::array<std::uint8_t, Mec::kWriteBlockBytes> data;
    const std::size_t at = static_cast<std::size_t>(block - 1) * data.size();
    std::copy_n(s_.toWrite.begin() + static_cast<std::ptrdiff_t>(at), data.size(), data.begin());
    const std::size_t got =
        std::min(data.size(), s_.toWriteFileBytes > at ? s_.toWriteFileBytes - at : 0);
    const std::string ackStep = Mec::BlockStep("answer to block", block, Mec::kWriteBlocks);

    if (got < data.size()) {
        Log("-> Предупреждение!");
        Log("-> Записываемый файл короче!");
        s_.link.Send(data);
        s_.fileBytes += got;
        const std::optional<std::uint8_t> ack = AwaitWriteByte(ackStep);
        // A last block that did not take is a failed write, never a good one.
        const bool good = ack == Mec::kBlockProgrammed;
        if (good)
            s_.progress.AllWritten();
        else
            Log("Потеряна связь с MEC16 (W102)");
        s_.SayChipState(good ? MecOutcome::Succeeded : MecOutcome::Failed);
        Send({'X'});
        MecEndStreamAccess(s_, {"Потеряна связь с MEC16 (W104).", "Потеряна связь с MEC16 (W105).",
                                "Потеряна связь с MEC16 (W106)"});
        if (s_.link.IsPcb3())
            MecCommand(s_, "SPI_ON");
        MecResultSignal(s_, good ? "OK" : "ERROR");
        s_.link.Close();
        Log(Mec::TimeLine(Mec::kTimeEnglish));
        Log("");
        Release(good ? MecOutcome::Succeeded : MecOutcome::Failed, "W102");
        return false;
    }

    s_.link.Send(data);
    s_.fileBytes += data.size();
    s_.port.SetGauge((Mec::kWriteBlocks / Mec::kWriteBlocks) * block);
    if (AwaitWriteByte(ackStep) != Mec::kBlockProgrammed)
        return EndWriteBroken("W103");
    s_.progress.Written(block, Mec::kWriteBlocks);
    if (block != Mec::kWriteBlocks && s_.StopRequested())
        return EndWriteStopped();
    if (block != Mec::kWriteBlocks) {
        ++s_.blockCounter;
        Send({'N'});
        return true;
    }
    s_.progress.AllWritten();
    Send({'X'});
    Log("Write FLASH complete.");
    MecEndStreamAccess(s_, {"Потеряна связь с MEC16 (W104).", "Потеряна связь с MEC16 (W105).",
                            "Потеряна связь с MEC16 (W106)"});
    MecResultSignal(s_, "OK");
    MecReleaseJtag(s_);
    Log("Close VCOM port");
    s_.link.Close();
    Log(Mec::TimeLine(Mec::kTimeEnglish));
    Log("");
    Release(MecOutcome::Succeeded, "");
    return false;
}

// STOP between blocks: 'X' instead of 'N' ends the stream as after its last block, and the
// controller is set back so that the JIG and the chip take the next command.
bool ReadThread_MEC16::EndWriteStopped() {
    Send({'X'});
    Log(kStoppedLine);
    s_.SayChipState(MecOutcome::Stopped);
    MecEndStreamAccess(s_, {"Потеряна связь с MEC16 (W104).", "Потеряна связь с MEC16 (W105).",
                            "Потеряна связь с MEC16 (W106)"});
    MecResultSignal(s_, "ERROR");
    MecReleaseJtag(s_);
    Log("Close VCOM port");
    s_.link.Close();
    Log(Mec::TimeLine(Mec::kTimeEnglish));
    Log("");
    Release(MecOutcome::Stopped, "User break");
    return false;
}

// A block the chip did not take: the stream stops without the end writes.
bool ReadThread_MEC16::EndWriteBroken(const std::string& step) {
    if (step == "W103")
        Log("Потеряна связь с MEC16 (W103)");
    s_.SayChipState(MecOutcome::Failed);
    Send({'X'});
    if (s_.link.IsPcb3())
        MecCommand(s_, "SPI_ON");
    MecResultSignal(s_, "ERROR");
    s_.link.Close();
    Log(Mec::TimeLine(Mec::kTimeEnglish));
    Log("");
    Release(MecOutcome::Failed, step);
    return false;
}
