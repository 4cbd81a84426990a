#include "window/font_substitutes.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace gridwick {

void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
        { QStringLiteral("Nimbus Sans"), QStringLiteral("Nimbus Sans L"),
            QStringLiteral("Liberation Sans"), QStringLiteral("Arial") });
}

} // namespace gridwick
