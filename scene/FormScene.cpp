#include "scene/FormScene.h"

#include "form/Layout.h"
#include "scene/Canvas.h"
#include "scene/MarkerShape.h"

#include <algorithm>

namespace {

bool Meets(std::span<const PixelRect> region, const PixelRect& rect) {
    return std::any_of(region.begin(), region.end(),
                       [&](const PixelRect& r) { return r.Intersects(rect); });
}

void PaintLine(Canvas& canvas, const TwipsToPixels& t, const LineControl& line) {
    if (line.visible) {
        canvas.Line(t.Point(line.x1, line.y1), t.Point(line.x2, line.y2),
                    Pen{line.colour, t.PenWidth(line.width), true});
    }
}

// Rectangles keep their border inside their bounds, as the layout sizes them.
void PaintRectangle(Canvas& canvas, const TwipsToPixels& t, const ShapeControl& shape) {
    if (!shape.visible) {
        return;
    }
    const RectF bounds = t.Place(shape.left, shape.top, shape.width, shape.height);
    const double pen = t.PenWidth(shape.borderWidth);
    canvas.Rectangle(bounds.Adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2),
                     Pen{shape.borderColour, pen}, shape.fillColour);
}

} // namespace

void FormScene::PaintLabel(Canvas& canvas, const LabelControl& label,
                           std::span<const PixelRect> region, bool heavy, double points) const {
    const Box& b = label.box;
    const RectF box = transform_.Place(b.left, b.top, b.width, b.height);
    if (!label.visible || !Meets(region, box.Aligned())) {
        return;
    }
    if (!label.transparent) {
        canvas.Fill(box, look_.form);
    }
    Font font =
        heavy ? transform_.FontOf(std::max(label.fontPoints, kProjectorLook.rowPoints), true, true)
              : transform_.FontOf(label.fontPoints, false);
    if (font.pixels < look_.leastTextPixels) {
        // Grown round its middle to hold the text at the least size, and not cut.
        font.pixels = look_.leastTextPixels;
        const double wide = std::max(box.width, canvas.Advance(font, label.caption) + 2);
        const double tall = std::max(box.height, font.pixels * 1.25);
        const PointF middle = box.Centre();
        canvas.Text({middle.x - wide / 2, middle.y - tall / 2, wide, tall}, label.caption, font,
                    look_.text, TextAlign::kCentre, false);
        return;
    }
    if (points > label.fontPoints) {
        font = transform_.FontOf(points, false);
        const double wide = canvas.Advance(font, label.caption);
        canvas.Text(box, label.caption, font, look_.text, TextAlign::kLeft, true,
                    wide > box.width ? box.width / wide : 1.0);
        return;
    }
    // A label shows only what fits its box.
    canvas.Text(box, label.caption, font, look_.text,
                label.centred ? TextAlign::kCentre : TextAlign::kLeft, true);
}

void FormScene::PaintStill(Canvas& canvas, const PixelRect& area) const {
    // The ground a pixel beyond the area: at a fractional pixel ratio the last row and column of
    // device pixels are only half inside the area, and must not be blended with what was there.
    canvas.Ground(area.Adjusted(0, 0, 1, 1), look_.form);
    for (const LineControl& line : form_.lne) {
        PaintLine(canvas, transform_, line);
    }
    for (const LineControl& line : form_.drop) {
        PaintLine(canvas, transform_, line);
    }
    for (const ShapeControl& shape : form_.Shape1) {
        PaintRectangle(canvas, transform_, shape);
    }
    for (const ShapeControl& shape : form_.Shape2) {
        PaintRectangle(canvas, transform_, shape);
    }
    const std::span<const PixelRect> everything(&area, 1);
    for (const LabelControl& label : form_.lblNet) {
        PaintLabel(canvas, label, everything);
    }
    for (const LabelControl& label : form_.lblCost) {
        PaintLabel(canvas, label, everything, look_.heavyCosts);
    }
}

void FormScene::PaintStatus(Canvas& canvas, std::span<const PixelRect> region) const {
    if (!look_.statusInDrawing ||
        (!look_.designStatus && form_.Label2.caption == Layout::kStatusAtStart)) {
        return;
    }
    // In the hall's look as large as the tables' rows.
    PaintLabel(canvas, form_.Label2, region, false, look_.statusPoints);
}

void FormScene::PaintMoving(Canvas& canvas, std::span<const PixelRect> region) const {
    PaintStatus(canvas, region);
    for (const ShapeControl& packet : form_.shpPacket) {
        if (packet.visible && Meets(region, PacketArea(packet))) {
            PaintMarker(canvas, packet);
        }
    }
}

void FormScene::PaintMoving(Canvas& canvas, const PixelRect& rect,
                            const std::array<PixelRect, kPacketSlots>& areas) const {
    if (rect.Intersects(StatusArea())) {
        PaintStatus(canvas, std::span<const PixelRect>(&rect, 1));
    }
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (areas[i].Intersects(rect)) {
            PaintMarker(canvas, form_.shpPacket[i]);
        }
    }
}

void FormScene::PaintMarker(Canvas& canvas, const ShapeControl& packet) const {
    const MarkerShape marker(packet, transform_, look_);
    if (!canvas.CopyMarker(marker)) {
        marker.Draw(canvas, {});
    }
}

std::array<PixelRect, kPacketSlots> FormScene::PacketAreas() const {
    std::array<PixelRect, kPacketSlots> areas{};
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (form_.shpPacket[i].visible) {
            areas[i] = PacketArea(form_.shpPacket[i]);
        }
    }
    return areas;
}

PixelRect FormScene::PacketArea(const ShapeControl& packet) const {
    return MarkerShape(packet, transform_, look_).Area();
}

PixelRect FormScene::StatusArea() const {
    const Box& b = form_.Label2.box;
    return transform_.Pixels(b.left, b.top, b.width, b.height).Adjusted(-1, -1, 1, 1);
}
