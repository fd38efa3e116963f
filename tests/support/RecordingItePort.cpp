#include "support/RecordingItePort.h"

void RecordingItePort::Log(IteLanguage language, const std::string& line) {
    (language == IteLanguage::Russian ? russian : english).Log(line);
}

void RecordingItePort::ClearLogs() {
    russian.ClearLog();
    english.ClearLog();
}

void RecordingItePort::SetGauge(IteGauge gauge, int position) {
    (gauge == IteGauge::Blocks ? english : russian).SetGauge(position);
    if (onGauge)
        onGauge(gauge, position);
}

void RecordingItePort::SetGaugeMax(IteGauge gauge, int maximum) {
    (gauge == IteGauge::Blocks ? english : russian).SetGaugeMax(maximum);
}

void RecordingItePort::SetGaugeColour(IteGauge gauge, Rgb colour) {
    (gauge == IteGauge::Blocks ? english : russian).SetGaugeColour(colour);
}

void RecordingItePort::EnableControl(const std::string& name, bool enabled) {
    english.EnableControl(name, enabled);
}

std::optional<std::string> RecordingItePort::AskSaveFile(const FileDialogSpec& spec) {
    return english.AskSaveFile(spec);
}

std::optional<std::string> RecordingItePort::AskOpenFile(const FileDialogSpec& spec) {
    return english.AskOpenFile(spec);
}

bool RecordingItePort::AskYesNo(const std::string& text) {
    return english.AskYesNo(text);
}

void RecordingItePort::ShowMessage(MessageIcon icon, const std::string& text) {
    english.ShowMessage(icon, text);
}
