#pragma once

#include "scene/Look.h"
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

    // At the transform's scale, in the look given (the hall's writes it as large as the rows).
    void Place(const TwipsTransform& transform, const Look& look);
    // Shows what the lecture's corner says; nothing is redrawn while that stays the same.
    void Sync(const ::Lecture::Meter& shows);

private:
    // The meter's text at its points, made smaller only where it would not fit its box.
    void Fit();

    QLabel* meter_ = nullptr;
    double points_ = 0; // the meter's points at the transform's scale, in pixels
    double scale_ = 1;
    QToolButton* help_ = nullptr;
    ::Lecture::Meter shown_{true, "", "", ""}; // no meter says this: the first Sync shows
};
