#include "window/user_locale.h"

namespace gridwick {

QLocale userLocale()
{
    return QLocale::system();
}

} // namespace gridwick
