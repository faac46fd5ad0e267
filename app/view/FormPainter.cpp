#include "app/view/FormPainter.h"

#include "app/form/FormState.h"

#include <QPainter>
#include <QRegion>

namespace {

void DrawLine(QPainter& painter, const TwipsTransform& t, const LineControl& line,
              const QRegion& region) {
    const QRect bounds = QRectF(t.Point(line.x1, line.y1), t.Point(line.x2, line.y2))
                             .normalized()
                             .toAlignedRect()
                             .adjusted(-8, -8, 8, 8);
    if (!line.visible || !region.intersects(bounds)) {
        return;
    }
    QPen pen(ToQColor(line.colour), t.PenWidth(line.width));
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    painter.drawLine(t.Point(line.x1, line.y1), t.Point(line.x2, line.y2));
}

// Shapes keep their border inside their bounds, as the layout sizes them.
void DrawShape(QPainter& painter, const TwipsTransform& t, const ShapeControl& shape, bool round,
               const QRegion& region) {
    const QRectF bounds = t.RectF(shape.left, shape.top, shape.width, shape.height);
    if (!shape.visible || !region.intersects(bounds.toAlignedRect().adjusted(-2, -2, 2, 2))) {
        return;
    }
    const double pen = t.PenWidth(shape.borderWidth);
    const QRectF inner = bounds.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    painter.setPen(QPen(ToQColor(shape.borderColour), pen));
    painter.setBrush(ToQColor(shape.fillColour));
    if (round) {
        painter.drawEllipse(inner);
    } else {
        painter.drawRect(inner);
    }
}

void DrawLabel(QPainter& painter, const TwipsTransform& t, const LabelControl& label,
               const QRegion& region) {
    const QRectF box = t.RectF(label.box.left, label.box.top, label.box.width, label.box.height);
    if (!label.visible || !region.intersects(box.toAlignedRect())) {
        return;
    }
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

void FormPainter::Paint(QPainter& painter, const QRegion& region) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (const QRect& r : region) {
        painter.fillRect(r, ToQColor(kFormColour));
    }
    PaintLines(painter, region);
    PaintShapes(painter, region);
    PaintLabels(painter, region);
    PaintPackets(painter, region);
}

void FormPainter::PaintLines(QPainter& painter, const QRegion& region) const {
    for (const LineControl& line : form_.lne) {
        DrawLine(painter, transform_, line, region);
    }
    for (const LineControl& line : form_.drop) {
        DrawLine(painter, transform_, line, region);
    }
}

void FormPainter::PaintShapes(QPainter& painter, const QRegion& region) const {
    for (const ShapeControl& shape : form_.Shape1) {
        DrawShape(painter, transform_, shape, false, region);
    }
    for (const ShapeControl& shape : form_.Shape2) {
        DrawShape(painter, transform_, shape, false, region);
    }
}

void FormPainter::PaintLabels(QPainter& painter, const QRegion& region) const {
    for (const LabelControl& label : form_.lblNet) {
        DrawLabel(painter, transform_, label, region);
    }
    for (const LabelControl& label : form_.lblCost) {
        DrawLabel(painter, transform_, label, region);
    }
    DrawLabel(painter, transform_, form_.Label2, region);
}

void FormPainter::PaintPackets(QPainter& painter, const QRegion& region) const {
    for (const ShapeControl& packet : form_.shpPacket) {
        DrawShape(painter, transform_, packet, true, region);
    }
}

QRect FormPainter::PacketArea(const ShapeControl& packet) const {
    return transform_.RectF(packet.left, packet.top, packet.width, packet.height)
        .toAlignedRect()
        .adjusted(-2, -2, 2, 2);
}
