#include "desktop/Program.h"

#include "desktop/LessonControls.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

#include <malloc.h>

void Program::SetUpApplication() {
    // Pictures of the window (tens of megabytes on a 4K screen) are mapped on their own and given
    // back when they go: left to grow with them, the allocator's threshold would take them from
    // the heap, which then keeps their pages long after.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Ties the window to its installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.hopscape.Hopscape"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.hopscape.Hopscape")));
}

namespace {

// Start-up runs before the window is built, as it runs before the window is shown.
MainForm& StartedUp(MainForm& form, RandomSource& random, const StartOptions& options) {
    options.Start(form, random);
    return form;
}

} // namespace

QSize Program::ScreenRoom() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return {};
    }
    const QStyle* style = QApplication::style();
    const int frame = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    return screen->availableGeometry().size() -
           QSize(frame, frame + style->pixelMetric(QStyle::PM_TitleBarHeight));
}

Program::Program(const StartOptions& options, const QSize& room, Platform* platform)
    : platform_(platform != nullptr ? *platform : desktop_), form_(platform_, random_),
      demonstration_(StartedUp(form_, random_, options)), window_(demonstration_, room) {
    desktop_.SetParent(&window_);
    if (options.demonstration) {
        demonstration_.Open(*options.demonstration, window_.Now());
    }
    if (options.lesson) {
        window_.Lessons().StartLesson(*options.lesson);
    }
    if (options.practice) {
        window_.Lessons().Practise(*options.practice, options.seed.value_or(platform_.ClockSeed()));
    }
    for (const std::string& note : options.notes) {
        demonstration_.Note(note);
    }
    if (options.projector) {
        demonstration_.SetProjector(true);
        window_.SyncLook();
    }
    window_.Sync();
}
