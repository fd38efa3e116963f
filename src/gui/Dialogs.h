#pragma once
// File dialogs and message boxes for every window. Window tests script the answers so that
// nothing modal opens.
#include "port/OperatorPort.h"

#include <QString>
#include <QWidget>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace Dialogs {

// "Text (*.bin)|*.bin|other|*.*" -> "Text (*.bin);;other (*.*)"
QString QtFilter(const std::string& pairs);

std::optional<std::string> SaveFile(QWidget* parent, const FileDialogSpec& spec);
std::optional<std::string> OpenFile(QWidget* parent, const FileDialogSpec& spec);
void Message(QWidget* parent, MessageIcon icon, const std::string& text);
bool YesNo(QWidget* parent, const std::string& text);

// While a script is installed, dialogs take their answers from it instead of opening.
struct Script {
    std::deque<std::optional<std::string>> fileAnswers; // empty optional: cancelled
    std::deque<bool> yesNo;
    std::vector<std::string> messages;       // every message box text, in order
    std::vector<FileDialogSpec> fileDialogs; // every file dialog asked for
};
void InstallScript(Script* script); // nullptr removes it; the UI thread only
Script* InstalledScript();

} // namespace Dialogs
