#include "scene/TwipsToPixels.h"

#include <algorithm>
#include <cmath>

PixelRect TwipsToPixels::Pixels(double left, double top, double width, double height) const {
    const PointF a = Point(left, top);
    const PointF b = Point(left + width, top + height);
    const int x = static_cast<int>(std::lround(a.x));
    const int y = static_cast<int>(std::lround(a.y));
    return {x, y, static_cast<int>(std::lround(b.x)) - x, static_cast<int>(std::lround(b.y)) - y};
}

Font TwipsToPixels::FontOf(double points, bool bold, bool heavy) const {
    return {std::max(1, static_cast<int>(std::lround(points * 20.0 * scale_))), bold, heavy};
}
