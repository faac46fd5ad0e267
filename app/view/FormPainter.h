#pragma once

#include "common/view/TwipsTransform.h"

class FormState;
class QPainter;
class QRegion;
struct ShapeControl;

// Draws the window's graphical controls, bottom to top: link and drop lines, router rectangles,
// network end markers, labels and the packet circles. Push buttons, the check box, the list and
// the router panels are widgets of their own and stand above all of it.
class FormPainter {
public:
    static constexpr int kFormColour = 0xF0F0F0;

    FormPainter(const FormState& form, const TwipsTransform& transform)
        : form_(form), transform_(transform) {}

    // Paints what lies in the region; items wholly outside it are skipped.
    void Paint(QPainter& painter, const QRegion& region) const;
    // The pixels a packet marker covers, border included, for repainting just that much.
    QRect PacketArea(const ShapeControl& packet) const;

private:
    void PaintLines(QPainter& painter, const QRegion& region) const;
    void PaintShapes(QPainter& painter, const QRegion& region) const;
    void PaintLabels(QPainter& painter, const QRegion& region) const;
    void PaintPackets(QPainter& painter, const QRegion& region) const;

    const FormState& form_;
    const TwipsTransform& transform_;
};
