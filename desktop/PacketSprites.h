#pragma once

#include "desktop/TwipsTransform.h"
#include "form/Layout.h"

#include <QImage>

#include <unordered_map>

class QPainter;
struct ShapeControl;

// Packet circles drawn once and copied after: every look a packet takes (border colour and
// width, fill, size) is rendered at each quarter-pixel offset the first time it is needed, and
// each frame copies the rendering instead of stroking the ring again. The copy is the drawing a
// painter makes of the circle at that place, give or take the smoothing of its edge.
class PacketSprites {
public:
    // Forgets every rendering: the scale or the pixel ratio changed.
    void Clear() { sprites_.clear(); }
    // Draws the packet marker as a circle inside its bounds, its border (and the look's
    // outline round it) inside them too. The renderings are of one look: Clear() when it changes.
    void Draw(QPainter& painter, const TwipsTransform& transform, const ShapeControl& packet,
              const Layout::PacketLook& look);
    // The same on a painter of the device's own pixels (no scaling), `ratio` device pixels a
    // pixel of the transform.
    void DrawInDevicePixels(QPainter& painter, const TwipsTransform& transform,
                            const ShapeControl& packet, const Layout::PacketLook& look,
                            double ratio);
    std::size_t Size() const { return sprites_.size(); }
    // The circle itself, drawn straight at its place moved by `offset` pixels.
    static void DrawCircle(QPainter& painter, const TwipsTransform& transform,
                           const ShapeControl& packet, const Layout::PacketLook& look,
                           QPointF offset);

private:
    static constexpr int kPhases = 4; // offsets per pixel, across and down
    static constexpr std::size_t kMostSprites = 4096;

    // Everything that makes two renderings differ.
    struct Key {
        int border, fill, borderWidth, width, height, phase;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };

    // The rendering of the packet at `ratio` device pixels a pixel, and the device pixel its
    // corner goes to.
    const QImage& Sprite(const TwipsTransform& transform, const ShapeControl& packet,
                         const Layout::PacketLook& look, double ratio, QPointF& corner);
    QImage Render(const TwipsTransform& transform, const ShapeControl& packet,
                  const Layout::PacketLook& look, double ratio, QPointF phase) const;
    std::unordered_map<Key, QImage, KeyHash> sprites_;
};
