#include "gui/LanguageChoice.h"

#include "gui/Dialogs.h"
#include "gui/ProgramSettings.h"
#include "gui/QtTranslation.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QWidget>

namespace {
constexpr const char* kKey = "language";

struct Item {
    Language language;
    const char* word;
    const char* caption; // in its own language, so that anyone finds theirs
};
constexpr Item kItems[] = {
    {Language::English, "en", "English"},
    {Language::Russian, "ru", "Русский"},
    {Language::Original, "original", "Original texts (English and Russian)"},
};
} // namespace

std::optional<Language> RememberedLanguage() {
    return ParseLanguage(ProgramSettings().value(kKey).toString().toStdString());
}

QComboBox* MakeLanguageBox(QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName("Language_box");
    for (const Item& item : kItems) {
        box->addItem(QString::fromUtf8(item.caption));
        if (item.language == CurrentLanguage())
            box->setCurrentIndex(box->count() - 1);
    }
    QObject::connect(box, &QComboBox::activated, box, [box](int index) {
        const Item& item = kItems[index];
        std::string error;
        if (!SetLanguage(item.language, &error)) {
            Dialogs::Message(box->window(), MessageIcon::Warning, error);
            box->setCurrentIndex(static_cast<int>(std::size(kItems)) - 1);
        }
        UseQtTranslation(CurrentLanguage());
        ProgramSettings().setValue(kKey, QString::fromUtf8(item.word));
        QEvent change(QEvent::LanguageChange);
        for (QWidget* window : QApplication::topLevelWidgets())
            QApplication::sendEvent(window, &change);
    });
    return box;
}
