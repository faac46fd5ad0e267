#include "app/view/CommandLine.h"

#include <QCommandLineParser>

CommandLine::Result CommandLine::Read(const QStringList& arguments, const QString& version) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Pelko's Hopscape Demo: distance-vector routing, step by step."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption versionOption = parser.addVersionOption();
    const QCommandLineOption scenario(QStringLiteral("scenario"),
                                      QStringLiteral("Open in the scenario called <name>."),
                                      QStringLiteral("name"));
    const QCommandLineOption seed(
        QStringLiteral("seed"),
        QStringLiteral("Seed the random source with <n> instead of the clock, so that random "
                       "and flooding runs repeat."),
        QStringLiteral("n"));
    const QCommandLineOption fullScreen(QStringLiteral("fullscreen"),
                                        QStringLiteral("Open full screen."));
    parser.addOptions({scenario, seed, fullScreen});

    Result result;
    const QString usage = QStringLiteral("\nTry '--help' for the options.\n");
    if (!parser.parse(arguments)) {
        result.exitCode = 2;
        result.message = parser.errorText() + usage;
        return result;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        result.exitCode = 0;
        // Read before the application exists, the parser cannot name the program: it is named
        // here, whatever the file is called.
        result.message = parser.helpText();
        const QString usage = QStringLiteral("Usage: ");
        const auto end = result.message.indexOf(QStringLiteral(" [options]"));
        if (result.message.startsWith(usage) && end > usage.size()) {
            result.message.replace(usage.size(), end - usage.size(), QStringLiteral("hopscape"));
        }
        return result;
    }
    if (parser.isSet(versionOption)) {
        result.exitCode = 0;
        result.message = QStringLiteral("Pelko's Hopscape Demo %1\n").arg(version);
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.exitCode = 2;
        result.message = QStringLiteral("Unexpected argument '%1'.")
                             .arg(parser.positionalArguments().constFirst()) +
                         usage;
        return result;
    }
    if (parser.isSet(scenario)) {
        result.options.scenario = parser.value(scenario).toStdString();
    }
    if (parser.isSet(seed)) {
        result.options.seed = StartOptions::ReadSeed(parser.value(seed).toStdString());
        if (!result.options.seed) {
            result.exitCode = 2;
            result.message =
                QStringLiteral("The seed must be a whole number from 0 to 18446744073709551615, "
                               "not '%1'.")
                    .arg(parser.value(seed)) +
                usage;
            return result;
        }
    }
    result.options.fullScreen = parser.isSet(fullScreen);
    const std::string problem = result.options.Problem();
    if (!problem.empty()) {
        result.exitCode = 2;
        result.message = QString::fromStdString(problem) + QStringLiteral(".") + usage;
    }
    return result;
}
