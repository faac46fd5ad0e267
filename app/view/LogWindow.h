#pragma once

#include "app/ChangeLog.h"

#include <QWidget>

class QPlainTextEdit;

// The message log in a window of its own, beside the main window: every router message and what
// it did, one line each with its tick, as plain text that can be selected and copied.
class LogWindow : public QWidget {
    Q_OBJECT

public:
    explicit LogWindow(QWidget* parent = nullptr);
    // Shows the lines the log holds, appending only those not shown yet.
    void Show(const std::vector<ChangeLog::Line>& lines);
    QString Text() const;

private:
    QPlainTextEdit* text_ = nullptr;
    std::size_t shown_ = 0;
    long lastTick_ = -1;
    std::string lastText_;
};
