#pragma once

#include "session/StartOptions.h"

#include <QString>
#include <QStringList>

// The program's command line, read with QCommandLineParser: --scenario NAME, --seed N,
// --fullscreen, --rip RULES, --open FILE, --lesson NAME|FILE, --projector, --lessons, --help and
// --version. A bad option, an unknown scenario or lesson, or a file that cannot be opened stops
// the program with a message (a file's names the file and what is wrong) and status 2; --help,
// --version and --lessons print and stop with status 0.
class CommandLine {
public:
    struct Result {
        StartOptions options;
        int exitCode = -1; // -1: open the window; otherwise stop with this status
        QString message;   // what to print before stopping: on standard error when exitCode is 2
    };

    static Result Read(const QStringList& arguments, const QString& version);
};
