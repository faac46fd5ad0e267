#pragma once

#include "app/MainForm.h"
#include "app/StartOptions.h"
#include "app/view/MainWindow.h"
#include "app/view/QtPlatform.h"
#include "common/SeededRandom.h"

// The program as it opens: the application's look, then the window state started up and its
// window, ready to show. Shared by `main` and the start-up benchmark, so both open the same way.
class Program {
public:
    // The style, desktop entry name and icon of the application; call once QApplication exists.
    static void SetUpApplication();

    // Opens as the options ask; with none, exactly as the program always opens.
    explicit Program(const StartOptions& options = {});
    MainWindow& Window() { return window_; }

private:
    QtPlatform platform_;
    SeededRandom random_;
    MainForm form_;
    MainWindow window_;
};
