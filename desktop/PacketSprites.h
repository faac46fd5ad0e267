#pragma once

#include "scene/MarkerShape.h"

#include <QImage>
#include <QPointF>

#include <unordered_map>

class QPainter;

// Packet markers drawn once and copied after: every look a marker takes (border colour and
// width, fill, size) is rendered at each quarter-pixel offset the first time it is needed, and
// each frame copies the rendering instead of stroking the ring again. The copy is the drawing a
// painter makes of the marker at that place, give or take the smoothing of its edge.
class PacketSprites {
public:
    // Forgets every rendering: the scale, the pixel ratio or the look changed.
    void Clear() { sprites_.clear(); }
    // Draws the marker at its place. The renderings are of one look: Clear() when it changes.
    void Draw(QPainter& painter, const MarkerShape& marker);
    // The same on a painter of the device's own pixels (no scaling), `ratio` device pixels a
    // pixel.
    void DrawInDevicePixels(QPainter& painter, const MarkerShape& marker, double ratio);
    std::size_t Size() const { return sprites_.size(); }

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

    // The rendering of the marker at `ratio` device pixels a pixel, and the device pixel its
    // corner goes to.
    const QImage& Sprite(const MarkerShape& marker, double ratio, QPointF& corner);
    static QImage Render(const MarkerShape& marker, double ratio, QPointF phase);
    std::unordered_map<Key, QImage, KeyHash> sprites_;
};
