#include "gui/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace {
std::unique_ptr<QTranslator> installed; // the window thread's only
} // namespace

void UseQtTranslation(Language language) {
    if (installed) {
        QCoreApplication::removeTranslator(installed.get());
        installed.reset();
    }
    if (language != Language::Russian)
        return;
    auto qt = std::make_unique<QTranslator>();
    if (!qt->load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    QCoreApplication::installTranslator(qt.get());
    installed = std::move(qt);
}
