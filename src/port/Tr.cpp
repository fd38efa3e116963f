#include "port/Tr.h"

#include "port/ProgramFolder.h"
#include "port/TrIn.h"

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
// The other of English and Russian, for TrIn.
std::unique_ptr<QTranslator> otherTranslator;

const char* QmName(Language language) {
    return language == Language::Russian ? "tolvane_ru.qm" : "tolvane_en.qm";
}

std::unique_ptr<QTranslator> LoadTranslation(Language language, std::string* error) {
    const char* name = QmName(language);
    const FileLookup lookup = LookUpFile(name, LookFirst::ProgramFolder);
    auto loaded = std::make_unique<QTranslator>();
    if (lookup.found && loaded->load(QString::fromStdString(lookup.found->string())))
        return loaded;
    if (error)
        *error = lookup.found ? lookup.found->string() + ": not a translation file"
                              : NotFoundLine(name, lookup);
    return nullptr;
}

std::string Translated(const QTranslator* t, const char* context, const char* source) {
    const QString text = t ? t->translate(context, source) : QString();
    return text.isEmpty() ? source : text.toStdString();
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
    std::unique_ptr<QTranslator> loaded, other;
    bool ok = true;
    if (language != Language::Original) {
        loaded = LoadTranslation(language, error);
        ok = loaded != nullptr;
        if (ok)
            other = LoadTranslation(
                language == Language::Russian ? Language::English : Language::Russian, nullptr);
        else
            language = Language::Original;
    }
    std::lock_guard lock(trMutex);
    current = language;
    translator = std::move(loaded);
    otherTranslator = std::move(other);
    return ok;
}

Language CurrentLanguage() {
    std::lock_guard lock(trMutex);
    return current;
}

std::string Tr(const char* context, const char* source) {
    std::lock_guard lock(trMutex);
    return Translated(translator.get(), context, source);
}

std::string TrIn(Language language, const char* context, const char* source) {
    std::lock_guard lock(trMutex);
    if (current == Language::Original || language == Language::Original)
        return source;
    return Translated(language == current ? translator.get() : otherTranslator.get(), context,
                      source);
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
