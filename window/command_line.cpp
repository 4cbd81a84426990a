#include "window/command_line.h"

#include "gridwick_version.h"
#include "window/translations.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace gridwick {

namespace {

    // The program's command line, described once for both passes over it.
    void describeOptions(QCommandLineParser& parser)
    {
        parser.setApplicationDescription(QCoreApplication::translate("CommandLine",
            "Makes random picks for football games between a visitor and a home team.\nQt's own "
            "options, such as -platform and -style, also apply."));
        // Qt's options are single-dash words; reading them as such keeps them whole.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        // Not addHelpOption(): its --help-all promises Qt's options, which only the window's
        // application object can list, and that needs a display.
        parser.addOption({ { QStringLiteral("h"), QStringLiteral("help") },
            QCoreApplication::translate("CommandLine", "Shows this help and exits.") });
        parser.addVersionOption();
    }

    QStringList argumentList(int argc, char** argv)
    {
        QStringList arguments;
        for (int index = 0; index < argc; ++index) {
            arguments.append(QString::fromLocal8Bit(argv[index]));
        }
        return arguments;
    }

} // namespace

std::optional<int> answerInformationOptions(int argc, char** argv)
{
    QCommandLineParser parser;
    describeOptions(parser);
    // Qt's options are not known yet, so parsing may fail; the two asked for are still found.
    static_cast<void>(parser.parse(argumentList(argc, argv)));
    // Qt's own answers (showHelp, showVersion) need the application object of the window, which
    // needs a display; these need none.
    if (parser.isSet(QStringLiteral("help"))) {
        // The usage line names the program as it was started, and the help is read in the
        // user's language: both take an application object, and a core one needs no display.
        const QCoreApplication application(argc, argv);
        const Translations translations;
        QCommandLineParser translated;
        describeOptions(translated);
        std::fputs(qPrintable(translated.helpText()), stdout);
        return EXIT_SUCCESS;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("Gridwick %s\n", GRIDWICK_DISPLAY_VERSION);
        return EXIT_SUCCESS;
    }
    return std::nullopt;
}

std::optional<int> refuseUnknownArguments(const QStringList& arguments)
{
    QCommandLineParser parser;
    describeOptions(parser);
    QString problem;
    if (!parser.parse(arguments)) {
        problem = parser.errorText();
    } else if (!parser.positionalArguments().isEmpty()) {
        problem = QCoreApplication::translate("CommandLine", "Unexpected argument '%1'.")
                      .arg(parser.positionalArguments().constFirst());
    }
    if (problem.isEmpty()) {
        return std::nullopt;
    }
    const QString advice = QCoreApplication::translate("CommandLine", "Try 'gridwick --help'.");
    std::fprintf(stderr, "gridwick: %s %s\n", qPrintable(problem), qPrintable(advice));
    return 2;
}

} // namespace gridwick
