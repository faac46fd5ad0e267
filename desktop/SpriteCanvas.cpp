#include "desktop/SpriteCanvas.h"

#include "desktop/PacketSprites.h"

bool SpriteCanvas::CopyMarker(const MarkerShape& marker) {
    if (DevicePixels() > 0) {
        sprites_.DrawInDevicePixels(Painter(), marker, DevicePixels());
    } else {
        sprites_.Draw(Painter(), marker);
    }
    return true;
}
