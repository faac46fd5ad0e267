#include "desktop/TwipsTransform.h"

#include <algorithm>
#include <cmath>

QRect TwipsTransform::Rect(double left, double top, double width, double height) const {
    const QPointF a = Point(left, top);
    const QPointF b = Point(left + width, top + height);
    const int x = static_cast<int>(std::lround(a.x()));
    const int y = static_cast<int>(std::lround(a.y()));
    return {x, y, static_cast<int>(std::lround(b.x())) - x,
            static_cast<int>(std::lround(b.y())) - y};
}

QFont TwipsTransform::Font(double points, bool bold) const {
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    // Liberation Sans has the metrics of the classic desktop sans-serif the layout was drawn for.
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 20.0 * scale_))));
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    return font;
}
