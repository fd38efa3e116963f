#include "cli/IteCli.h"

#include "cli/CliSafety.h"
#include "cli/CliSignals.h"
#include "cli/CliStats.h"
#include "cli/IteVerify.h"
#include "modes/Ite/IteDatabase.h"
#include "port/ProgramFolder.h"
#include "port/Tr.h"

#include <cstdio>

void IteCliPort::Log(IteLanguage language, const std::string& line) {
    if (language == language_)
        terminal_.Log(line);
}

void IteCliPort::SetGaugeMax(IteGauge gauge, int maximum) {
    std::lock_guard lock(mutex_);
    maximum_[static_cast<int>(gauge)] = maximum;
}

// Only one gauge moves at a time (the blocks of a read, the blocks of a write): the bar shows
// whichever moved last, on its own scale.
void IteCliPort::SetGauge(IteGauge gauge, int position) {
    int maximum = 0;
    {
        std::lock_guard lock(mutex_);
        maximum = maximum_[static_cast<int>(gauge)];
        if (maximum == shownMaximum_)
            maximum = 0;
        else
            shownMaximum_ = maximum;
    }
    if (maximum > 0)
        terminal_.SetGaugeMax(maximum);
    terminal_.SetGauge(position);
}

bool IteCliPort::AskYesNo(const std::string& text) {
    std::fprintf(stderr, "%s\n", Fill(Tr("Ite", "%1 -> no"), text).c_str());
    return false;
}

namespace {
// The database's lines; nothing, and why, when it cannot be had.
std::optional<std::vector<std::string>> IteDatabaseLines(std::string* error) {
    const FileLookup where = LookUpFile(kIteDatabaseFile, LookFirst::WorkingFolder);
    const auto lines = where.found ? LoadIteDatabase(where.found->string())
                                   : std::optional<std::vector<std::string>>();
    if (!lines)
        *error = Fill(Tr("Ite", "%1 (%2; give the wiring with --pins instead)"),
                      Tr("Ite", kIteDatabaseMissing), NotFoundLine(kIteDatabaseFile, where));
    return lines;
}

std::optional<std::string> FindMotherboard(const std::string& text, std::string* error,
                                           bool* noDatabase) {
    const auto lines = IteDatabaseLines(error);
    if (!lines) {
        *noDatabase = true;
        return std::nullopt;
    }
    const std::vector<std::string> matches = FindIteBoards(*lines, text);
    if (matches.size() == 1)
        return matches.front();
    if (matches.empty()) {
        *error = Fill(Tr("Ite", "no motherboard in \"%1\" matches \"%2\""), kIteDatabaseFile, text);
        return std::nullopt;
    }
    *error = Fill(Tr("Ite", "--mb \"%1\" matches several motherboards:"), text);
    for (const std::string& m : matches)
        *error += "\n  " + m;
    return std::nullopt;
}

const std::string& InLanguage(const IteText& text, IteLanguage language) {
    return language == IteLanguage::Russian ? text.ru : text.en;
}
} // namespace

std::optional<IteAssignment> IteWiringFromOptions(const CliArgs& args, IteLanguage language,
                                                  std::string* error, bool* noDatabase) {
    const bool mb = args.values.count("mb") != 0;
    const bool pins = args.values.count("pins") != 0;
    if (mb == pins) {
        *error =
            Tr("Ite", "give the wiring with one of --mb TEXT or --pins \"PD0=.. ... KSI5=..\"");
        return std::nullopt;
    }
    std::optional<std::string> line = pins ? args.Value("pins") : std::optional<std::string>();
    if (mb)
        line = FindMotherboard(args.Value("mb"), error, noDatabase);
    if (!line)
        return std::nullopt;
    const IteSelection chosen = SelectIteMotherboard(*line, kUnassigned);
    if (!chosen.complete) {
        *error = InLanguage(*chosen.message, language);
        return std::nullopt;
    }
    if (!args.Flag("reversed"))
        return chosen.boxes;
    const IteMirror mirrored = MirrorIteAssignment(*line, chosen.boxes);
    if (mirrored.message) {
        *error = InLanguage(*mirrored.message, language);
        return std::nullopt;
    }
    return mirrored.boxes;
}

int RunIteCommand(const CliArgs& args, IteOperation operation) {
    // The ITE log has its own two languages; the original texts are its English ones.
    const IteLanguage language =
        CurrentLanguage() == Language::Russian ? IteLanguage::Russian : IteLanguage::English;
    std::string error;
    bool noDatabase = false;
    const std::optional<IteAssignment> boxes =
        IteWiringFromOptions(args, language, &error, &noDatabase);
    if (!boxes) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return noDatabase ? kExitUnavailable : kExitUsage;
    }
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitUnavailable;

    CliStats stats;
    IteCliPort port(language);
    std::uint64_t bytes = 0;
    std::int64_t workerCpu = 0;
    int status = kExitOk;
    {
        IteEngine engine(api, port);
        engine.Run().SetSafety(CliSafety(args));
        StopOnSignal stop([&engine] { engine.Stop(); });
        auto run = [&](auto click) -> int {
            if (StopSignal() != 0)
                return kExitFailed;
            const Outcome outcome = RunToEnd(engine.Run(), click);
            bytes += engine.Run().FileBytes();
            workerCpu += engine.Run().WorkerCpuNanos();
            return ExitStatusOf(outcome);
        };
        std::printf("%s\n", IteAssignmentText(*boxes).c_str());
        status = run([&] { engine.ApplyClick(*boxes); });
        if (status == kExitOk && operation != IteOperation::Apply) {
            switch (operation) {
            case IteOperation::Check:
                status = run([&] { engine.CheckClick(); });
                break;
            case IteOperation::Read:
                status = run([&] { engine.ReadFile(args.positional.at(0)); });
                break;
            case IteOperation::Write:
                status = run([&] { engine.WriteFile(args.positional.at(0)); });
                if (!engine.Run().BackupPath().empty()) // the backup read moved the chip too
                    bytes += Ite::kFlashSize;
                PrintChipState(engine.Run().ChipState(), args, IteWriteCommand(args),
                               engine.Run().BackupPath(), engine.Run().ChipStateInLog());
                if (status == kExitOk && !args.Flag("no-verify"))
                    status = VerifyIteWrite(engine, port, args, &bytes, &workerCpu);
                break;
            case IteOperation::Apply:
                break;
            }
        }
    }
    if (args.Flag("stats"))
        stats.Print(bytes, workerCpu, api);
    return status;
}

int RunIteBoards(const CliArgs&) {
    std::string error;
    const auto lines = IteDatabaseLines(&error);
    if (!lines) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return kExitUnavailable;
    }
    for (const std::string& line : *lines)
        if (IsIteBoardLine(line))
            std::printf("%s\n", IteBoardName(line).c_str());
    return kExitOk;
}
