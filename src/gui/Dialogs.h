#pragma once
// File dialogs and message boxes for every window. Window tests script the answers so that
// nothing modal opens.
#include "port/OperatorPort.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace Dialogs {

// "Text (*.bin)|*.bin|other|*.*" -> "Text (*.bin);;other (*.*)"
QString QtFilter(const std::string& pairs);

// With a mode, the dialog opens in the folder last used for it and a save proposes a name.
std::optional<std::string> SaveFile(QWidget* parent, const FileDialogSpec& spec,
                                    const std::string& mode = {}, const std::string& chipId = {});
std::optional<std::string> OpenFile(QWidget* parent, const FileDialogSpec& spec,
                                    const std::string& mode = {});
void Message(QWidget* parent, MessageIcon icon, const std::string& text);
bool YesNo(QWidget* parent, const std::string& text);
// A box that does not wait: the caller may close it (it deletes itself once closed). Shown even
// while a script is installed, which records its text.
// Shows a folder in the desktop's file manager, creating it first when missing.
void OpenFolder(const std::string& folder);
QPointer<QMessageBox> Notice(QWidget* parent, MessageIcon icon, const std::string& text);

// While a script is installed, dialogs take their answers from it instead of opening.
struct Script {
    std::deque<std::optional<std::string>> fileAnswers; // empty optional: cancelled
    std::deque<bool> yesNo;
    std::vector<std::string> messages;       // every message box text, in order
    std::vector<FileDialogSpec> fileDialogs; // every file dialog asked for, as it would open
    std::vector<std::string> openedFolders;  // every folder OpenFolder was asked to show
    std::vector<std::string> fileFolders;    // the folder each would open in ("": the default)
};
void InstallScript(Script* script); // nullptr removes it; the UI thread only
Script* InstalledScript();

} // namespace Dialogs
