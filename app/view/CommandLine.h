#pragma once

#include "app/StartOptions.h"

#include <QString>
#include <QStringList>

// The program's command line, read with QCommandLineParser: --scenario NAME, --seed N,
// --fullscreen, --rip RULES, --help and --version. A bad option or an unknown scenario stops the
// program with a message and status 2; --help and --version print and stop with status 0.
class CommandLine {
public:
    struct Result {
        StartOptions options;
        int exitCode = -1; // -1: open the window; otherwise stop with this status
        QString message;   // what to print before stopping: on standard error when exitCode is 2
    };

    static Result Read(const QStringList& arguments, const QString& version);
};
