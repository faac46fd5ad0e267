#include "app/view/CommandLine.h"

#include "app/RipControl.h"

#include <QCommandLineParser>

namespace {

// "infinity, periodic, ..., timeout-only"
QString RuleOptions() {
    QStringList names;
    for (const RipControl::RuleName& rule : RipControl::kRules) {
        names << QString::fromLatin1(rule.option);
    }
    return names.join(QStringLiteral(", "));
}

} // namespace

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
    const QCommandLineOption rip(
        QStringLiteral("rip"),
        QStringLiteral("Switch RIP's rules on: all, or a comma-separated list of %1.")
            .arg(RuleOptions()),
        QStringLiteral("rules"));
    parser.addOptions({scenario, seed, fullScreen, rip});

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
    if (parser.isSet(rip)) {
        const std::string unknown =
            StartOptions::ReadRules(parser.value(rip).toStdString(), result.options.rip);
        if (!unknown.empty()) {
            result.exitCode = 2;
            result.message = QStringLiteral("No RIP rule is called '%1'; the rules are all, %2.")
                                 .arg(QString::fromStdString(unknown), RuleOptions()) +
                             usage;
            return result;
        }
    }
    const std::string problem = result.options.Problem();
    if (!problem.empty()) {
        result.exitCode = 2;
        result.message = QString::fromStdString(problem) + QStringLiteral(".") + usage;
    }
    return result;
}
