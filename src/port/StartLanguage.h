#pragma once
// The language a program starts in when nothing on its command line chooses one.
#include "port/Tr.h"

#include <optional>
#include <string>

inline constexpr const char* kLanguageVariable = "TOLVANE_LANG";

// `chosen` (--lang), else TOLVANE_LANG, else `remembered` (the window's last choice), else the
// system's locale.
Language StartLanguage(std::optional<Language> chosen, std::optional<Language> remembered);
// The word after "--lang" (or in "--lang=WORD") among `argv`, when it names a language.
std::optional<Language> LanguageArgument(int argc, char** argv);
