#include "desktop/FormCanvas.h"

#include "desktop/DirtyArea.h"
#include "desktop/FormPainter.h"

#include <QPainter>
#include <QWidget>

#include <cmath>
#include <cstddef>

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
    QPainter window(&widget);
    PaintChanges(window, region, all.size(), ratio);
}

void FormCanvas::PaintChanges(QPainter& painter, const QRegion& region, const QSize& size,
                              double ratio, bool devicePixels) {
    const FormPainter form(form_, transform_, look_);
    if (stillStale_ || still_.size() != size * ratio) {
        still_ = QImage(size * ratio, QImage::Format_RGB32);
        still_.setDevicePixelRatio(ratio);
        QPainter still(&still_);
        form.PaintStill(still, QRect(QPoint(), size));
        stillStale_ = false;
    }
    // Rectangle by rectangle, each its own clip: a clip of one rectangle keeps the painter on
    // its straight copying paths, where a clip of many would send every pixel through spans.
    painter.setRenderHint(QPainter::Antialiasing);
    const std::array<QRect, kPacketSlots> areas = form.PacketAreas();
    const int whole = static_cast<int>(std::lround(ratio));
    for (const QRect& r : region) {
        if (!devicePixels) {
            painter.setClipRect(r);
            painter.drawImage(r, still_,
                              QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
            form.PaintMoving(painter, r, areas, sprites_);
            continue;
        }
        const QRect inside = r & QRect(QPoint(), size);
        if (inside.isEmpty()) {
            continue;
        }
        // The picture's own pixels under the rectangle, copied as they are.
        const QRect device(inside.topLeft() * whole, inside.size() * whole);
        painter.setClipRect(device);
        painter.drawImage(device.topLeft(),
                          QImage(still_.constScanLine(device.top()) +
                                     static_cast<std::ptrdiff_t>(device.left()) * 4,
                                 device.width(), device.height(), still_.bytesPerLine(),
                                 still_.format()));
        form.PaintMoving(painter, inside, areas, sprites_, whole);
    }
    painter.setClipping(false);
}

void FormCanvas::SetLook(const Layout::PacketLook& look) {
    if (look == look_) {
        return;
    }
    look_ = look;
    sprites_.Clear();
}
