#include "window/font_substitutes.h"

#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace gridwick {

namespace {

    QString layoutFace()
    {
        return QStringLiteral("MS Sans Serif");
    }

    QStringList standInFaces()
    {
#ifdef Q_OS_WIN
        // Microsoft Sans Serif is Windows' scalable face made to MS Sans Serif's widths; Wine
        // ships Tahoma.
        return { QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Tahoma"),
            QStringLiteral("Arial") };
#else
        return { QStringLiteral("Nimbus Sans"), QStringLiteral("Nimbus Sans L"),
            QStringLiteral("Liberation Sans"), QStringLiteral("Arial") };
#endif
    }

} // namespace

void installFontSubstitutes()
{
    QFont::insertSubstitutions(layoutFace(), standInFaces());
}

void useStandInFaces(QWidget& window)
{
#ifdef Q_OS_WIN
    // The layout sets the face on the widgets that carry it; their children inherit it.
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->testAttribute(Qt::WA_SetFont) && widget->font().family() == layoutFace()) {
            QFont font = widget->font();
            font.setFamilies(standInFaces());
            widget->setFont(font);
        }
    }
#else
    Q_UNUSED(window) // the substitutes stand in
#endif
}

} // namespace gridwick
