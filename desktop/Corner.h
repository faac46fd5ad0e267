#pragma once

#include "session/Lecture.h"

#include <QObject>

class QAction;
class QLabel;
class QToolButton;
class QWidget;
class TwipsTransform;

// The window's corners: the meter at the top right (RIP's rules that are on, and whether the
// tables have converged while the true costs are shown) and the quiet "?" at the bottom left, a
// way in to the help for whoever does not know of F1 or the right click.
class Corner : public QObject {
public:
    Corner(QWidget& window, QAction& help);

    void Place(const TwipsTransform& transform);
    // Shows what the lecture's corner says; nothing is redrawn while that stays the same.
    void Sync(const ::Lecture::Meter& shows);

private:
    QLabel* meter_ = nullptr;
    QToolButton* help_ = nullptr;
    ::Lecture::Meter shown_{true, "", "", ""}; // no meter says this: the first Sync shows
};
