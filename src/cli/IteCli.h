#pragma once
// What the four "ite" commands share: the wiring options, the terminal as the ITE window's
// technician (one log language), and running an operation to its exit status.
#include "cli/CliCommand.h"
#include "cli/CliPort.h"
#include "modes/Ite/IteEngine.h"

#include <mutex>
#include <optional>
#include <string>

// The log of the chosen language on stdout, both gauges as one progress bar. The engine is
// given its files by name: no dialog is answered.
class IteCliPort : public ItePort {
  public:
    explicit IteCliPort(IteLanguage language) : language_(language) {}

    void Log(IteLanguage language, const std::string& line) override;
    void ClearLogs() override {}
    void SetGauge(IteGauge gauge, int position) override;
    void SetGaugeMax(IteGauge gauge, int maximum) override;
    void SetGaugeColour(IteGauge, Rgb) override {}
    void EnableControl(const std::string&, bool) override {}
    std::optional<std::string> AskSaveFile(const FileDialogSpec&) override { return {}; }
    std::optional<std::string> AskOpenFile(const FileDialogSpec&) override { return {}; }
    // Nobody to ask: no (a blank backup stops the erase unless --force).
    bool AskYesNo(const std::string& text) override;

    IteLanguage Language() const { return language_; }

  private:
    const IteLanguage language_;
    CliPort terminal_;
    std::mutex mutex_;
    int maximum_[2] = {1, 1};
    int shownMaximum_ = 0;
};

// The boxes the options describe: --mb TEXT (the board of "MB connection ITE.txt" named exactly
// TEXT, else the one whose name holds it in any case) or --pins "PD0=7 ... KB_pins=30", mirrored
// with --reversed. Nothing, and why, when they cannot be used.
// `noDatabase`: set when --mb found no database to look in.
std::optional<IteAssignment> IteWiringFromOptions(const CliArgs& args, IteLanguage language,
                                                  std::string* error, bool* noDatabase);

enum class IteOperation { Check, Apply, Read, Write };
// The whole of one "ite" command: the pin assignment first, then the operation.
int RunIteCommand(const CliArgs& args, IteOperation operation);
// "ite boards": the names of the database's motherboards, one a line.
int RunIteBoards(const CliArgs& args);
