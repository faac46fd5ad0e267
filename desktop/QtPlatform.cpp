#include "desktop/QtPlatform.h"

#include <QMessageBox>

#include <chrono>

void QtPlatform::ShowMessage(const std::string& text) {
    const QString title = parent_ != nullptr ? parent_->windowTitle() : QString();
    QMessageBox box(QMessageBox::NoIcon, title, QString::fromStdString(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

std::uint64_t QtPlatform::ClockSeed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}
