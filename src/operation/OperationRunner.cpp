#include "operation/OperationRunner.h"

#include "port/FileBytes.h"
#include "port/RegularFile.h"
#include "port/ThreadCpu.h"
#include "safety/DumpMap.h"
#include "safety/SafeRead.h"

OperationRunner::OperationRunner(ProgrammerLink& link, OperatorPort& port, RunnerSetup setup)
    : link_(link), port_(port), setup_(std::move(setup)) {}

OperationRunner::~OperationRunner() {
    stop_.store(true);
    link_.Cancel();
    worker_.Join();
}

bool OperationRunner::Simulated() const {
    return link_.SharedApi() && !link_.SharedApi()->IsRealHardware();
}

std::string OperationRunner::State() const {
    const Activity now = activity_.load();
    if (now == Activity::Idle || !setup_.stateName)
        return "NONE";
    return setup_.stateName(now);
}

std::string OperationRunner::FailedStep() const {
    std::lock_guard lock(stepMutex_);
    return failedStep_;
}

void OperationRunner::SetFailedStep(std::string step) {
    std::lock_guard lock(stepMutex_);
    failedStep_ = std::move(step);
}

void OperationRunner::SetSafety(const SafetyOptions& safety) {
    if (Idle())
        safety_ = safety;
}

bool OperationRunner::Begin(const std::string& operation, bool changesChip) {
    if (busy_.exchange(true))
        return false;
    worker_.Join();
    outcome_.store(Outcome::None);
    stop_.store(false);
    SetFailedStep("");
    progress_.Reset();
    changesChip_ = changesChip;
    fileName_.clear();
    backupPath_.clear();
    chipState_.clear();
    chipStateInLog_ = false;
    fileBytes_ = 0;
    workerCpuNanos_ = 0;
    committed_ = false;
    verifying_ = false;
    verifyImage_.clear();
    readBack_.clear();
    record_.Begin(safety_.active && !operation.empty(), setup_.mode, operation, Simulated());
    return true;
}

void OperationRunner::EndEarly(Outcome outcome, const std::string& step) {
    link_.Close();
    if (output_.IsOpen())
        output_.Abandon();
    SetFailedStep(step);
    // Said by the caller where it wants it (the command line), not in the log.
    if (changesChip_ && outcome != Outcome::Succeeded && outcome != Outcome::NoJig)
        chipState_ = progress_.Line(backupPath_);
    outcome_.store(outcome);
    record_.End(JournalResult(outcome), step, [this](const std::string& line) { Log(line); });
    busy_.store(false);
}

void OperationRunner::StartWorker(Activity activity, std::function<Outcome()> body) {
    activity_.store(activity);
    worker_.Start([this, body = std::move(body)] { End(body(), true); });
}

void OperationRunner::RunHere(Activity activity, const std::function<Outcome()>& body) {
    activity_.store(activity);
    End(body(), false);
}

bool OperationRunner::CreateOutput(const std::string& target) {
    if (output_.Create(target)) {
        fileName_ = target;
        return true;
    }
    Log(target + ": " + output_.Error());
    return false;
}

bool OperationRunner::WriteOutput(const void* data, std::size_t size) {
    if (!output_.Write(data, size))
        return false;
    fileBytes_ += size;
    return true;
}

bool OperationRunner::CommitOutput() {
    if (output_.Commit()) {
        record_.SetFile(fileName_);
        committed_ = true;
        return true;
    }
    SetFailedStep("saving the file");
    Log(fileName_ + ": " + output_.Error());
    return false;
}

bool OperationRunner::TakeBackup(const std::string& chipId,
                                 const std::function<bool(std::vector<std::uint8_t>&)>& read) {
    // A backup of a simulated chip must never pass for a customer's firmware.
    const std::optional<std::filesystem::path> saved = ::TakeBackup(
        Simulated() ? setup_.mode + " SIMULATED" : setup_.mode, chipId, read,
        [this](const std::string& line) { Log(line); }, safety_,
        [this](const std::string& question) { return port_.AskYesNo(question); });
    if (!saved) {
        const std::string step = FailedStep();
        SetFailedStep("backup: " + (step.empty() ? std::string("saving") : step));
        return false;
    }
    backupPath_ = saved->string();
    record_.SetBackup(backupPath_);
    return true;
}

void OperationRunner::SetFile(const std::string& path, std::uint64_t bytes) {
    fileName_ = path;
    fileBytes_ = bytes;
    record_.SetFile(path);
}

void OperationRunner::StartVerify(std::span<const std::uint8_t> image) {
    verifying_ = port_.ShowsDumps();
    readBack_.clear();
    if (verifying_)
        verifyImage_.assign(image.begin(), image.end());
}

void OperationRunner::VerifiedBytes(std::span<const std::uint8_t> bytes) {
    if (verifying_)
        readBack_.insert(readBack_.end(), bytes.begin(), bytes.end());
}

void OperationRunner::ShowDump(Outcome outcome) {
    auto picture = std::make_shared<DumpPicture>();
    picture->file = fileName_;
    if (verifying_) {
        picture->image = std::move(verifyImage_);
        picture->readBack = std::move(readBack_);
        picture->map =
            MapAgainst(picture->image, picture->readBack, DefaultBlockSize(picture->image.size()),
                       picture->readBack.size());
    } else if (committed_ && outcome == Outcome::Succeeded && port_.ShowsDumps() &&
               RegularFileProblem(fileName_, kLargestFileToRead).empty()) {
        const std::optional<std::string> bytes = ReadFileBytes(fileName_);
        if (!bytes)
            return;
        picture->image.assign(bytes->begin(), bytes->end());
        picture->map = MapImage(picture->image, DefaultBlockSize(picture->image.size()));
    } else {
        return;
    }
    verifying_ = false;
    port_.ShowDump(std::move(picture));
}

void OperationRunner::End(Outcome outcome, bool onWorker) {
    link_.Close();
    if (output_.IsOpen()) {
        const std::string kept = output_.Abandon();
        if (!kept.empty()) {
            Log(kept);
            record_.SetFile(PartialPath(fileName_).string());
        }
    }
    if (changesChip_ && outcome != Outcome::Succeeded && outcome != Outcome::NoJig) {
        chipState_ = progress_.Line(backupPath_);
        Log(chipState_);
        chipStateInLog_ = true;
    }
    outcome_.store(outcome);
    record_.End(JournalResult(outcome), FailedStep(),
                [this](const std::string& line) { Log(line); });
    workerCpuNanos_ = onWorker ? ThreadCpuNanos() : 0;
    ShowDump(outcome);
    stop_.store(false); // a stop asked for at the very end is spent with it
    activity_.store(Activity::Idle);
    busy_.store(false);
    for (const std::string& control : setup_.controls)
        port_.EnableControl(control, true);
    if (onEnd_)
        onEnd_(outcome, chipState_);
}
