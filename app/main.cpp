#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Pelko's Hopscape Demo"));
    window.resize(822, 583);
    window.show();
    return QApplication::exec();
}
