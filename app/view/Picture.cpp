#include "app/view/Picture.h"

#include "app/view/MainWindow.h"

#include <QPainter>
#include <QSvgGenerator>

#include <cmath>

namespace {

QSize Scaled(const QWidget& window, double scale) {
    return {static_cast<int>(std::lround(window.width() * scale)),
            static_cast<int>(std::lround(window.height() * scale))};
}

} // namespace

QImage Picture::Bitmap(MainWindow& window, double scale) {
    QImage image(Scaled(window, scale), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    window.RenderSharp(painter);
    return image;
}

bool Picture::SavePng(MainWindow& window, const QString& file, double scale) {
    return Bitmap(window, scale).save(file, "PNG");
}

bool Picture::SaveSvg(MainWindow& window, const QString& file, double scale) {
    QSvgGenerator svg;
    svg.setFileName(file);
    svg.setSize(Scaled(window, scale));
    svg.setViewBox(QRect(QPoint(), Scaled(window, scale)));
    svg.setTitle(window.windowTitle());
    QPainter painter;
    if (!painter.begin(&svg)) {
        return false;
    }
    painter.scale(scale, scale);
    window.RenderSharp(painter);
    return painter.end();
}
