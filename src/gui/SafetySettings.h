#pragma once
// The main window's safety check boxes, remembered between runs; every mode window reads them
// when one of its operations starts.
#include "port/TrNoop.h"
#include "safety/SafetyOptions.h"

namespace SafetySettings {
inline constexpr const char* kBackupCaption =
    TR_NOOP("Gui", "Back up the chip before erasing or writing");
inline constexpr const char* kReadTwiceCaption = TR_NOOP("Gui", "Read twice and compare");

bool Backup(); // on unless turned off
void SetBackup(bool on);
bool ReadTwice(); // off unless turned on
void SetReadTwice(bool on);
// The safety net as the windows run it: always active, backup and second read as chosen.
SafetyOptions Options();
} // namespace SafetySettings
