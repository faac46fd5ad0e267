#include "app/FormPainter.h"

#include "app/FormState.h"

#include <QPainter>

namespace {

void DrawLine(QPainter& painter, const TwipsTransform& t, const LineControl& line) {
    if (!line.visible) {
        return;
    }
    QPen pen(ToQColor(line.colour), t.PenWidth(line.width));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(t.Point(line.x1, line.y1), t.Point(line.x2, line.y2));
}

// Shapes keep their border inside their bounds, as the layout sizes them.
void DrawShape(QPainter& painter, const TwipsTransform& t, const ShapeControl& shape, bool round) {
    if (!shape.visible) {
        return;
    }
    const double pen = t.PenWidth(shape.borderWidth);
    const QRectF bounds = t.RectF(shape.left, shape.top, shape.width, shape.height);
    const QRectF inner = bounds.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    painter.setPen(QPen(ToQColor(shape.borderColour), pen));
    painter.setBrush(ToQColor(shape.fillColour));
    if (round) {
        painter.drawEllipse(inner);
    } else {
        painter.drawRect(inner);
    }
}

void DrawLabel(QPainter& painter, const TwipsTransform& t, const LabelControl& label) {
    if (!label.visible) {
        return;
    }
    const QRectF box = t.RectF(label.box.left, label.box.top, label.box.width, label.box.height);
    if (!label.transparent) {
        painter.fillRect(box, ToQColor(FormPainter::kFormColour));
    }
    painter.setPen(Qt::black);
    painter.setFont(t.Font(label.fontPoints, false));
    const Qt::Alignment align = (label.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    // A label shows only what fits its box.
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.drawText(box, align, QString::fromStdString(label.caption));
    painter.restore();
}

} // namespace

void FormPainter::Paint(QPainter& painter, const QRect& area) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(area, ToQColor(kFormColour));
    PaintLines(painter);
    PaintShapes(painter);
    PaintLabels(painter);
    PaintPackets(painter, area);
}

void FormPainter::PaintLines(QPainter& painter) const {
    for (const LineControl& line : form_.lne) {
        DrawLine(painter, transform_, line);
    }
    for (const LineControl& line : form_.drop) {
        DrawLine(painter, transform_, line);
    }
}

void FormPainter::PaintShapes(QPainter& painter) const {
    for (const ShapeControl& shape : form_.Shape1) {
        DrawShape(painter, transform_, shape, false);
    }
    for (const ShapeControl& shape : form_.Shape2) {
        DrawShape(painter, transform_, shape, false);
    }
}

void FormPainter::PaintLabels(QPainter& painter) const {
    for (const LabelControl& label : form_.lblNet) {
        DrawLabel(painter, transform_, label);
    }
    for (const LabelControl& label : form_.lblCost) {
        DrawLabel(painter, transform_, label);
    }
    DrawLabel(painter, transform_, form_.Label2);
}

void FormPainter::PaintPackets(QPainter& painter, const QRect& area) const {
    for (const ShapeControl& packet : form_.shpPacket) {
        if (packet.visible && PacketArea(packet).intersects(area)) {
            DrawShape(painter, transform_, packet, true);
        }
    }
}

QRect FormPainter::PacketArea(const ShapeControl& packet) const {
    return transform_.RectF(packet.left, packet.top, packet.width, packet.height)
        .toAlignedRect()
        .adjusted(-2, -2, 2, 2);
}
