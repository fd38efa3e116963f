#include "port/StartLanguage.h"

#include <cstdlib>
#include <string_view>

Language StartLanguage(std::optional<Language> chosen, std::optional<Language> remembered) {
    if (chosen)
        return *chosen;
    if (const char* value = std::getenv(kLanguageVariable))
        if (const std::optional<Language> fromEnvironment = ParseLanguage(value))
            return *fromEnvironment;
    return remembered ? *remembered : SystemLanguage();
}

std::optional<Language> LanguageArgument(int argc, char** argv) {
    constexpr std::string_view kOption = "--lang";
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == kOption && i + 1 < argc)
            return ParseLanguage(argv[i + 1]);
        if (arg.substr(0, kOption.size() + 1) == "--lang=")
            return ParseLanguage(arg.substr(kOption.size() + 1));
    }
    return std::nullopt;
}
