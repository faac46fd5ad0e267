#pragma once

#include "scene/Canvas.h"

#include <string>
#include <vector>

// A canvas that keeps what was drawn on it, in order, for tests to read. Letters are taken as
// 0.6 of their font's size wide.
class RecordingCanvas : public Canvas {
public:
    enum class Kind { kGround, kFill, kLine, kRectangle, kEllipse, kText };
    struct Mark {
        Kind kind;
        RectF place; // a line's ends are its corners; text's baseline point its left and top
        int colour;  // a fill's, a line's or text's colour; a shape's border
        int fill;    // a shape's inside, -1 for none
        std::string text;
        double squeeze;
        TextAlign align = TextAlign::kLeft;
        int pixels = 0; // text's font size
    };

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

    std::vector<Mark> marks;
};
