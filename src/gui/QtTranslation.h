#pragma once
// Qt's own words (the message boxes' Yes, No and Cancel, the file dialog) in the program's
// language: Qt's Russian translation under Russian; Qt's English under English and original.
#include "port/Tr.h"

// Without Qt's translation files installed (qt6-translations-l10n) Qt's words stay English.
void UseQtTranslation(Language language);
