#pragma once
// Where each mode's file dialogs open (the folder of the file last chosen there, remembered
// between runs) and the name a save proposes: the mode, the date and the time.
#include "port/OperatorPort.h"

#include <QDateTime>
#include <QString>

#include <string>

namespace FileMemory {
// "" when the mode has chosen no file yet.
QString LastFolder(const std::string& mode);
// Remembers the folder of `path` for the mode.
void Remember(const std::string& mode, const std::string& path);
// "NUVOTON_spi_2026-12-08_102030.bin", as the mode's backups are named.
QString ProposedName(const std::string& mode, const QDateTime& when, const FileDialogSpec& spec);
} // namespace FileMemory
