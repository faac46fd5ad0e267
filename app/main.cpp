#include "app/MainForm.h"
#include "app/MainWindow.h"
#include "app/QtPlatform.h"
#include "common/SeededRandom.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Ties the window to its installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.hopscape.Hopscape"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.hopscape.Hopscape")));
    QtPlatform platform;
    SeededRandom random;
    MainForm form(platform, random);
    form.Form_Load();
    MainWindow window(form);
    platform.SetParent(&window);
    window.show();
    return QApplication::exec();
}
