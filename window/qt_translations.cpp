#include "window/qt_translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace gridwick {

namespace {

    // A program with Qt linked in carries Qt's translations as resources; otherwise they are
    // installed beside Qt.
    QString qtTranslationsFolder()
    {
        const QString carried = QStringLiteral(":/qt/translations");
        return QDir(carried).exists() ? carried
                                      : QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    }

} // namespace

void installQtTranslations(QCoreApplication& application)
{
    auto translator = std::make_unique<QTranslator>();
    // Tries each of the locale's languages in turn: de_DE, then de, and so on.
    if (translator->load(QLocale::system(), QStringLiteral("qtbase"), QStringLiteral("_"),
            qtTranslationsFolder())) {
        QCoreApplication::installTranslator(translator.get());
        translator.release()->setParent(&application); // the application owns it from here
    }
}

} // namespace gridwick
