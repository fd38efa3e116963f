#pragma once
// The main window's language box: English, Russian or the original texts, remembered between
// runs; a change reaches every open window at once (QEvent::LanguageChange).
#include "port/Tr.h"

#include <optional>

class QComboBox;
class QWidget;

// The last choice made in the box, when one was made.
std::optional<Language> RememberedLanguage();
// Shows the language in use; choosing another loads it, remembers it and retranslates.
QComboBox* MakeLanguageBox(QWidget* parent);
