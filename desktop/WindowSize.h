#pragma once

#include "scene/DrawingFit.h"

#include <QSize>

#include <functional>

class QWidget;

// How large the main window is made: the drawing's fit at the screen's scale, the size it opens
// at, and how it grows or shrinks as a strip comes or goes.
class WindowSize {
public:
    WindowSize(QWidget& window, int formWidth, int formHeight)
        : window_(window), fit_(formWidth, formHeight) {}

    DrawingFit& Fit() { return fit_; }
    const DrawingFit& Fit() const { return fit_; }
    // Pixels per twip at the window's full size (1440 twips per logical inch).
    double BaseScale() const;
    // The window's size at `fraction` of its full size, and the size to open at in a screen area
    // of `room` (DrawingFit::Opening).
    QSize At(double fraction) const;
    QSize Opening(const QSize& room) const;
    // Runs `change` (a strip shown or hidden), then grows or shrinks the window by what it added
    // or took away at the drawing's `scale`; a maximised or full-screen window keeps its size.
    void Regrow(double scale, const std::function<void()>& change);

private:
    QWidget& window_;
    DrawingFit fit_;
};
