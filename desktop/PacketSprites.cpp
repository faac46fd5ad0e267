#include "desktop/PacketSprites.h"

#include "form/Controls.h"

#include <QPainter>

#include <cmath>

std::size_t PacketSprites::KeyHash::operator()(const Key& k) const {
    std::size_t h = std::hash<int>()(k.border);
    for (int v : {k.fill, k.borderWidth, k.width, k.height, k.phase}) {
        h = h * 1000003u ^ std::hash<int>()(v);
    }
    return h;
}

QImage PacketSprites::Render(const TwipsTransform& transform, const ShapeControl& packet,
                             const Layout::PacketLook& look, double ratio, QPointF phase) const {
    const double width = packet.width * transform.Scale();
    const double height = packet.height * transform.Scale();
    const QSize pixels(static_cast<int>(std::ceil((phase.x() + width) * ratio)) + 1,
                       static_cast<int>(std::ceil((phase.y() + height) * ratio)) + 1);
    QImage sprite(pixels, QImage::Format_ARGB32_Premultiplied);
    sprite.setDevicePixelRatio(ratio);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawCircle(painter, transform, packet, look, phase - transform.Point(packet.left, packet.top));
    return sprite;
}

void PacketSprites::DrawCircle(QPainter& painter, const TwipsTransform& transform,
                               const ShapeControl& packet, const Layout::PacketLook& look,
                               QPointF offset) {
    QRectF bounds =
        transform.RectF(packet.left, packet.top, packet.width, packet.height).translated(offset);
    if (look.outlineColour >= 0) {
        // The outline round the ring, as a disc the ring and fill then cover but for its edge.
        painter.setPen(Qt::NoPen);
        painter.setBrush(ToQColor(look.outlineColour));
        painter.drawEllipse(bounds);
        const double outline = transform.PenWidth(look.outlineWidth);
        bounds.adjust(outline, outline, -outline, -outline);
    }
    const double pen = transform.PenWidth(packet.borderWidth * look.ringFactor);
    painter.setPen(QPen(ToQColor(packet.borderColour), pen));
    painter.setBrush(ToQColor(packet.fillColour));
    painter.drawEllipse(bounds.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
}

void PacketSprites::Draw(QPainter& painter, const TwipsTransform& transform,
                         const ShapeControl& packet, const Layout::PacketLook& look) {
    const double ratio = painter.device()->devicePixelRatioF();
    QPointF corner;
    const QImage& sprite = Sprite(transform, packet, look, ratio, corner);
    painter.drawImage(corner / ratio, sprite);
}

void PacketSprites::DrawInDevicePixels(QPainter& painter, const TwipsTransform& transform,
                                       const ShapeControl& packet, const Layout::PacketLook& look,
                                       double ratio) {
    QPointF corner;
    const QImage& sprite = Sprite(transform, packet, look, ratio, corner);
    // The rendering's pixels as they are: a painter copies an image of one device pixel a pixel
    // straight, and sends one of more through its scaling.
    painter.drawImage(corner, QImage(sprite.constBits(), sprite.width(), sprite.height(),
                                     sprite.bytesPerLine(), sprite.format()));
}

const QImage& PacketSprites::Sprite(const TwipsTransform& transform, const ShapeControl& packet,
                                    const Layout::PacketLook& look, double ratio, QPointF& corner) {
    const QPointF at = transform.Point(packet.left, packet.top) * ratio;
    // The device pixel the rendering starts in, and the offset within it to a quarter pixel.
    const auto split = [](double at, int& phase) {
        double whole = std::floor(at);
        phase = static_cast<int>(std::lround((at - whole) * kPhases));
        if (phase == kPhases) {
            whole += 1;
            phase = 0;
        }
        return whole;
    };
    int phaseX = 0;
    int phaseY = 0;
    corner = QPointF(split(at.x(), phaseX), split(at.y(), phaseY));
    // Sizes and widths are whole twips in practice; the key keeps them to a tenth of a twip.
    const auto tenth = [](float v) { return static_cast<int>(std::lround(v * 10)); };
    const Key key{packet.borderColour, packet.fillColour,    packet.borderWidth,
                  tenth(packet.width), tenth(packet.height), phaseX * kPhases + phaseY};
    auto found = sprites_.find(key);
    if (found == sprites_.end()) {
        if (sprites_.size() >= kMostSprites) {
            sprites_.clear();
        }
        const QPointF phase(static_cast<double>(phaseX) / kPhases / ratio,
                            static_cast<double>(phaseY) / kPhases / ratio);
        found = sprites_.emplace(key, Render(transform, packet, look, ratio, phase)).first;
    }
    return found->second;
}
