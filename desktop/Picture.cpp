#include "desktop/Picture.h"

#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QWidget>

#include <cmath>

namespace {

QSize Scaled(const QWidget& window, double scale) {
    return {static_cast<int>(std::lround(window.width() * scale)),
            static_cast<int>(std::lround(window.height() * scale))};
}

// Renders the window onto the painter with the properties set for as long as it takes.
void RenderStraight(QWidget& window, QPainter& painter, bool vector) {
    window.setProperty("directPainting", true);
    window.setProperty("vectorPainting", vector);
    window.render(&painter);
    window.setProperty("vectorPainting", false);
    window.setProperty("directPainting", false);
}

QString WriteSvg(QWidget& window, QSaveFile& file, double scale) {
    QSvgGenerator svg;
    svg.setOutputDevice(&file);
    svg.setSize(Scaled(window, scale));
    svg.setViewBox(QRect(QPoint(), Scaled(window, scale)));
    svg.setTitle(window.windowTitle());
    QPainter painter;
    if (!painter.begin(&svg)) {
        return file.errorString();
    }
    painter.scale(scale, scale);
    RenderStraight(window, painter, true);
    painter.end();
    return {};
}

} // namespace

QImage Picture::Bitmap(QWidget& window, double scale) {
    // Drawn at a pixel ratio of `scale`, so that even the style's own drawing of the buttons is
    // made at the picture's resolution.
    QImage image(Scaled(window, scale), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    RenderStraight(window, painter, false);
    painter.end();
    image.setDevicePixelRatio(1.0);
    return image;
}

QString Picture::Save(QWidget& window, const QString& file, PictureFile::Format format,
                      double scale) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return out.errorString();
    }
    if (format == PictureFile::Format::Svg) {
        const QString problem = WriteSvg(window, out, scale);
        if (!problem.isEmpty()) {
            return problem;
        }
    } else {
        QImageWriter writer(&out, "png");
        if (!writer.write(Bitmap(window, scale))) {
            return writer.errorString();
        }
    }
    return out.commit() ? QString() : out.errorString();
}
