// Starts a window and exits as soon as its first frame is painted:
//   startup_probe hopscape   the program's main window, as the program opens it
//   startup_probe fonts      a plain Qt window of the same size showing a line of text in each
//                            of the five fonts the layout uses, for comparison: the least any
//                            window that shows this text pays
#include "desktop/Program.h"
#include "desktop/TwipsTransform.h"
#include "form/Controls.h"
#include "form/Layout.h"
#include "router/PanelLayout.h"

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
    const bool fonts = argc > 1 && std::strcmp(argv[1], "fonts") == 0;
    QApplication application(argc, argv);
    Program::SetUpApplication();
    FirstPaint watcher;
    if (fonts) {
        QWidget window;
        const TwipsTransform transform;
        const struct {
            double points;
            bool bold;
        } kFonts[] = {{Layout::kCommandPoints, false},
                      {Layout::kLargePoints, false},
                      {Layout::kLargePoints, true},
                      {PanelLayout::kFontPoints, true},
                      {ButtonControl{}.fontPoints, false}};
        int top = 0;
        for (const auto& f : kFonts) {
            auto* label =
                new QLabel(QStringLiteral("Pelko's Hopscape Demo ABCDEF abcdef 0123"), &window);
            label->setFont(transform.Font(f.points, f.bold));
            label->move(0, top);
            top += 40;
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
