#include "window/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace gridwick {

void installQtTranslations(QCoreApplication& application)
{
    auto translator = std::make_unique<QTranslator>();
    // Tries each of the locale's languages in turn: de_DE, then de, and so on.
    if (translator->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(translator.get());
        translator.release()->setParent(&application); // the application owns it from here
    }
}

} // namespace gridwick
