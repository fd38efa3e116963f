#pragma once
// The technician of the ITE window: two logs (every message in Russian and in English), two
// gauges, the buttons by name and the file dialogs. The window, the CLI and the tests implement
// it; calls may come from the worker and are delivered in order.
#include "modes/Ite/IteTexts.h"
#include "port/OperatorPort.h"

#include <optional>
#include <string>

enum class IteLanguage { Russian, English };

enum class IteGauge {
    Blocks, // ITE_CGauge1: the blocks read
    Speed,  // SPEED_ITE_CGauge: the blocks written
};

class ItePort {
  public:
    virtual ~ItePort() = default;

    // One line to one of the two logs.
    virtual void Log(IteLanguage language, const std::string& line) = 0;
    // One message to both logs, each in its language.
    void Say(const std::string& russian, const std::string& english) {
        Log(IteLanguage::Russian, russian);
        Log(IteLanguage::English, english);
    }
    void Say(const IteText& text) { Say(text.ru, text.en); }
    virtual void ClearLogs() = 0;
    virtual void SetGauge(IteGauge gauge, int position) = 0;
    virtual void SetGaugeMax(IteGauge gauge, int maximum) = 0;
    virtual void SetGaugeColour(IteGauge gauge, Rgb colour) = 0;
    virtual void EnableControl(const std::string& name, bool enabled) = 0;
    virtual std::optional<std::string> AskSaveFile(const FileDialogSpec& spec) = 0;
    virtual std::optional<std::string> AskOpenFile(const FileDialogSpec& spec) = 0;
    virtual bool AskYesNo(const std::string& /*text*/) { return false; }
    // A box the technician must see (the window); elsewhere the log line says it.
    virtual void ShowMessage(MessageIcon /*icon*/, const std::string& /*text*/) {}
    virtual bool ShowsDumps() const { return false; }
    virtual void ShowDump(std::shared_ptr<const DumpPicture> /*picture*/) {}
};
