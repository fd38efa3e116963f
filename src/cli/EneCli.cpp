#include "cli/EneCli.h"

#include "cli/CliSafety.h"
#include "cli/CliSignals.h"
#include "port/ProgramFolder.h"

#include "modes/Kb901x_form/EneDatabase.h"
#include "port/EightBitText.h"
#include "port/Tr.h"

#include <cstdio>

std::optional<std::string> FindEneMotherboard(const std::string& text, std::string* error) {
    const FileLookup where = LookUpFile(kEneDatabaseFile, LookFirst::WorkingFolder);
    const auto lines = where.found ? LoadEneDatabase(where.found->string())
                                   : std::optional<std::vector<std::string>>();
    // A line matches as the file holds it or as it reads (a Windows-1251 name typed in UTF-8).
    auto equal = [&](const std::string& line) {
        return line == text || EightBitToUtf8(line) == text;
    };
    auto contains = [&](const std::string& line) {
        return !text.empty() && (line.find(text) != std::string::npos ||
                                 EightBitToUtf8(line).find(text) != std::string::npos);
    };
    std::vector<std::string> matches;
    if (lines) {
        for (const std::string& line : *lines)
            if (equal(line))
                return line;
        for (const std::string& line : *lines)
            if (contains(line))
                matches.push_back(line);
    }
    if (matches.size() == 1)
        return matches.front();
    if (matches.size() > 1) {
        *error = Fill(Tr("Ene", "--mb \"%1\" matches several motherboards:"), text);
        for (const std::string& m : matches)
            *error += "\n  " + EightBitToUtf8(m);
        return std::nullopt;
    }
    if (text.find("KS") != std::string::npos)
        return text;
    *error =
        lines ? Fill(Tr("Ene", "no motherboard in \"%1\" matches \"%2\""), kEneDatabaseFile, text)
              : Tr("Ene", kHelpDatabaseMissing) +
                    Fill(Tr("Ene", " (%1; pass the entry itself, e.g. \"MB KSO3=12 KSI4=5 "
                                   "KSI5=6 KSI6=7 KSI7=8\")"),
                         NotFoundLine(kEneDatabaseFile, where));
    return std::nullopt;
}

std::optional<std::string> FindFfcCable(const std::string& text) {
    for (const std::string& item : FfcCableItems())
        if (item == text || item == text + " pin")
            return item;
    return std::nullopt;
}

int ApplyEneCable(Kb901xEngine& engine, const CliArgs& args, OperatorPort& port) {
    const bool hasMb = args.values.count("mb") != 0;
    const bool hasCable = args.values.count("cable") != 0;
    if (hasMb != hasCable) {
        std::fprintf(stderr, "%s\n", Tr("Ene", "--mb and --cable go together").c_str());
        return kExitUsage;
    }
    std::string error;
    const std::optional<std::string> entry = FindEneMotherboard(args.Value("mb"), &error);
    if (!entry) {
        std::fprintf(stderr, "%s\n", error.c_str());
        // A database that is not there is a missing resource, not a mistake in the command.
        return error.rfind(Tr("Ene", kHelpDatabaseMissing), 0) == 0 ? kExitUnavailable : kExitUsage;
    }
    const std::optional<std::string> cable = FindFfcCable(args.Value("cable"));
    if (!cable) {
        std::string items;
        for (const std::string& i : FfcCableItems())
            items += (items.empty() ? "\"" : ", \"") + i + "\"";
        std::fprintf(stderr, "%s\n", Fill(Tr("Ene", "--cable is one of %1"), items).c_str());
        return kExitUsage;
    }
    const bool oneToOne = !args.Flag("mirrored");
    port.Log(EneHelpLabel(*entry, *cable, oneToOne).label);
    engine.ApplyFfcSettings(entry, cable, oneToOne);
    return engine.FfcSettings() ? kExitOk : ExitStatusOf(engine.Run().Result());
}

int RunEneTransfer(const CliArgs& args, bool write) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitUnavailable;
    CliStats stats;
    CliPort port;
    int status = kExitOk;
    {
        Kb901xEngine engine(api, port);
        const OperationRunner& run = engine.Run();
        StopOnSignal stop([&engine] { engine.Stop(); });
        engine.Run().SetSafety(CliSafety(args));
        if (args.values.count("mb") || args.values.count("cable"))
            status = ApplyEneCable(engine, args, port);
        if (status == kExitOk) {
            status = ExitStatusOf(RunToEnd(engine.Run(), [&] {
                if (write)
                    engine.WriteFile(args.positional.at(0));
                else
                    engine.ReadFile(args.positional.at(0));
            }));
            PrintChipState(run.ChipState(), args, "ene write", run.BackupPath(),
                           run.ChipStateInLog());
        }
        if (args.Flag("stats"))
            stats.Print(run.FileBytes(), run.WorkerCpuNanos(), api);
    }
    return status;
}
