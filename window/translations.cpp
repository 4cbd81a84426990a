#include "window/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace gridwick {

namespace {

    // Where the program carries its own translations, compiled in as resources.
    const QLatin1String ownTranslations(":/i18n");

    // A program with Qt linked in carries Qt's translations as resources; otherwise they are
    // installed beside Qt.
    QString qtTranslationsFolder()
    {
        const QString carried = QStringLiteral(":/qt/translations");
        return QDir(carried).exists() ? carried
                                      : QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    }

} // namespace

Translations::Translations(const QLocale& locale)
{
    // English is the source language, but its plurals ("1 pick", "2 picks") come from a
    // translation too: it goes first, so that every other language is looked up before it.
    install(QLocale(QLocale::English), QStringLiteral("gridwick"), ownTranslations);
    install(locale, QStringLiteral("qtbase"), qtTranslationsFolder());
    install(locale, QStringLiteral("gridwick"), ownTranslations);
}

Translations::~Translations() = default;

void Translations::install(const QLocale& locale, const QString& name, const QString& folder)
{
    auto translator = std::make_unique<QTranslator>();
    // Tries each of the locale's languages in turn: de-DE, then de, and so on.
    if (translator->load(locale, name, QStringLiteral("_"), folder)
        && QCoreApplication::installTranslator(translator.get())) {
        translators_.push_back(std::move(translator));
    }
}

} // namespace gridwick
