#pragma once

#include <QLocale>

#include <memory>
#include <vector>

class QTranslator;

namespace gridwick {

// The program's own words and Qt's standard ones (Yes, No, OK) in the user's language, for as
// long as this lives. The language is the first of the locale's languages that the program is
// translated into; any other language, or a locale name that makes no sense, leaves the program
// in English and Qt's texts as Qt has them.
class Translations final {
public:
    explicit Translations(const QLocale& locale = QLocale::system());
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

private:
    void install(const QLocale& locale, const QString& name, const QString& folder);

    std::vector<std::unique_ptr<QTranslator>> translators_; // each removes itself when deleted
};

} // namespace gridwick
