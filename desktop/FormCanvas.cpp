#include "desktop/FormCanvas.h"

#include "desktop/QtCanvas.h"
#include "desktop/SpriteCanvas.h"

#include <QPainter>
#include <QWidget>

#include <cmath>
#include <cstddef>
#include <vector>

void FormCanvas::Invalidate(bool resized) {
    stillStale_ = true;
    if (resized) {
        sprites_.Clear();
        repaint_.Drawn(form_, Scene());
    }
}

QRegion FormCanvas::Changed(bool& statusChanged) {
    const std::vector<PixelRect> rects = repaint_.Changed(form_, Scene(), statusChanged);
    // Joined in pairs, then pairs of pairs: cheaper than adding the rectangles one by one to an
    // ever more complex region.
    std::vector<QRegion> parts;
    parts.reserve(rects.size());
    for (const PixelRect& r : rects) {
        parts.emplace_back(ToQRect(r));
    }
    while (parts.size() > 1) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < parts.size(); i += 2) {
            parts[kept++] = i + 1 < parts.size() ? parts[i].united(parts[i + 1]) : parts[i];
        }
        parts.resize(kept);
    }
    return parts.empty() ? QRegion() : parts.front();
}

void FormCanvas::Paint(QWidget& widget, const QRegion& region, bool sharp) {
    const double ratio = widget.devicePixelRatioF();
    const QRect all = widget.rect();
    if (sharp || (stillStale_ && region == QRegion(all))) {
        // The whole window at once (on opening, after a click): painted straight away; the
        // picture is made when a tick first needs part of it. Without sprites, the markers are
        // drawn as shapes, for a sharp picture at any scale.
        QPainter direct(&widget);
        QtCanvas shapes(direct);
        SpriteCanvas sprites(direct, sprites_);
        Canvas& canvas = sharp ? static_cast<Canvas&>(shapes) : sprites;
        const FormScene scene = Scene();
        scene.PaintStill(canvas, FromQRect(all));
        std::vector<PixelRect> rects;
        for (const QRect& r : region) {
            rects.push_back(FromQRect(r));
        }
        scene.PaintMoving(canvas, rects);
        return;
    }
    QPainter window(&widget);
    PaintChanges(window, region, all.size(), ratio);
}

void FormCanvas::PaintChanges(QPainter& painter, const QRegion& region, const QSize& size,
                              double ratio, bool devicePixels) {
    const FormScene scene = Scene();
    if (stillStale_ || still_.size() != size * ratio) {
        // Drawn again in place where its size stays (the ground covers it all); where it changes,
        // the old picture goes before the new one is made, so that two are never held at once.
        if (still_.size() != size * ratio) {
            still_ = QImage();
            still_ = QImage(size * ratio, QImage::Format_RGB32);
        }
        still_.setDevicePixelRatio(ratio);
        QPainter still(&still_);
        QtCanvas canvas(still);
        scene.PaintStill(canvas, {0, 0, size.width(), size.height()});
        stillStale_ = false;
    }
    // Rectangle by rectangle, each its own clip: a clip of one rectangle keeps the painter on
    // its straight copying paths, where a clip of many would send every pixel through spans.
    const int whole = static_cast<int>(std::lround(ratio));
    SpriteCanvas canvas(painter, sprites_, devicePixels ? whole : 0);
    const std::array<PixelRect, kPacketSlots> areas = scene.PacketAreas();
    for (const QRect& r : region) {
        if (!devicePixels) {
            painter.setClipRect(r);
            painter.drawImage(r, still_,
                              QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
            scene.PaintMoving(canvas, FromQRect(r), areas);
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
        scene.PaintMoving(canvas, FromQRect(inside), areas);
    }
    painter.setClipping(false);
}

void FormCanvas::SetLook(const Look& look) {
    if (look == look_) {
        return;
    }
    look_ = look;
    sprites_.Clear();
    stillStale_ = true;
}
