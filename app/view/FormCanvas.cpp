#include "app/view/FormCanvas.h"

#include "app/view/DirtyArea.h"
#include "app/view/FormPainter.h"

#include <QPainter>
#include <QWidget>

FormCanvas::DrawnPacket FormCanvas::Drawn(const FormPainter& painter, const ShapeControl& packet) {
    return {packet.visible, packet.visible ? painter.PacketArea(packet) : QRect(),
            packet.borderColour, packet.fillColour, packet.borderWidth};
}

void FormCanvas::Invalidate(bool resized) {
    stillStale_ = true;
    if (resized) {
        sprites_.Clear();
        // The whole window repaints at the new scale, every packet where the new transform puts
        // it: that is where the next tick must wipe it from.
        const FormPainter painter(form_, transform_, look_);
        for (std::size_t i = 0; i < form_.shpPacket.size(); ++i) {
            drawn_[i] = Drawn(painter, form_.shpPacket[i]);
        }
    }
}

QRegion FormCanvas::Changed(bool& statusChanged) {
    const FormPainter painter(form_, transform_, look_);
    DirtyArea changed;
    for (std::size_t i = 0; i < form_.shpPacket.size(); ++i) {
        const DrawnPacket now = Drawn(painter, form_.shpPacket[i]);
        DrawnPacket& was = drawn_[i];
        if (!(now == was)) {
            changed.Add(was.area);
            changed.Add(now.area);
            was = now;
        }
    }
    statusChanged = form_.Label2.caption != drawnStatus_;
    if (statusChanged) {
        drawnStatus_ = form_.Label2.caption;
        changed.Add(painter.StatusArea());
    }
    return changed.Region();
}

void FormCanvas::Paint(QWidget& widget, const QRegion& region, bool sharp) {
    const FormPainter painter(form_, transform_, look_);
    const double ratio = widget.devicePixelRatioF();
    const QRect all = widget.rect();
    if (sharp || (stillStale_ && region == QRegion(all))) {
        // The whole window at once (on opening, after a click): painted straight away; the
        // picture is made when a tick first needs part of it.
        QPainter direct(&widget);
        painter.PaintStill(direct, all);
        painter.PaintMoving(direct, region, sharp ? nullptr : &sprites_);
        return;
    }
    if (stillStale_ || still_.size() != all.size() * ratio) {
        still_ = QImage(all.size() * ratio, QImage::Format_RGB32);
        still_.setDevicePixelRatio(ratio);
        QPainter still(&still_);
        painter.PaintStill(still, all);
        stillStale_ = false;
    }
    // Rectangle by rectangle, each its own clip: a clip of one rectangle keeps the painter on
    // its straight copying paths, where a clip of many would send every pixel through spans.
    QPainter window(&widget);
    window.setRenderHint(QPainter::Antialiasing);
    const std::array<QRect, kPacketSlots> areas = painter.PacketAreas();
    for (const QRect& r : region) {
        window.setClipRect(r);
        window.drawImage(r, still_, QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
        painter.PaintMoving(window, r, areas, sprites_);
    }
}

void FormCanvas::SetLook(const Layout::PacketLook& look) {
    if (look == look_) {
        return;
    }
    look_ = look;
    sprites_.Clear();
}
