#include "app/view/Program.h"

#include <QApplication>
#include <QIcon>
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
}
