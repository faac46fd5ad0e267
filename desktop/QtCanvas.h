#pragma once

#include "desktop/QtShapes.h"
#include "scene/Canvas.h"
#include "scene/Geometry.h"

#include <QFont>
#include <QFontMetricsF>

#include <optional>

class QPainter;

// The drawing's canvas on a `QPainter`. With a whole-number `devicePixels` ratio the painter
// paints the device's own pixels (no scaling), and everything is scaled up to them.
class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter, int devicePixels = 0);

    void Ground(const PixelRect& area, int colour) override;
    void Fill(const PixelRect& area, int colour) override;
    void Fill(const RectF& area, int colour) override;
    void Line(PointF from, PointF to, const Pen& pen) override;
    void Rectangle(const RectF& box, const Pen& border, int fill) override;
    void Ellipse(const RectF& box, const Pen& border, int fill) override;
    void Text(const RectF& box, std::string_view text, const Font& font, int colour,
              TextAlign align, bool clip, double squeeze) override;
    void TextAt(PointF at, std::string_view text, const Font& font, int colour,
                double squeeze) override;
    void PushOrigin(PointF origin) override;
    void PopOrigin() override;
    double Advance(const Font& font, std::string_view text) override;
    FontMetrics Metrics(const Font& font) override;

    // The font the drawing's font is on this desktop.
    static QFont ToQFont(const Font& font);

protected:
    QPainter& Painter() { return painter_; }
    int DevicePixels() const { return devicePixels_; }

private:
    const QFont& Use(const Font& font);
    void Scaled(const auto& paint);

    QPainter& painter_;
    int devicePixels_;
    std::optional<Font> font_;
    QFont qfont_;
};
