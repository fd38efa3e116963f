#include "gui/SafetySettings.h"

#include "gui/ProgramSettings.h"

namespace {
constexpr const char* kBackupKey = "safety/backupBeforeWriting";
constexpr const char* kReadTwiceKey = "safety/readTwice";
} // namespace

namespace SafetySettings {
bool Backup() {
    return ProgramSettings().value(kBackupKey, true).toBool();
}

void SetBackup(bool on) {
    ProgramSettings().setValue(kBackupKey, on);
}

bool ReadTwice() {
    return ProgramSettings().value(kReadTwiceKey, false).toBool();
}

void SetReadTwice(bool on) {
    ProgramSettings().setValue(kReadTwiceKey, on);
}

SafetyOptions Options() {
    return {.active = true, .backup = Backup(), .readTwice = ReadTwice()};
}
} // namespace SafetySettings
