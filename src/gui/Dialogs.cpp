#include "gui/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

namespace Dialogs {
namespace {
Script* script = nullptr;

std::optional<std::string> Scripted(const FileDialogSpec& spec) {
    script->fileDialogs.push_back(spec);
    if (script->fileAnswers.empty())
        return std::nullopt;
    auto answer = script->fileAnswers.front();
    script->fileAnswers.pop_front();
    return answer;
}

std::optional<std::string> Ask(QWidget* parent, const FileDialogSpec& spec, bool save) {
    if (script)
        return Scripted(spec);
    QFileDialog dialog(parent, QString::fromStdString(spec.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilter(QtFilter(spec.filter));
    if (!spec.defaultExtension.empty())
        dialog.setDefaultSuffix(QString::fromStdString(spec.defaultExtension).remove(0, 1));
    if (!spec.initialName.empty())
        dialog.selectFile(QString::fromStdString(spec.initialName));
    if (!spec.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().front().toStdString();
}
} // namespace

QString QtFilter(const std::string& pairs) {
    const QStringList parts = QString::fromStdString(pairs).split('|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString pattern = QString(parts[i + 1]).replace(';', ' ');
        if (!description.contains('('))
            description += " (" + pattern + ")";
        filters << description;
    }
    return filters.join(";;");
}

std::optional<std::string> SaveFile(QWidget* parent, const FileDialogSpec& spec) {
    return Ask(parent, spec, true);
}

std::optional<std::string> OpenFile(QWidget* parent, const FileDialogSpec& spec) {
    return Ask(parent, spec, false);
}

void Message(QWidget* parent, MessageIcon icon, const std::string& text) {
    if (script) {
        script->messages.push_back(text);
        return;
    }
    const QMessageBox::Icon qtIcon = icon == MessageIcon::Error     ? QMessageBox::Critical
                                     : icon == MessageIcon::Warning ? QMessageBox::Warning
                                                                    : QMessageBox::Information;
    QMessageBox box(qtIcon, QApplication::applicationName(), QString::fromStdString(text),
                    QMessageBox::Ok, parent);
    box.exec();
}

bool YesNo(QWidget* parent, const std::string& text) {
    if (script) {
        script->messages.push_back(text);
        if (script->yesNo.empty())
            return false;
        bool answer = script->yesNo.front();
        script->yesNo.pop_front();
        return answer;
    }
    return QMessageBox::question(parent, QApplication::applicationName(),
                                 QString::fromStdString(text)) == QMessageBox::Yes;
}

void InstallScript(Script* s) {
    script = s;
}
Script* InstalledScript() {
    return script;
}

} // namespace Dialogs
