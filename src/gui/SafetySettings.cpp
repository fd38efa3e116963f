#include "gui/SafetySettings.h"

#include <QSettings>

namespace {
constexpr const char* kBackupKey = "safety/backupBeforeWriting";
constexpr const char* kReadTwiceKey = "safety/readTwice";

QSettings Settings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tolvane", "tolvane-jig");
}
} // namespace

namespace SafetySettings {
bool Backup() {
    return Settings().value(kBackupKey, true).toBool();
}

void SetBackup(bool on) {
    Settings().setValue(kBackupKey, on);
}

bool ReadTwice() {
    return Settings().value(kReadTwiceKey, false).toBool();
}

void SetReadTwice(bool on) {
    Settings().setValue(kReadTwiceKey, on);
}

SafetyOptions Options() {
    return {.active = true, .backup = Backup(), .readTwice = ReadTwice()};
}
} // namespace SafetySettings
