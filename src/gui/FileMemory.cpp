#include "gui/FileMemory.h"

#include "gui/ProgramSettings.h"

#include "safety/BackupFile.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace {
QString Safe(const std::string& text) {
    static const QRegularExpression unsafe("[^A-Za-z0-9._-]+");
    return QString::fromStdString(text).replace(unsafe, "_");
}

QString Key(const std::string& mode) {
    return "files/" + Safe(mode) + "/folder";
}

// ".bin" from the default extension, else from the filter's first pattern ("*.bin").
QString Extension(const FileDialogSpec& spec) {
    if (!spec.defaultExtension.empty())
        return QString::fromStdString(spec.defaultExtension);
    static const QRegularExpression pattern("\\*(\\.[A-Za-z0-9]+)");
    const QRegularExpressionMatch m = pattern.match(QString::fromStdString(spec.filter));
    return m.hasMatch() ? m.captured(1) : QString();
}
} // namespace

namespace FileMemory {
QString LastFolder(const std::string& mode) {
    const QString folder = ProgramSettings().value(Key(mode)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void Remember(const std::string& mode, const std::string& path) {
    const QString folder = QFileInfo(QString::fromStdString(path)).absolutePath();
    if (!mode.empty() && !folder.isEmpty())
        ProgramSettings().setValue(Key(mode), folder);
}

QString ProposedName(const std::string& mode, const std::string& chipId, const QDateTime& when,
                     const FileDialogSpec& spec) {
    // Named as the mode's backups are, so that a dump and its backups sort together.
    QString name = QString::fromStdString(
        BackupFileName(mode, chipId, when.toString("yyyy-MM-dd_HHmmss").toStdString(), 1));
    name.chop(4); // ".bin"
    return name + Extension(spec);
}
} // namespace FileMemory
