#include "BareWindow.h"

#include <QPaintEvent>
#include <QPainter>

#include <cmath>
#include <numbers>

BareWindow::BareWindow(QSize size, double diameter, bool kept) : diameter_(diameter), kept_(kept) {
    resize(size);
    setAttribute(Qt::WA_OpaquePaintEvent);
    for (int i = 0; i < 51; ++i) {
        const double angle = (i * 7919 % 360) * std::numbers::pi / 180;
        discs_.push_back({QPointF(200 + (i * 131) % (size.width() - 400),
                                  150 + (i * 97) % (size.height() - 300)),
                          QPointF(std::cos(angle) * 300 / 26, std::sin(angle) * 300 / 26), i % 26,
                          QColor::fromHsl(i * 37 % 360, 178, 153), QImage()});
    }
    QObject::connect(&timer_, &QTimer::timeout, this, [this] {
        ++ticks_;
        for (Disc& disc : discs_) {
            update(Area(disc));
            disc.step = (disc.step + 1) % 52;
            update(Area(disc));
        }
    });
    timer_.start(40);
}

void BareWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), QColor(240, 240, 240));
    painter.setRenderHint(QPainter::Antialiasing);
    for (Disc& disc : discs_) {
        const QRect area = Area(disc);
        if (!event->region().intersects(area)) {
            continue;
        }
        if (!kept_) {
            Draw(painter, disc, QPointF(area.topLeft()));
            continue;
        }
        if (disc.kept.isNull()) {
            const double ratio = devicePixelRatioF();
            disc.kept = QImage(area.size() * ratio, QImage::Format_ARGB32_Premultiplied);
            disc.kept.setDevicePixelRatio(ratio);
            disc.kept.fill(Qt::transparent);
            QPainter keeping(&disc.kept);
            keeping.setRenderHint(QPainter::Antialiasing);
            Draw(keeping, disc, QPointF());
        }
        painter.drawImage(area.topLeft(), disc.kept);
    }
}

void BareWindow::Draw(QPainter& painter, const Disc& disc, QPointF corner) const {
    const double r = diameter_ / 2 + 2;
    painter.setPen(QPen(disc.colour.darker(), diameter_ / 8));
    painter.setBrush(disc.colour);
    painter.drawEllipse(corner + QPointF(r, r), diameter_ / 2 - diameter_ / 16,
                        diameter_ / 2 - diameter_ / 16);
}

QRect BareWindow::Area(const Disc& disc) const {
    const double r = diameter_ / 2 + 2;
    const QPointF centre = disc.start + disc.stride * (disc.step < 26 ? disc.step : 52 - disc.step);
    const int across = static_cast<int>(std::ceil(2 * r));
    return {static_cast<int>(std::floor(centre.x() - r)),
            static_cast<int>(std::floor(centre.y() - r)), across, across};
}
