#include "app/view/LogWindow.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

LogWindow::LogWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("LogWindow"));
    setWindowTitle(QStringLiteral("Pelko's Hopscape Demo - message log"));
    setAccessibleName(QStringLiteral("Message log"));
    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setMaximumBlockCount(static_cast<int>(ChangeLog::kMostLines));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_);
    resize(640, 420);
}

void LogWindow::Show(const std::vector<ChangeLog::Line>& lines) {
    // The log drops its oldest lines when it grows long: then it is shown afresh.
    const bool sameStart =
        shown_ <= lines.size() && (shown_ == 0 || (lines[shown_ - 1].tick == lastTick_ &&
                                                   lines[shown_ - 1].text == lastText_));
    if (!sameStart) {
        text_->clear();
        shown_ = 0;
    }
    for (; shown_ < lines.size(); ++shown_) {
        text_->appendPlainText(QStringLiteral("tick %1  %2")
                                   .arg(lines[shown_].tick)
                                   .arg(QString::fromStdString(lines[shown_].text)));
    }
    if (!lines.empty()) {
        lastTick_ = lines.back().tick;
        lastText_ = lines.back().text;
    }
}

QString LogWindow::Text() const {
    return text_->toPlainText();
}
