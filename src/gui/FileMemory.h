#pragma once
// Where each mode's file dialogs open (the folder of the file last chosen there, remembered
// between runs) and the name a save proposes: the mode, the date and time, and the chip's ID
// where known.
#include "port/OperatorPort.h"

#include <QDateTime>
#include <QString>

#include <string>

namespace FileMemory {
// "" when the mode has chosen no file yet.
QString LastFolder(const std::string& mode);
// Remembers the folder of `path` for the mode.
void Remember(const std::string& mode, const std::string& path);
// "NUVOTON_jtag_2026-12-08_102030_0FE2201F.bin", as the mode's backups are named.
QString ProposedName(const std::string& mode, const std::string& chipId, const QDateTime& when,
                     const FileDialogSpec& spec);
} // namespace FileMemory
