#include "app/view/Program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Program::SetUpApplication();
    Program program;
    program.Window().show();
    return QApplication::exec();
}
