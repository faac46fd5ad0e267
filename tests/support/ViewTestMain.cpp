#include <QApplication>
#include <QStandardPaths>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

int main(int argc, char* argv[]) {
    // The view tests need no display: the offscreen platform, with a lecturer's screens side by
    // side, a 1366 x 768 laptop, a 1920 x 1080 projector and a hall's 3840 x 2160 one. The screen
    // test also runs at an X server (Xvfb), asked for with HOPSCAPE_X_SERVER, on the platform
    // given.
    QTemporaryDir dir;
    const std::string config = dir.filePath(QStringLiteral("screens.json")).toStdString();
    std::ofstream(config)
        << R"({"screens": [{"name": "laptop", "x": 0, "y": 0, "width": 1366, "height": 768},)"
        << R"( {"name": "projector", "x": 1366, "y": 0, "width": 1920, "height": 1080},)"
        << R"( {"name": "hall", "x": 3286, "y": 0, "width": 3840, "height": 2160}]})";
    if (std::getenv("HOPSCAPE_X_SERVER") == nullptr) {
        setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).c_str(), 1);
    }
    // A repaint asked for reaches the window as soon as the events are processed, so that a
    // test can look at what is on the screen right after a tick.
    setenv("QT_QPA_UPDATE_IDLE_TIME", "0", 1);
    // The window's texts are English here whatever the machine's language; a test that wants
    // another asks for it with --lang.
    setenv("LANGUAGE", "en", 1);
    QApplication application(argc, argv);
    // What the program keeps for next time goes where a test's run leaves no trace.
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
