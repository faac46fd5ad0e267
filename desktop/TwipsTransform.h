#pragma once

#include "desktop/QtShapes.h"
#include "scene/TwipsToPixels.h"

#include <QFont>

// The core's mapping from twips to pixels, answering in Qt's types for the widgets.
class TwipsTransform {
public:
    static constexpr double kTwipsPerInch = TwipsToPixels::kTwipsPerInch;

    TwipsTransform() = default;
    TwipsTransform(double pixelsPerTwip, QPointF offset)
        : core_(pixelsPerTwip, {offset.x(), offset.y()}) {}

    const TwipsToPixels& Core() const { return core_; }
    double Scale() const { return core_.Scale(); }
    QPointF Point(double x, double y) const { return ToQPointF(core_.Point(x, y)); }
    QRectF RectF(double left, double top, double width, double height) const {
        return ToQRectF(core_.Place(left, top, width, height));
    }
    // Whole-pixel rectangle for a child widget: both edges are rounded, so neighbours stay flush.
    QRect Rect(double left, double top, double width, double height) const {
        return ToQRect(core_.Pixels(left, top, width, height));
    }
    double PenWidth(double designPixels) const { return core_.PenWidth(designPixels); }
    // The window's sans-serif at the given point size.
    QFont Font(double points, bool bold) const;

private:
    TwipsToPixels core_;
};
