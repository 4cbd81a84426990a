#include "window/startup.h"

#include "gridwick_version.h"
#include "runtime/xoshiro_random.h"
#include "window/font_substitutes.h"
#include "window/frm_gridwick.h"

#include <QApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace gridwick {

namespace {

    QString firstStartupWarning;

    // Qt cannot start without a display and ends with a fatal message and a core dump. While
    // the application object is made, its warnings are held back; a fatal one becomes a
    // single line on stderr and a plain failure exit.
    void startupMessageHandler(QtMsgType type, const QMessageLogContext& /*context*/, const QString& message)
    {
        if (type == QtFatalMsg) {
            const QString reason = firstStartupWarning.isEmpty() ? message.section(QLatin1Char('\n'), 0, 0)
                                                                 : firstStartupWarning;
            std::fprintf(stderr, "gridwick: cannot open the window: %s (is a display available?)\n",
                qPrintable(reason));
            std::_Exit(EXIT_FAILURE);
        }
        if (firstStartupWarning.isEmpty() && type != QtDebugMsg && type != QtInfoMsg) {
            firstStartupWarning = message;
        }
    }

} // namespace

int runGridwick(int argc, char** argv)
{
    const QtMessageHandler previousHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication application(argc, argv);
    qInstallMessageHandler(previousHandler);

    QApplication::setApplicationName(QStringLiteral("Gridwick"));
    QApplication::setApplicationDisplayName(QStringLiteral("Gridwick"));
    QApplication::setApplicationVersion(QStringLiteral(GRIDWICK_DISPLAY_VERSION));
    QApplication::setDesktopFileName(QStringLiteral(GRIDWICK_APP_ID));
    installFontSubstitutes();

    FrmGridwick window(std::make_unique<XoshiroRandom>());
    QObject::connect(&window, &FrmGridwick::endProgramRequested, &application, [] { QCoreApplication::exit(EXIT_SUCCESS); });
    window.show();
    return QApplication::exec();
}

} // namespace gridwick
