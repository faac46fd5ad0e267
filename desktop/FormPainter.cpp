#include "desktop/FormPainter.h"

#include "common/Colours.h"
#include "desktop/PacketSprites.h"
#include "form/FormState.h"
#include "router/PanelLayout.h"

#include <QPainter>
#include <QRegion>

#include <algorithm>

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

// Rectangles keep their border inside their bounds, as the layout sizes them.
void DrawRectangle(QPainter& painter, const TwipsTransform& t, const ShapeControl& shape) {
    if (!shape.visible) {
        return;
    }
    const QRectF bounds = t.RectF(shape.left, shape.top, shape.width, shape.height);
    const double pen = t.PenWidth(shape.borderWidth);
    painter.setPen(QPen(ToQColor(shape.borderColour), pen));
    painter.setBrush(ToQColor(shape.fillColour));
    painter.drawRect(bounds.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
}

// `heavy`: in the tables' heavy face, bold, no smaller than their rows in the projector's look.
void DrawLabel(QPainter& painter, const TwipsTransform& t, const LabelControl& label,
               const QRegion& region, bool heavy = false) {
    const QRectF box = t.RectF(label.box.left, label.box.top, label.box.width, label.box.height);
    if (!label.visible || !region.intersects(box.toAlignedRect())) {
        return;
    }
    if (!label.transparent) {
        painter.fillRect(box, ToQColor(Colours::kForm));
    }
    painter.setPen(ToQColor(Colours::kText));
    if (heavy) {
        QFont font =
            t.Font(std::max(label.fontPoints, PanelLayout::kProjectorLook.rowPoints), true);
        font.setFamily(QString::fromLatin1(PanelLayout::kHeavyFace));
        painter.setFont(font);
    } else {
        painter.setFont(t.Font(label.fontPoints, false));
    }
    const Qt::Alignment align = (label.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    // A label shows only what fits its box.
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.drawText(box, align, QString::fromStdString(label.caption));
    painter.restore();
}

} // namespace

void FormPainter::PaintStill(QPainter& painter, const QRect& area) const {
    // The ground first, without anti-aliasing and a pixel beyond the area: at a fractional
    // pixel ratio the last row and column of device pixels are only half inside the area, and
    // must not be blended with what was there before.
    painter.fillRect(area.adjusted(0, 0, 1, 1), ToQColor(Colours::kForm));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRegion everything(area);
    for (const LineControl& line : form_.lne) {
        DrawLine(painter, transform_, line);
    }
    for (const LineControl& line : form_.drop) {
        DrawLine(painter, transform_, line);
    }
    for (const ShapeControl& shape : form_.Shape1) {
        DrawRectangle(painter, transform_, shape);
    }
    for (const ShapeControl& shape : form_.Shape2) {
        DrawRectangle(painter, transform_, shape);
    }
    for (const LabelControl& label : form_.lblNet) {
        DrawLabel(painter, transform_, label, everything);
    }
    for (const LabelControl& label : form_.lblCost) {
        DrawLabel(painter, transform_, label, everything, look_.heavyCosts);
    }
}

void FormPainter::DrawStatus(QPainter& painter, const QRegion& region) const {
    if (look_.designStatus || form_.Label2.caption != Layout::kStatusAtStart) {
        DrawLabel(painter, transform_, form_.Label2, region);
    }
}

void FormPainter::PaintMoving(QPainter& painter, const QRegion& region,
                              PacketSprites* sprites) const {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawStatus(painter, region);
    for (const ShapeControl& packet : form_.shpPacket) {
        if (packet.visible && region.intersects(PacketArea(packet))) {
            PaintPacket(painter, packet, sprites);
        }
    }
}

void FormPainter::PaintMoving(QPainter& painter, const QRect& rect,
                              const std::array<QRect, kPacketSlots>& areas, PacketSprites& sprites,
                              int ratio) const {
    if (rect.intersects(StatusArea())) {
        painter.save();
        if (ratio > 0) {
            painter.scale(ratio, ratio);
        }
        painter.setRenderHint(QPainter::TextAntialiasing);
        DrawStatus(painter, QRegion(rect));
        painter.restore();
    }
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (!areas[i].intersects(rect)) {
            continue;
        }
        if (ratio > 0) {
            sprites.DrawInDevicePixels(painter, transform_, form_.shpPacket[i], look_, ratio);
        } else {
            PaintPacket(painter, form_.shpPacket[i], &sprites);
        }
    }
}

void FormPainter::PaintPacket(QPainter& painter, const ShapeControl& packet,
                              PacketSprites* sprites) const {
    if (sprites != nullptr) {
        sprites->Draw(painter, transform_, packet, look_);
    } else {
        PacketSprites::DrawCircle(painter, transform_, packet, look_, QPointF());
    }
}

std::array<QRect, kPacketSlots> FormPainter::PacketAreas() const {
    std::array<QRect, kPacketSlots> areas{};
    for (std::size_t i = 0; i < areas.size(); ++i) {
        if (form_.shpPacket[i].visible) {
            areas[i] = PacketArea(form_.shpPacket[i]);
        }
    }
    return areas;
}

QRect FormPainter::PacketArea(const ShapeControl& packet) const {
    return transform_.RectF(packet.left, packet.top, packet.width, packet.height)
        .toAlignedRect()
        .adjusted(-2, -2, 2, 2);
}

QRect FormPainter::StatusArea() const {
    const Box& b = form_.Label2.box;
    return transform_.Rect(b.left, b.top, b.width, b.height).adjusted(-1, -1, 1, 1);
}
