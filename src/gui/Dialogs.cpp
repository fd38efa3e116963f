#include "gui/Dialogs.h"

#include "gui/FileMemory.h"

#include "port/UserFolders.h"
#include <QApplication>

#include <QDateTime>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

namespace Dialogs {
namespace {
Script* script = nullptr;

std::optional<std::string> Scripted(const FileDialogSpec& spec, const QString& folder) {
    script->fileDialogs.push_back(spec);
    script->fileFolders.push_back(folder.toStdString());
    if (script->fileAnswers.empty())
        return std::nullopt;
    auto answer = script->fileAnswers.front();
    script->fileAnswers.pop_front();
    return answer;
}

std::optional<std::string> AskQt(QWidget* parent, const FileDialogSpec& spec, const QString& folder,
                                 bool save) {
    QFileDialog dialog(parent, QString::fromStdString(spec.title));
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
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

// For a save without a name of its own a proposed one: "Noname" or a bare prefix ("NPCE_")
// says nothing of the dump.
FileDialogSpec ForMode(FileDialogSpec spec, const std::string& mode, const std::string& chipId,
                       bool save) {
    if (!mode.empty() && save && spec.initialName.find('.') == std::string::npos)
        spec.initialName =
            FileMemory::ProposedName(mode, chipId, QDateTime::currentDateTime(), spec)
                .toStdString();
    return spec;
}

std::optional<std::string> Ask(QWidget* parent, const FileDialogSpec& asked, bool save,
                               const std::string& mode, const std::string& chipId = {}) {
    const FileDialogSpec spec = ForMode(asked, mode, chipId, save);
    const QString folder = mode.empty() ? QString() : FileMemory::LastFolder(mode);
    const std::optional<std::string> chosen =
        script ? Scripted(spec, folder) : AskQt(parent, spec, folder, save);
    if (chosen)
        FileMemory::Remember(mode, *chosen);
    return chosen;
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

std::optional<std::string> SaveFile(QWidget* parent, const FileDialogSpec& spec,
                                    const std::string& mode, const std::string& chipId) {
    return Ask(parent, spec, true, mode, chipId);
}

std::optional<std::string> OpenFile(QWidget* parent, const FileDialogSpec& spec,
                                    const std::string& mode) {
    return Ask(parent, spec, false, mode);
}

namespace {
QMessageBox::Icon QtIcon(MessageIcon icon) {
    return icon == MessageIcon::Error     ? QMessageBox::Critical
           : icon == MessageIcon::Warning ? QMessageBox::Warning
                                          : QMessageBox::Information;
}

// A plain dialog: a title and a close button, none of a main window's buttons.
void MakePlain(QMessageBox& box) {
    box.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowCloseButtonHint);
}
} // namespace

void Message(QWidget* parent, MessageIcon icon, const std::string& text) {
    if (script) {
        script->messages.push_back(text);
        return;
    }
    QMessageBox box(QtIcon(icon), QApplication::applicationName(), QString::fromStdString(text),
                    QMessageBox::Ok, parent);
    MakePlain(box);
    box.exec();
}

void OpenFolder(const std::string& folder) {
    MakeWritableFolder(folder);
    if (script) {
        script->openedFolders.push_back(folder);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder)));
}

QPointer<QMessageBox> Notice(QWidget* parent, MessageIcon icon, const std::string& text) {
    if (script)
        script->messages.push_back(text);
    auto* box = new QMessageBox(QtIcon(icon), QApplication::applicationName(),
                                QString::fromStdString(text), QMessageBox::Ok, parent);
    MakePlain(*box);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
    return box;
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
    QMessageBox box(QMessageBox::Question, QApplication::applicationName(),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, parent);
    MakePlain(box);
    // Enter answers no: a stop or an overwrite is never the default.
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

void InstallScript(Script* s) {
    script = s;
}
Script* InstalledScript() {
    return script;
}

} // namespace Dialogs
