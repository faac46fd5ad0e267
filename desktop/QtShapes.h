#pragma once

#include "scene/Geometry.h"

#include <QColor>
#include <QPointF>
#include <QRect>
#include <QRectF>

// The drawing's colours, points and rectangles in Qt's types.
inline QColor ToQColor(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
inline QRect ToQRect(const PixelRect& r) {
    return {r.left, r.top, r.width, r.height};
}
inline PixelRect FromQRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
}
inline QRectF ToQRectF(const RectF& r) {
    return {r.left, r.top, r.width, r.height};
}
inline QPointF ToQPointF(PointF p) {
    return {p.x, p.y};
}
