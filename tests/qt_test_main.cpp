// Runs GoogleTest suites that need a QApplication, on Qt's offscreen platform unless told
// otherwise.
#include "window/font_substitutes.h"
#include "window/translations.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    gridwick::installFontSubstitutes();
    // In English, whatever the machine's language: a case that wants another installs it.
    const gridwick::Translations english { QLocale(QLocale::English) };
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
