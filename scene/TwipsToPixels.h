#pragma once

#include "scene/Canvas.h"
#include "scene/Geometry.h"

// The one mapping from the layout's twips to pixels: a uniform scale (pixels per twip) and an
// offset. Widths given in design pixels (line and border widths) are 15 twips each, so they
// scale with everything else.
class TwipsToPixels {
public:
    static constexpr double kTwipsPerInch = 1440.0;
    static constexpr double kTwipsPerDesignPixel = 15.0;

    TwipsToPixels() = default;
    TwipsToPixels(double pixelsPerTwip, PointF offset) : scale_(pixelsPerTwip), offset_(offset) {}

    double Scale() const { return scale_; }
    PointF Offset() const { return offset_; }
    // The same scale without the offset: a panel draws in its own twips.
    TwipsToPixels Local() const { return {scale_, {}}; }
    PointF Point(double x, double y) const {
        return {offset_.x + x * scale_, offset_.y + y * scale_};
    }
    RectF Place(double left, double top, double width, double height) const {
        const PointF corner = Point(left, top);
        return {corner.x, corner.y, width * scale_, height * scale_};
    }
    // Whole pixels for a control of its own: both edges are rounded, so neighbours stay flush.
    PixelRect Pixels(double left, double top, double width, double height) const;
    double PenWidth(double designPixels) const {
        return designPixels * kTwipsPerDesignPixel * scale_;
    }
    // A font of the given point size (1 pt = 20 twips), in whole pixels at this scale.
    Font FontOf(double points, bool bold, bool heavy = false) const;

private:
    double scale_ = 1.0 / kTwipsPerDesignPixel;
    PointF offset_;
};
