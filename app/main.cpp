#include "app/MainForm.h"
#include "app/MainWindow.h"
#include "app/QtPlatform.h"
#include "common/SeededRandom.h"

#include <QApplication>
#include <QStyleFactory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QtPlatform platform;
    SeededRandom random;
    MainForm form(platform, random);
    form.Form_Load();
    MainWindow window(form);
    platform.SetParent(&window);
    window.show();
    return QApplication::exec();
}
