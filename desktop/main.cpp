#include "desktop/CommandLine.h"
#include "desktop/HallControls.h"
#include "desktop/MainWindow.h"
#include "desktop/Program.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    // The command line is read before the window system is: --help, --version and a bad option
    // need no display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    const CommandLine::Result command =
        CommandLine::Read(arguments, QStringLiteral(HOPSCAPE_VERSION));
    if (command.exitCode >= 0) {
        std::fputs(command.message.toLocal8Bit().constData(),
                   command.exitCode == 0 ? stdout : stderr);
        return command.exitCode;
    }
    QApplication application(argc, argv);
    Program::SetUpApplication();
    Program program(command.options);
    if (command.options.serve || command.options.relay) {
        // The address goes to standard output, where a script or the lecturer reads it.
        HallControls& hall = program.Window().Hall();
        const QString fault =
            command.options.relay ? hall.StartRelay() : hall.Start(*command.options.serve);
        if (!fault.isEmpty()) {
            std::fprintf(stderr, "%s\n", fault.toLocal8Bit().constData());
            return 2;
        }
        std::printf("%s\n", program.Window().Hall().Address().toLocal8Bit().constData());
        std::fflush(stdout);
    }
    if (command.options.fullScreen) {
        program.Window().showFullScreen();
    } else {
        program.Window().show();
    }
    return QApplication::exec();
}
