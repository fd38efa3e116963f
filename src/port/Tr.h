#pragma once
// The language of every text the technician reads: the texts as the JIG's program always
// wrote them (`Original`, mixed English and Russian), or all of them in English or in Russian.
// Texts go through Tr(context, source); lupdate finds them (scripts/update-translations).
#include "port/TrNoop.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class Language { Original, English, Russian };

// The words that name a language on a command line, as ParseLanguage takes them.
inline const std::vector<std::string> kLanguageWords{"en", "ru", "original"};
// One of kLanguageWords; anything else: none.
std::optional<Language> ParseLanguage(std::string_view word);
// What the first start chooses: Russian for a Russian locale (LC_ALL, LC_MESSAGES, LANG), else
// English.
Language SystemLanguage();
// Loads the language's translation (tolvane_en.qm, tolvane_ru.qm, looked for as the data files
// are); on failure keeps the texts original and says why in `error`.
bool SetLanguage(Language language, std::string* error = nullptr);
Language CurrentLanguage();

// `source` in the chosen language; source texts that carry %1, %2 ... are filled with Fill.
std::string Tr(const char* context, const char* source);
// Replaces %1, %2 ... (up to %9) in `text` by the arguments, in one pass: an argument that
// itself holds "%2" stays as it is.
std::string FillArgs(const std::string& text, const std::string* args, int count);
template <typename... A> std::string Fill(const std::string& text, const A&... args) {
    const std::string list[] = {std::string(args)...};
    return FillArgs(text, list, static_cast<int>(sizeof...(A)));
}
