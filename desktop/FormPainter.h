#pragma once

#include "desktop/TwipsTransform.h"
#include "form/FormState.h"
#include "form/Layout.h"

#include <QRect>

#include <array>

class PacketSprites;
class QPainter;
class QRegion;
struct ShapeControl;

// Draws the window's graphical controls, bottom to top: link and drop lines, router rectangles,
// network end markers, labels and the packet circles. Push buttons, the check box, the list and
// the router panels are widgets of their own and stand above all of it. The drawing comes in two
// layers: the still one, which the window keeps as a picture until a click changes it, and the
// moving one (status line and packets) painted over it.
class FormPainter {
public:
    FormPainter(const FormState& form, const TwipsTransform& transform,
                const Layout::PacketLook& look = Layout::kPlainPackets)
        : form_(form), transform_(transform), look_(look) {}

    // The drawing only clicks change, over the whole window: the form's colour, link and drop
    // lines, router rectangles, network end markers, and network and cost labels.
    void PaintStill(QPainter& painter, const QRect& area) const;
    // What a tick changes, over the still drawing, within the region: the status line, then the
    // packet circles, drawn from the sprites.
    // Without sprites, the circles are drawn straight (for a sharp picture at any scale).
    void PaintMoving(QPainter& painter, const QRegion& region, PacketSprites* sprites) const;
    // The same within one rectangle of a repaint, the packets' areas found beforehand. With a
    // `ratio`, the painter paints the device's own pixels, `ratio` of them across a pixel.
    void PaintMoving(QPainter& painter, const QRect& rect,
                     const std::array<QRect, kPacketSlots>& areas, PacketSprites& sprites,
                     int ratio = 0) const;
    // Every packet marker's area, empty where it is hidden.
    std::array<QRect, kPacketSlots> PacketAreas() const;
    // The pixels a packet marker covers, border included, for repainting just that much.
    QRect PacketArea(const ShapeControl& packet) const;
    // The pixels of the status line.
    QRect StatusArea() const;

private:
    // The status line; in the projector look its design caption at start is left out.
    void DrawStatus(QPainter& painter, const QRegion& region) const;
    void PaintPacket(QPainter& painter, const ShapeControl& packet, PacketSprites* sprites) const;

    const FormState& form_;
    const TwipsTransform& transform_;
    Layout::PacketLook look_;
};
