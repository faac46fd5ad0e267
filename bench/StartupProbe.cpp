// Starts a window and exits as soon as its first frame is painted:
//   startup_probe hopscape   the program's main window, as the program opens it
//   startup_probe minimal    a bare Qt window, for comparison
//   startup_probe label      a bare Qt window with one line of text: it pays for the font
//                            database, as every window that shows text does
#include "app/view/Program.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QTimer>

#include <cstring>
#include <memory>
#include <unistd.h>

namespace {

// Ends the process as soon as the watched window's first frame is painted: what is measured is
// start-up, not tearing the window down again.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, [] { _exit(0); });
        }
        return false;
    }
};

} // namespace

int main(int argc, char* argv[]) {
    const bool minimal = argc > 1 && std::strcmp(argv[1], "minimal") == 0;
    const bool label = argc > 1 && std::strcmp(argv[1], "label") == 0;
    QApplication application(argc, argv);
    Program::SetUpApplication();
    FirstPaint watcher;
    if (minimal || label) {
        QWidget window;
        if (label) {
            new QLabel(QStringLiteral("Pelko's Hopscape Demo"), &window);
        }
        window.installEventFilter(&watcher);
        window.resize(822, 583);
        window.show();
        return QApplication::exec();
    }
    Program program;
    program.Window().installEventFilter(&watcher);
    program.Window().show();
    return QApplication::exec();
}
