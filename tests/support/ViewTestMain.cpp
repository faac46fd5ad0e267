#include <QApplication>
#include <QStyleFactory>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char* argv[]) {
    // The view tests never need a display.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
