#include "port/Tr.h"

#include "port/ProgramFolder.h"

#include <QString>
#include <QTranslator>

#include <cstdlib>
#include <memory>
#include <mutex>

namespace {
// Asked from workers and the window's thread alike; changed from the window's.
std::mutex trMutex;
Language current = Language::Original;
std::unique_ptr<QTranslator> translator;

const char* QmName(Language language) {
    return language == Language::Russian ? "tolvane_ru.qm" : "tolvane_en.qm";
}
} // namespace

std::optional<Language> ParseLanguage(std::string_view word) {
    if (word == "en")
        return Language::English;
    if (word == "ru")
        return Language::Russian;
    if (word == "original")
        return Language::Original;
    return std::nullopt;
}

Language SystemLanguage() {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return std::string_view(value).substr(0, 2) == "ru" ? Language::Russian
                                                                : Language::English;
    }
    return Language::English;
}

bool SetLanguage(Language language, std::string* error) {
    std::unique_ptr<QTranslator> loaded;
    bool ok = true;
    if (language != Language::Original) {
        const char* name = QmName(language);
        const FileLookup lookup = LookUpFile(name, LookFirst::ProgramFolder);
        loaded = std::make_unique<QTranslator>();
        if (!lookup.found || !loaded->load(QString::fromStdString(lookup.found->string()))) {
            if (error)
                *error = lookup.found ? lookup.found->string() + ": not a translation file"
                                      : NotFoundLine(name, lookup);
            language = Language::Original;
            loaded.reset();
            ok = false;
        }
    }
    std::lock_guard lock(trMutex);
    current = language;
    translator = std::move(loaded);
    return ok;
}

Language CurrentLanguage() {
    std::lock_guard lock(trMutex);
    return current;
}

std::string Tr(const char* context, const char* source) {
    std::lock_guard lock(trMutex);
    if (!translator)
        return source;
    const QString text = translator->translate(context, source);
    return text.isEmpty() ? source : text.toStdString();
}

std::string FillArgs(const std::string& text, const std::string* args, int count) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (text[i] == '%' && next >= '1' && next <= '9' && next - '1' < count) {
            out += args[next - '1'];
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}
