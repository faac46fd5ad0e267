#include "desktop/CommandLine.h"

#include "app/RipControl.h"
#include "desktop/DocumentFile.h"
#include "session/BuiltInLessons.h"

#include <QCommandLineParser>
#include <QFileInfo>

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
            .arg(QString::fromStdString(StartOptions::RuleNames())),
        QStringLiteral("rules"));
    const QCommandLineOption open(
        QStringLiteral("open"),
        QStringLiteral("Open the demonstration (or lesson) saved in <file>."),
        QStringLiteral("file"));
    const QCommandLineOption lesson(
        QStringLiteral("lesson"),
        QStringLiteral("Start the built-in lesson called <name>, or the lesson in a file."),
        QStringLiteral("name|file"));
    const QCommandLineOption lessons(QStringLiteral("lessons"),
                                     QStringLiteral("Print the built-in lessons' names."));
    const QCommandLineOption projector(
        QStringLiteral("projector"),
        QStringLiteral("Open in the look for a hall's projector: larger table text, outlined "
                       "packets."));
    parser.addOptions({scenario, seed, fullScreen, rip, open, lesson, lessons, projector});

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
    if (parser.isSet(lessons)) {
        result.exitCode = 0;
        result.message = QString::fromStdString(StartOptions::LessonTitles());
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.exitCode = 2;
        result.message = QStringLiteral("Unexpected argument '%1'.")
                             .arg(parser.positionalArguments().constFirst()) +
                         usage;
        return result;
    }
    for (const QCommandLineOption* option : {&scenario, &seed, &rip, &fullScreen, &projector}) {
        if (!parser.isSet(*option)) {
            continue;
        }
        const QString name = option->names().constFirst();
        const std::string fault = result.options.Set(
            name.toStdString(),
            option->valueName().isEmpty() ? "" : parser.value(*option).toStdString());
        if (!fault.empty()) {
            result.exitCode = 2;
            result.message = QString::fromStdString(fault) + usage;
            return result;
        }
    }
    // A file that cannot be opened stops the program as a bad option does, naming the file.
    const auto fail = [&result](const std::string& fault) {
        result.exitCode = 2;
        result.message = QString::fromStdString(fault) + QLatin1Char('\n');
        return result;
    };
    if (parser.isSet(open)) {
        HopscapeFile::Read read = DocumentFile::Open(parser.value(open));
        if (!read.fault.empty()) {
            return fail(read.fault);
        }
        result.options.demonstration = std::move(read.demonstration);
        result.options.lesson = std::move(read.lesson);
        for (const std::string& member : read.ignored) {
            result.options.notes.push_back(
                HopscapeFile::IgnoredLine(parser.value(open).toStdString(), member));
        }
    }
    if (parser.isSet(lesson)) {
        // A built-in lesson's title comes before a file of that name.
        const QString name = parser.value(lesson);
        if (BuiltInLessons::Named(name.toStdString()) || !QFileInfo::exists(name)) {
            const std::string fault = result.options.Set("lesson", name.toStdString());
            if (!fault.empty()) {
                result.exitCode = 2;
                result.message = QString::fromStdString(fault);
                return result;
            }
        } else {
            HopscapeFile::Read read = DocumentFile::Open(name);
            if (!read.fault.empty()) {
                return fail(read.fault);
            }
            if (!read.lesson) {
                return fail(HopscapeFile::Problem(name.toStdString(),
                                                  "holds a demonstration, not a lesson; open it "
                                                  "with --open"));
            }
            result.options.lesson = std::move(read.lesson);
            for (const std::string& member : read.ignored) {
                result.options.notes.push_back(
                    HopscapeFile::IgnoredLine(name.toStdString(), member));
            }
        }
    }
    const std::string problem = result.options.Problem();
    if (!problem.empty()) {
        result.exitCode = 2;
        result.message = QString::fromStdString(problem) + QStringLiteral(".") + usage;
    }
    return result;
}
