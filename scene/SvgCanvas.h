#pragma once

#include "scene/Canvas.h"

#include <string>

// A canvas that writes SVG: a picture as lines, shapes and text, sharp at any size. Letters are
// measured by the canvas of the front end (`measure`), which knows the fonts; numbers are written
// to a hundredth of a pixel, the same in every locale and library.
class SvgCanvas : public Canvas {
public:
    SvgCanvas(Canvas& measure, int width, int height);

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

    // The whole document.
    std::string Document() const;

private:
    static std::string Number(double value);
    static std::string Colour(int bgr);
    std::string Paint(const Pen& border, int fill) const;
    void Letters(PointF at, std::string_view text, const Font& font, int colour, double squeeze,
                 const std::string& anchor);

    Canvas& measure_;
    int width_;
    int height_;
    std::string body_;
    int clips_ = 0;
};
