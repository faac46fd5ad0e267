#pragma once

#include "desktop/QtCanvas.h"

class PacketSprites;

// The canvas a tick paints on: packet markers are copied from their kept renderings, one to one
// where the painter paints the device's own pixels.
class SpriteCanvas : public QtCanvas {
public:
    SpriteCanvas(QPainter& painter, PacketSprites& sprites, int devicePixels = 0)
        : QtCanvas(painter, devicePixels), sprites_(sprites) {}

    bool CopyMarker(const MarkerShape& marker) override;

private:
    PacketSprites& sprites_;
};
