#pragma once

#include "scene/Canvas.h"

// The drawing's canvas on the page's 2D canvas, through the page's script (hopscape.js), in CSS
// pixels; the script scales to the device's pixels.
class WebCanvas : public Canvas {
public:
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

    // The page keeps the still layer as a picture of its own, as the desktop does: drawing goes
    // to that picture (of `width` x `height` CSS pixels, made anew) until Shown() turns back to
    // the page's canvas.
    static void Still(int width, int height);
    static void Shown();
    // Copies the kept picture's device pixels under `area` onto the page's canvas.
    static void CopyStill(const PixelRect& area);
    // Only what lies in `area` is drawn until the matching Unclip().
    static void Clip(const PixelRect& area);
    static void Unclip();
};
