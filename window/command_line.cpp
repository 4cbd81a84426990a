#include "window/command_line.h"

#include "gridwick_version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace gridwick {

namespace {

    const QString helpOption = QStringLiteral("help");
    const QString versionOption = QStringLiteral("version");

    void describeOptions(QCommandLineParser& parser)
    {
        parser.setApplicationDescription(
            QStringLiteral("Makes random picks for football games between a visitor and a home "
                           "team.\nQt's own options, such as -platform and -style, also "
                           "apply."));
        // Qt's options are single-dash words; reading them as such keeps them whole.
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        parser.addOption(
            { { QStringLiteral("h"), helpOption }, QStringLiteral("Shows this help and exits.") });
        parser.addOption({ { QStringLiteral("v"), versionOption },
            QStringLiteral("Shows the version and exits.") });
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
    if (parser.isSet(helpOption)) {
        // The usage line names the program as it was started, which takes an application
        // object; a core one needs no display.
        const QCoreApplication application(argc, argv);
        std::fputs(qPrintable(parser.helpText()), stdout);
        return EXIT_SUCCESS;
    }
    if (parser.isSet(versionOption)) {
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
        problem = QStringLiteral("Unexpected argument '%1'.")
                      .arg(parser.positionalArguments().constFirst());
    }
    if (problem.isEmpty()) {
        return std::nullopt;
    }
    std::fprintf(stderr, "gridwick: %s Try 'gridwick --help'.\n", qPrintable(problem));
    return 2;
}

} // namespace gridwick
