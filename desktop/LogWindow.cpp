#include "desktop/LogWindow.h"

#include "desktop/LogView.h"
#include "desktop/QtText.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include <deque>

LogWindow::LogWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("LogWindow"));
    setWindowTitle(QtText("Pelko's Hopscape Demo - message log"));
    setAccessibleName(QtText("Message log"));
    view_ = new LogView(ChangeLog::kMostLines, this);
    view_->setObjectName(QStringLiteral("LogLines"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    resize(640, 420);
}

bool LogWindow::event(QEvent* event) {
    // Ctrl+C and Ctrl+A act on the log's lines: it takes the keys before the program's shortcuts.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void LogWindow::Show(const std::vector<ChangeLog::Line>& lines, std::size_t dropped) {
    if (shown_ < dropped) {
        // Lines dropped before they were shown: the log is shown afresh from its oldest line.
        view_->Clear();
        shown_ = dropped;
    }
    std::deque<QString> added;
    for (std::size_t i = shown_ - dropped; i < lines.size(); ++i) {
        added.push_back(QString::fromStdString(lines[i].Shown()));
    }
    shown_ = dropped + lines.size();
    view_->Append(added);
}

QString LogWindow::Text() const {
    return view_->Text();
}
