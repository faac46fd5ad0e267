#include "scene/MarkerShape.h"

#include "form/Controls.h"
#include "scene/Canvas.h"
#include "scene/Look.h"
#include "scene/TwipsToPixels.h"

RectF MarkerShape::Bounds() const {
    return transform_.Place(packet_.left, packet_.top, packet_.width, packet_.height);
}

PixelRect MarkerShape::Area() const {
    return Bounds().Aligned().Adjusted(-2, -2, 2, 2);
}

void MarkerShape::Draw(Canvas& canvas, PointF offset) const {
    RectF bounds = Bounds().Translated(offset);
    if (look_.markerOutline >= 0) {
        // The outline round the ring, as a disc the ring and fill then cover but for its edge.
        canvas.Ellipse(bounds, Pen{-1, 0}, look_.markerOutline);
        const double outline = transform_.PenWidth(look_.markerOutlineWidth);
        bounds = {bounds.left + outline, bounds.top + outline, bounds.width - 2 * outline,
                  bounds.height - 2 * outline};
    }
    const double pen = transform_.PenWidth(packet_.borderWidth * look_.ringFactor);
    canvas.Ellipse(bounds.Adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2),
                   Pen{packet_.borderColour, pen}, packet_.fillColour);
}
