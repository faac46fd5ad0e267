#include "desktop/PacketSprites.h"

#include "desktop/QtCanvas.h"
#include "form/Controls.h"
#include "scene/TwipsToPixels.h"

#include <QPainter>

#include <cmath>

std::size_t PacketSprites::KeyHash::operator()(const Key& k) const {
    std::size_t h = std::hash<int>()(k.border);
    for (int v : {k.fill, k.borderWidth, k.width, k.height, k.phase}) {
        h = h * 1000003u ^ std::hash<int>()(v);
    }
    return h;
}

QImage PacketSprites::Render(const MarkerShape& marker, double ratio, QPointF phase) {
    const RectF bounds = marker.Bounds();
    const QSize pixels(static_cast<int>(std::ceil((phase.x() + bounds.width) * ratio)) + 1,
                       static_cast<int>(std::ceil((phase.y() + bounds.height) * ratio)) + 1);
    QImage sprite(pixels, QImage::Format_ARGB32_Premultiplied);
    sprite.setDevicePixelRatio(ratio);
    sprite.fill(Qt::transparent);
    QPainter painter(&sprite);
    QtCanvas canvas(painter);
    marker.Draw(canvas, {phase.x() - bounds.left, phase.y() - bounds.top});
    return sprite;
}

void PacketSprites::Draw(QPainter& painter, const MarkerShape& marker) {
    const double ratio = painter.device()->devicePixelRatioF();
    QPointF corner;
    const QImage& sprite = Sprite(marker, ratio, corner);
    painter.drawImage(corner / ratio, sprite);
}

void PacketSprites::DrawInDevicePixels(QPainter& painter, const MarkerShape& marker, double ratio) {
    QPointF corner;
    const QImage& sprite = Sprite(marker, ratio, corner);
    // The rendering's pixels as they are: a painter copies an image of one device pixel a pixel
    // straight, and sends one of more through its scaling.
    painter.drawImage(corner, QImage(sprite.constBits(), sprite.width(), sprite.height(),
                                     sprite.bytesPerLine(), sprite.format()));
}

const QImage& PacketSprites::Sprite(const MarkerShape& marker, double ratio, QPointF& corner) {
    const RectF bounds = marker.Bounds();
    const QPointF at = QPointF(bounds.left, bounds.top) * ratio;
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
    const ShapeControl& packet = marker.Packet();
    const Key key{packet.borderColour, packet.fillColour,    packet.borderWidth,
                  tenth(packet.width), tenth(packet.height), phaseX * kPhases + phaseY};
    auto found = sprites_.find(key);
    if (found == sprites_.end()) {
        if (sprites_.size() >= kMostSprites) {
            sprites_.clear();
        }
        const QPointF phase(static_cast<double>(phaseX) / kPhases / ratio,
                            static_cast<double>(phaseY) / kPhases / ratio);
        found = sprites_.emplace(key, Render(marker, ratio, phase)).first;
    }
    return found->second;
}
