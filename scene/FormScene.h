#pragma once

#include "form/FormState.h"
#include "scene/Geometry.h"
#include "scene/Look.h"
#include "scene/TwipsToPixels.h"

#include <array>
#include <span>

class Canvas;
struct LabelControl;

// The window's graphical controls, bottom to top: link and drop lines, router rectangles,
// network end markers, labels and the packet markers. Push buttons, the check box, the list and
// the router panels are controls of their own and stand above all of it. The drawing comes in
// two layers: the still one, which only clicks change and a front end may keep as a picture,
// and the moving one (the status line and the packets) painted over it.
class FormScene {
public:
    FormScene(const FormState& form, const TwipsToPixels& transform, const Look& look)
        : form_(form), transform_(transform), look_(look) {}

    // The still layer over `area`: the form's colour, link and drop lines, router rectangles,
    // network end markers, and network and cost labels.
    void PaintStill(Canvas& canvas, const PixelRect& area) const;
    // The moving layer within the region: the status line, then the packet markers.
    void PaintMoving(Canvas& canvas, std::span<const PixelRect> region) const;
    // The same within one rectangle of a repaint, the markers' areas found beforehand.
    void PaintMoving(Canvas& canvas, const PixelRect& rect,
                     const std::array<PixelRect, kPacketSlots>& areas) const;
    // Every packet marker's area, empty where it is hidden.
    std::array<PixelRect, kPacketSlots> PacketAreas() const;
    // The pixels a packet marker covers, its smoothed edge included.
    PixelRect PacketArea(const ShapeControl& packet) const;
    // The pixels of the status line.
    PixelRect StatusArea() const;

private:
    // The status line; in the hall's look its design caption at start is left out.
    void PaintStatus(Canvas& canvas, std::span<const PixelRect> region) const;
    void PaintMarker(Canvas& canvas, const ShapeControl& packet) const;
    // `heavy`: in the tables' heavy face, bold, no smaller than their rows in the hall's look;
    // `points`, where larger than the label's own: at that size, drawn narrower where it is wider
    // than its box.
    void PaintLabel(Canvas& canvas, const LabelControl& label, std::span<const PixelRect> region,
                    bool heavy = false, double points = 0) const;

    const FormState& form_;
    const TwipsToPixels& transform_;
    const Look& look_;
};
