#pragma once
// The one place the windows remember their choices (folders, boxes, the JIG, the language).
#include <QSettings>

inline QSettings ProgramSettings() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tolvane", "tolvane-jig");
}
