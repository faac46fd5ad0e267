#include "app/view/Program.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>

void Program::SetUpApplication() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Ties the window to its installed menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.hopscape.Hopscape"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.hopscape.Hopscape")));
}

namespace {

// Start-up runs before the window is built, as it runs before the window is shown.
MainForm& StartedUp(MainForm& form) {
    form.Form_Load();
    return form;
}

} // namespace

Program::Program() : form_(platform_, random_), window_(StartedUp(form_)) {
    platform_.SetParent(&window_);
    // Where the screen is smaller than the window, it opens scaled down to fit, frame included.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QStyle* style = window_.style();
        const int frame = 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
        const QSize room = screen->availableGeometry().size() -
                           QSize(frame, frame + style->pixelMetric(QStyle::PM_TitleBarHeight));
        window_.resize(window_.OpeningSize(room));
    }
}
