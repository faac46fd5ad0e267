#pragma once

#include "scene/Geometry.h"

class Canvas;
class TwipsToPixels;
struct Look;
struct ShapeControl;

// A packet marker's shape: a circle inside the marker's bounds, its ring (and the look's outline
// round it) inside them too.
class MarkerShape {
public:
    MarkerShape(const ShapeControl& packet, const TwipsToPixels& transform, const Look& look)
        : packet_(packet), transform_(transform), look_(look) {}

    const ShapeControl& Packet() const { return packet_; }
    const TwipsToPixels& Transform() const { return transform_; }
    // Where the marker lies, in pixels.
    RectF Bounds() const;
    // The pixels it may touch, its smoothed edge included.
    PixelRect Area() const;
    // Draws the circle at its place moved by `offset` pixels.
    void Draw(Canvas& canvas, PointF offset) const;

private:
    const ShapeControl& packet_;
    const TwipsToPixels& transform_;
    const Look& look_;
};
