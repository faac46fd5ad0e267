#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRect>
#include <QRectF>

// The one mapping from the layout's twips to the widgets' pixels: a uniform scale (pixels per
// twip) and an offset. Widths given in design pixels (line and border widths) are 15 twips each,
// so they scale with everything else.
class TwipsTransform {
public:
    static constexpr double kTwipsPerInch = 1440.0;
    static constexpr double kTwipsPerDesignPixel = 15.0;

    TwipsTransform() = default;
    TwipsTransform(double pixelsPerTwip, QPointF offset) : scale_(pixelsPerTwip), offset_(offset) {}

    double Scale() const { return scale_; }
    QPointF Point(double x, double y) const {
        return {offset_.x() + x * scale_, offset_.y() + y * scale_};
    }
    QRectF RectF(double left, double top, double width, double height) const {
        return {Point(left, top), QSizeF(width * scale_, height * scale_)};
    }
    // Whole-pixel rectangle for a child widget: both edges are rounded, so neighbours stay flush.
    QRect Rect(double left, double top, double width, double height) const;
    double PenWidth(double designPixels) const {
        return designPixels * kTwipsPerDesignPixel * scale_;
    }
    // A sans-serif font of the given point size (1 pt = 20 twips), sized in pixels for this scale.
    QFont Font(double points, bool bold) const;

private:
    double scale_ = 1.0 / kTwipsPerDesignPixel;
    QPointF offset_;
};

// A colour held as 0xBBGGRR.
inline QColor ToQColor(int bgr) {
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
