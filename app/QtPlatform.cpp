#include "app/QtPlatform.h"

#include <QMessageBox>

#include <chrono>

void QtPlatform::ShowMessage(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, QString(), QString::fromStdString(text), QMessageBox::Ok,
                    parent_);
    box.exec();
}

std::uint64_t QtPlatform::ClockSeed() {
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}
