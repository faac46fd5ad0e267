#pragma once

#include "app/MainForm.h"
#include "common/SeededRandom.h"
#include "desktop/MainWindow.h"
#include "desktop/QtPlatform.h"
#include "session/Demonstration.h"
#include "session/StartOptions.h"

// The program as it opens: the application's look, then the window state started up, the lesson
// round it and its window, ready to show. Shared by `main`, the start-up benchmark and the
// snapshot tool, so all open the same way.
class Program {
public:
    // The style, desktop entry name and icon of the application; call once QApplication exists.
    static void SetUpApplication();

    // Opens as the options ask; with none, exactly as the program always opens.
    // Without a `room` the window opens fitted to the primary screen. A `platform` given (a tool
    // with no one to dismiss a message box, say) stands in for the desktop's own.
    explicit Program(const StartOptions& options = {}, const QSize& room = ScreenRoom(),
                     Platform* platform = nullptr);
    MainWindow& Window() { return window_; }
    // The screen area the window may take, its frame allowed for; empty when there is no screen.
    static QSize ScreenRoom();

private:
    QtPlatform desktop_;
    Platform& platform_;
    StartOptions options_; // as given, with the seed drawn from the clock where none was
    SeededRandom random_;
    MainForm form_;
    Demonstration demonstration_;
    MainWindow window_;
};
