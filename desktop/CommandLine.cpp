#include "desktop/CommandLine.h"

#include "app/RipControl.h"
#include "common/Translate.h"
#include "desktop/DocumentFile.h"
#include "desktop/QtText.h"
#include "session/BuiltInLessons.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <optional>

namespace {

// Said after a fault in the options.
QString Usage() {
    return QStringLiteral("\n") + QtText("Try '--help' for the options.") + QStringLiteral("\n");
}

CommandLine::Result Stop(int exitCode, const QString& message) {
    CommandLine::Result result;
    result.exitCode = exitCode;
    result.message = message;
    return result;
}

// A file that cannot be opened stops the program as a bad option does, naming the file.
CommandLine::Result Refuse(const std::string& fault) {
    return Stop(2, QString::fromStdString(fault) + QLatin1Char('\n'));
}

// What the program prints and stops with before it reads any option's value: help, its version,
// the lessons, or a fault in the command line itself.
std::optional<CommandLine::Result> Early(QCommandLineParser& parser, const QStringList& arguments,
                                         const QString& version) {
    if (!parser.parse(arguments)) {
        return Stop(2, parser.errorText() + Usage());
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        // Read before the application exists, the parser cannot name the program: it is named
        // here, whatever the file is called.
        QString text = parser.helpText();
        const QString usage = QStringLiteral("Usage: ");
        const auto end = text.indexOf(QStringLiteral(" [options]"));
        if (text.startsWith(usage) && end > usage.size()) {
            text.replace(usage.size(), end - usage.size(), QStringLiteral("hopscape"));
        }
        return Stop(0, text);
    }
    if (parser.isSet(QStringLiteral("version"))) {
        return Stop(0, QStringLiteral("Pelko's Hopscape Demo %1\n").arg(version));
    }
    if (parser.isSet(QStringLiteral("lessons"))) {
        return Stop(0, QString::fromStdString(StartOptions::LessonTitles()));
    }
    if (!parser.positionalArguments().isEmpty()) {
        return Stop(
            2, QtText("Unexpected argument '{argument}'.",
                      {{"argument", parser.positionalArguments().constFirst().toStdString()}}) +
                   Usage());
    }
    return std::nullopt;
}

// Opens the file an option names into the options; false, with the fault in `result`, where it
// cannot be opened or holds a demonstration where a lesson was asked for.
bool OpenFile(const QString& name, bool lessonOnly, CommandLine::Result& result) {
    std::string bytes;
    std::string fault = DocumentFile::Open(name, bytes).fault;
    if (fault.empty()) {
        fault = result.options.TakeFile(name.toStdString(), std::move(bytes), lessonOnly);
    }
    if (!fault.empty()) {
        result = Refuse(fault);
        return false;
    }
    return true;
}

// The languages the program has catalogues for, by their codes.
std::vector<std::string> Languages() {
    std::vector<std::string> codes;
    for (const QString& file :
         QDir(QStringLiteral(":/lang")).entryList({QStringLiteral("*.json")})) {
        codes.push_back(file.chopped(5).toStdString());
    }
    return codes;
}

// Speaks the language --lang asks for, or else the system's; the fault where --lang asks for one
// there is none of.
std::string Speak(const QStringList& arguments) {
    std::optional<QString> asked;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == QStringLiteral("--lang") && i + 1 < arguments.size()) {
            asked = arguments[i + 1];
        } else if (arguments[i].startsWith(QStringLiteral("--lang="))) {
            asked = arguments[i].mid(7);
        }
    }
    const std::vector<std::string> available = Languages();
    std::vector<std::string> wanted;
    if (asked) {
        wanted.push_back(asked->toStdString());
        if (std::string fault = StartOptions::LanguageFault(wanted.front(), available);
            !fault.empty()) {
            return fault;
        }
    } else {
        for (const QString& language : QLocale::system().uiLanguages()) {
            wanted.push_back(language.toStdString());
        }
    }
    const std::string code = ChooseLanguage(wanted, available);
    if (code.empty()) {
        UseCatalogue(std::nullopt);
        return "";
    }
    QFile file(QStringLiteral(":/lang/%1.json").arg(QString::fromStdString(code)));
    std::string fault = "cannot be read";
    std::optional<Catalogue> catalogue;
    if (file.open(QIODevice::ReadOnly)) {
        catalogue = Catalogue::Read(file.readAll().toStdString(), &fault);
    }
    if (!catalogue) {
        return "Language " + code + ": " + fault; // the build's own file: never a reader's
    }
    UseCatalogue(std::move(catalogue));
    return "";
}

} // namespace

CommandLine::Result CommandLine::Read(const QStringList& arguments, const QString& version) {
    // --serve may stand alone: it then serves on every address at the usual port.
    QStringList given = arguments;
    for (qsizetype i = 1; i < given.size(); ++i) {
        if (given[i] == QStringLiteral("--serve") &&
            (i + 1 == given.size() || given[i + 1].startsWith(QLatin1Char('-')))) {
            given.insert(i + 1, QString());
        }
    }
    // The language first: the help and every fault are said in it.
    if (const std::string fault = Speak(given); !fault.empty()) {
        return Stop(2, QString::fromStdString(fault) + QLatin1Char('\n'));
    }
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromStdString(
        Translate("Pelko's Hopscape Demo: distance-vector routing, step by step.")));
    parser.addHelpOption();
    parser.addVersionOption();
    for (const StartOptions::Option& option : StartOptions::Options()) {
        parser.addOption(QCommandLineOption(QString::fromStdString(option.name),
                                            QString::fromStdString(option.text),
                                            QString::fromStdString(option.value)));
    }
    if (std::optional<Result> early = Early(parser, given, version)) {
        return *early;
    }
    Result result;
    for (const char* name : {"scenario", "seed", "rip", "fullscreen", "projector", "practice",
                             "serve", "relay", "relay-page", "lang"}) {
        const QString option = QString::fromLatin1(name);
        if (!parser.isSet(option)) {
            continue;
        }
        const std::string fault = result.options.Set(name, parser.value(option).toStdString());
        if (!fault.empty()) {
            return Stop(2, QString::fromStdString(fault) + Usage());
        }
    }
    if (parser.isSet(QStringLiteral("open")) &&
        !OpenFile(parser.value(QStringLiteral("open")), false, result)) {
        return result;
    }
    if (parser.isSet(QStringLiteral("lesson"))) {
        // A built-in lesson's title comes before a file of that name.
        const QString name = parser.value(QStringLiteral("lesson"));
        if (BuiltInLessons::Named(name.toStdString()) || !QFileInfo::exists(name)) {
            const std::string fault = result.options.Set("lesson", name.toStdString());
            if (!fault.empty()) {
                return Stop(2, QString::fromStdString(fault));
            }
        } else if (!OpenFile(name, true, result)) {
            return result;
        }
    }
    const std::string problem = result.options.Problem();
    if (!problem.empty()) {
        return Stop(2, QString::fromStdString(problem) + QStringLiteral(".") + Usage());
    }
    return result;
}
