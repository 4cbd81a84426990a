#pragma once

#include <QLocale>

namespace gridwick {

// The language the user reads, whose translations the program speaks: on the desktop the
// system's (user_locale.cpp); in a page the one its address asks for (?lang=de), otherwise the
// browser's (user_locale_web.cpp).
[[nodiscard]] QLocale userLocale();

} // namespace gridwick
