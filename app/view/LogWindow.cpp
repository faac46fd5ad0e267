#include "app/view/LogWindow.h"

#include <QKeyEvent>
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

bool LogWindow::event(QEvent* event) {
    // Ctrl+C copies the selected lines: the text takes the key before the program's shortcuts.
    if (event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void LogWindow::Show(const std::vector<ChangeLog::Line>& lines, std::size_t dropped) {
    if (shown_ < dropped) {
        // Lines dropped before they were shown: the log is shown afresh from its oldest line.
        text_->clear();
        shown_ = dropped;
    }
    for (std::size_t i = shown_ - dropped; i < lines.size(); ++i) {
        text_->appendPlainText(QString::fromStdString(lines[i].Shown()));
    }
    shown_ = dropped + lines.size();
}

QString LogWindow::Text() const {
    return text_->toPlainText();
}
