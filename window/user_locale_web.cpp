#include "window/user_locale.h"

#include "window/web_page.h"

#include <QString>

namespace gridwick {

QLocale userLocale()
{
    // Qt's system locale in a page is the browser's languages (navigator.languages).
    const QString asked = web_page::languageAsked();
    return asked.isEmpty() ? QLocale::system() : QLocale(asked);
}

} // namespace gridwick
