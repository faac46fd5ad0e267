#include "desktop/Program.h"

#include "common/Translate.h"

#include "desktop/LessonControls.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTranslator>

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
    // Qt's own words (a message box's buttons, a file dialogue's) in the language spoken, where
    // Debian's Qt translations are installed.
    if (const Catalogue* catalogue = CurrentCatalogue()) {
        auto* qt = new QTranslator(qApp);
        if (qt->load(QStringLiteral("qtbase_") + QString::fromStdString(catalogue->Language())
                                                     .replace(QLatin1Char('-'), QLatin1Char('_')),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt);
        }
    }
}

namespace {

// Start-up runs before the window is built, as it runs before the window is shown.
MainForm& StartedUp(MainForm& form, RandomSource& random, const StartOptions& options) {
    options.Start(form, random);
    return form;
}

// The options with a seed, from the clock where they give none: a lecture that follows this one
// starts from the same.
StartOptions Seeded(StartOptions options, Platform& platform) {
    if (!options.seed) {
        options.Set("seed", std::to_string(platform.ClockSeed()));
    }
    return options;
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
    : platform_(platform != nullptr ? *platform : desktop_), options_(Seeded(options, platform_)),
      form_(platform_, random_), demonstration_(StartedUp(form_, random_, options_)),
      window_(demonstration_, room, nullptr, options_) {
    desktop_.SetParent(&window_);
}
