#include "window/startup.h"

#include "gridwick_version.h"
#include "runtime/xoshiro_random.h"
#include "window/command_line.h"
#include "window/font_substitutes.h"
#include "window/frm_gridwick.h"
#include "window/translations.h"
#include "window/user_locale.h"
#include "window/window_host.h"

#include <QApplication>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace gridwick {

namespace {

    QStringList& heldBackWarnings()
    {
        static QStringList warnings;
        return warnings;
    }

    QString noDisplayReason(const QString& fatalMessage)
    {
        QString reason = heldBackWarnings().isEmpty()
            ? fatalMessage.section(QLatin1Char('\n'), 0, 0)
            : heldBackWarnings().first();
        reason = reason.trimmed();
        if (qEnvironmentVariableIsEmpty("DISPLAY")
            && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            reason += QStringLiteral(" (DISPLAY is not set)");
        }
        return reason;
    }

    // Without a display Qt ends with a fatal message and a core dump. While the application
    // object is made, warnings are held back; a fatal message becomes one line on stderr and a
    // plain failure exit.
    void startupMessageHandler(
        QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
    {
        if (type == QtFatalMsg) {
            std::fprintf(stderr, "gridwick: cannot open the window: %s\n",
                qPrintable(noDisplayReason(message)));
            std::_Exit(EXIT_FAILURE);
        }
        heldBackWarnings().append(message);
    }

    // Starting went well after all: pass on what Qt said on the way.
    void replayHeldBackWarnings()
    {
        for (const QString& warning : std::as_const(heldBackWarnings())) {
            qWarning("%s", qPrintable(warning));
        }
        heldBackWarnings().clear();
    }

    // Qt 6.8 sets text with DirectWrite on Windows, a few pixels higher in the labels than GDI,
    // which every Qt before it used and the layout was made with. The window keeps GDI's look
    // unless the user names a platform.
    void drawWithGdiFontsUnlessTold(int argc, char** argv)
    {
#ifdef Q_OS_WIN
        const bool told = qEnvironmentVariableIsSet("QT_QPA_PLATFORM")
            || std::any_of(argv + 1, argv + argc, [](const char* argument) {
                   return std::strcmp(argument, "-platform") == 0
                       || std::strcmp(argument, "--platform") == 0;
               });
        if (!told) {
            qputenv("QT_QPA_PLATFORM", "windows:fontengine=gdi");
        }
#else
        Q_UNUSED(argc)
        Q_UNUSED(argv)
#endif
    }

} // namespace

int runGridwick(int argc, char** argv, const std::function<void(QMainWindow&)>& onShown)
{
    if (const auto status = answerInformationOptions(argc, argv)) {
        return *status;
    }

    drawWithGdiFontsUnlessTold(argc, argv);
    const QtMessageHandler previousHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(previousHandler);
    const Translations translations(userLocale());
    if (const auto status = refuseUnknownArguments(QApplication::arguments())) {
        return *status;
    }
    replayHeldBackWarnings();

    // No display name: Qt would append it to every title, and each window's title is exactly
    // its own ("QUIT?!", not "QUIT?! — Gridwick").
    QApplication::setApplicationName(QStringLiteral("Gridwick"));
    QApplication::setApplicationVersion(QStringLiteral(GRIDWICK_DISPLAY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(GRIDWICK_APP_ID));
    installFontSubstitutes();

    FrmGridwick window(std::make_unique<XoshiroRandom>(), nullptr, hostWindowFlags());
    attachToHost(window);
    window.show();
    if (onShown) {
        onShown(window);
    }
    return QApplication::exec();
}

} // namespace gridwick
