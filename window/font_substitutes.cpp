#include "window/font_substitutes.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace gridwick {

void installFontSubstitutes()
{
#ifdef Q_OS_WIN
    // Windows has the face itself.
#else
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
        { QStringLiteral("Nimbus Sans"), QStringLiteral("Nimbus Sans L"),
            QStringLiteral("Liberation Sans"), QStringLiteral("Arial") });
#endif
}

} // namespace gridwick
