#pragma once

#include <QRect>
#include <QRegion>

#include <vector>

// What a tick asks to repaint, gathered as rectangles and handed to the window as one region.
// Rectangles that overlap or lie close are covered by one: the window system paints a region of
// a few rectangles far faster than one of many, even when it is a little larger. Two rectangles
// are joined when the rectangle round both is at most twice their areas together.
class DirtyArea {
public:
    void Add(const QRect& rect) {
        if (!rect.isEmpty()) {
            rects_.push_back(rect);
        }
    }
    QRegion Region();

private:
    std::vector<QRect> rects_;
};
