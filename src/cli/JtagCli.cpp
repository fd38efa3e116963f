#include "cli/JtagCli.h"

#include "cli/CliPort.h"
#include "cli/CliSafety.h"
#include "cli/CliSignals.h"
#include "cli/JtagPhases.h"
#include "cli/TempFile.h"
#include "modes/Nuvoton_jtag_form/JtagFrames.h"
#include "modes/Nuvoton_jtag_form/NuvotonJtagEngine.h"
#include "port/Tr.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <unistd.h>

namespace {
// The technician at a terminal, telling the phase clock about every log line.
class JtagCliPort : public CliPort {
  public:
    explicit JtagCliPort(JtagPhases& phases) : phases_(phases) {}
    void Log(const std::string& line) override {
        phases_.Note(line);
        CliPort::Log(line);
    }

  private:
    JtagPhases& phases_;
};

// Where the window shows its box "connect the power supply", a terminal waits for Enter.
bool PowerPrompt(const CliArgs& args, const FtdiApi& api) {
    if (args.Flag("yes") || !api.IsRealHardware())
        return true;
    std::fprintf(stderr, "%s",
                 Tr("Jtag", "Connect the power supply to the motherboard, then press Enter "
                            "(--yes skips this question): ")
                     .c_str());
    std::fflush(stderr);
    std::string line;
    if (std::getline(std::cin, line))
        return true;
    std::fprintf(stderr, "\n%s\n",
                 Tr("Jtag", "no answer: stopped before the connection check").c_str());
    return false;
}

// Settings, power, identifier and script: the steps before every read or write.
int Prepare(NuvotonJtagEngine& engine, const CliArgs& args, const FtdiApi& api) {
    engine.SendSettings(!args.Flag("reversed"));
    if (!engine.ConnectEnabled())
        return ExitStatusOf(engine.Run().Result());
    if (!PowerPrompt(args, api))
        return kExitFailed;
    if (StopSignal() != 0)
        return kExitFailed;
    engine.CheckConnect();
    engine.WaitForOperation();
    if (StopSignal() != 0)
        return kExitFailed;
    return engine.TransferEnabled() ? kExitOk : ExitStatusOf(engine.Run().Result());
}

// The command that writes the backup back with this command's cable and script.
std::string WriteCommand(const CliArgs& args) {
    std::string command = "jtag write";
    if (args.Flag("reversed"))
        command += " --reversed";
    if (args.Flag("force"))
        command += " --force";
    if (args.values.count("script")) {
        std::string quoted = "'";
        for (char c : args.Value("script"))
            quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
        command += " --script " + quoted + "'";
    }
    return command;
}

std::optional<std::vector<char>> ReadImage(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<char> image(NuvJtag::kFlashSize, static_cast<char>(0xFF));
    in.read(image.data(), static_cast<std::streamsize>(image.size()));
    if (in.bad())
        return std::nullopt;
    return image;
}

// Reads the flash back into a file of its own and compares it with what was written.
int Verify(NuvotonJtagEngine& engine, JtagCliPort& port, const CliArgs& args, const FtdiApi& api,
           const std::string& written) {
    port.Log(Tr("Jtag", "Verify: reading the flash back ..."));
    if (const int status = Prepare(engine, args, api); status != kExitOk)
        return status;
    const TempFile back("tolvane-jtag-verify");
    if (back.Path().empty()) {
        port.Log(Tr("Jtag", "Verify: cannot make a temporary file for the read-back"));
        return kExitFailed;
    }
    // The read-back belongs to the write: no record, no second read of its own.
    engine.Run().SetSafety({});
    engine.ReadFile(back.Path());
    engine.WaitForOperation();
    const int status = ExitStatusOf(engine.Run().Result());
    if (status != kExitOk)
        return status;
    const auto want = ReadImage(written);
    const auto got = ReadImage(back.Path());
    if (!want || !got) {
        port.Log(Tr("Jtag", "Verify: cannot read the files to compare"));
        return kExitFailed;
    }
    const auto diff = std::mismatch(want->begin(), want->end(), got->begin());
    if (diff.first == want->end()) {
        port.Log(Tr("Jtag", "Verify OK: the flash holds ") + written);
        return kExitOk;
    }
    char offset[16], fileByte[4], flashByte[4];
    std::snprintf(offset, sizeof offset, "0x%05zX",
                  static_cast<std::size_t>(diff.first - want->begin()));
    std::snprintf(fileByte, sizeof fileByte, "%02X",
                  static_cast<unsigned>(static_cast<unsigned char>(*diff.first)));
    std::snprintf(flashByte, sizeof flashByte, "%02X",
                  static_cast<unsigned>(static_cast<unsigned char>(*diff.second)));
    port.Log(Fill(Tr("Jtag", "Verify FAILED: the flash differs from the file at offset %1 (file "
                             "%2, flash %3)"),
                  offset, fileByte, flashByte));
    return kExitFailed;
}
} // namespace

int RunJtag(const CliArgs& args, JtagJob job) {
    std::shared_ptr<FtdiApi> api = OpenBackend(args);
    if (!api)
        return kExitUnavailable;
    JtagPhases phases(api);
    JtagCliPort port(phases);
    int status = kExitOk;
    {
        NuvotonJtagEngine engine(api, port);
        StopOnSignal stop([&engine] { engine.Stop(); });
        engine.Run().SetSafety(CliSafety(args));
        if (args.values.count("script"))
            engine.SetScriptPath(args.Value("script"));
        status = Prepare(engine, args, *api);
        if (status == kExitOk && job != JtagJob::Check) {
            if (job == JtagJob::Read)
                engine.ReadFile(args.positional.at(0));
            else
                engine.WriteFile(args.positional.at(0));
            engine.WaitForOperation();
            OperationRunner& run = engine.Run();
            status = ExitStatusOf(run.Result());
            if (job == JtagJob::Write)
                PrintChipState(run.ChipState(), args, WriteCommand(args), run.BackupPath(),
                               run.ChipStateInLog());
            if (status == kExitOk && job == JtagJob::Write && !args.Flag("no-verify")) {
                // Where the good write left the chip: written, not yet read back.
                const std::string written = run.Progress().Line(run.BackupPath());
                const std::string backup = run.BackupPath();
                status = Verify(engine, port, args, *api, args.positional.at(0));
                if (status != kExitOk)
                    PrintChipState(written, args, WriteCommand(args), backup);
            }
        }
    }
    if (args.Flag("stats")) {
        std::printf("--- stats\n");
        phases.Print();
    }
    return status;
}
