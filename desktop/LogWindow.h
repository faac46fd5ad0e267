#pragma once

#include "app/ChangeLog.h"

#include <QWidget>

class LogView;

// The message log in a window of its own, beside the main window: every router message and what
// it did, one line each with its tick. Lines can be selected and copied (Ctrl+C here copies the
// lines selected, not the window's picture). However long the log grows, a new line costs the
// same, and the window keeps the newest ChangeLog::kMostLines.
class LogWindow : public QWidget {
    Q_OBJECT

public:
    explicit LogWindow(QWidget* parent = nullptr);
    // Shows the lines the log holds, the first of them line `dropped` of all it ever held:
    // appends those not shown yet, each once.
    void Show(const std::vector<ChangeLog::Line>& lines, std::size_t dropped);
    // Every line shown, one a line.
    QString Text() const;
    LogView& Lines() { return *view_; }

protected:
    bool event(QEvent* event) override;

private:
    LogView* view_ = nullptr;
    std::size_t shown_ = 0; // lines shown so far, counted over all the log ever held
};
