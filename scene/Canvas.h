#pragma once

#include "scene/Geometry.h"

#include <string_view>

class MarkerShape;

// The faces the drawing is written in: the window's sans-serif, with the metrics of the classic
// desktop face the layout was drawn for, and a face whose bold is heavier, for the hall's tables.
// Both ship with Debian (fonts-liberation, fonts-dejavu-core) and go with the page.
inline constexpr const char* kFace = "Liberation Sans";
inline constexpr const char* kHeavyFace = "DejaVu Sans";

// A font as the drawing asks for it: one of the two faces, at a size in whole pixels.
struct Font {
    int pixels = 1;
    bool bold = false;
    bool heavy = false;
    bool operator==(const Font&) const = default;
};

struct FontMetrics {
    double ascent = 0;
    double descent = 0;
};

// A pen: a colour (0xBBGGRR; -1 draws nothing) and a width in pixels; a line ends round or
// square.
struct Pen {
    int colour = 0;
    double width = 1;
    bool roundEnds = false;
};

enum class TextAlign { kLeft, kCentre };

// What the drawing is painted on, in pixels and 0xBBGGRR colours; every edge smoothed unless
// said otherwise. A front end implements it with its own painter; the drawing decides every
// place, size and colour, and asks the canvas only how wide its letters are.
class Canvas {
public:
    virtual ~Canvas() = default;

    // Whole pixels, edges not smoothed: the ground under everything, at any pixel ratio.
    virtual void Ground(const PixelRect& area, int colour) = 0;
    virtual void Fill(const PixelRect& area, int colour) = 0;
    virtual void Fill(const RectF& area, int colour) = 0;
    virtual void Line(PointF from, PointF to, const Pen& pen) = 0;
    // A rectangle's or ellipse's border is drawn centred on its outline; a `fill` of -1 leaves
    // the inside empty.
    virtual void Rectangle(const RectF& box, const Pen& border, int fill) = 0;
    virtual void Ellipse(const RectF& box, const Pen& border, int fill) = 0;
    // Text from the top of its box; with `clip`, only what lies inside the box shows. A
    // `squeeze` below 1 draws the letters narrower by that factor, from the box's left.
    virtual void Text(const RectF& box, std::string_view text, const Font& font, int colour,
                      TextAlign align, bool clip, double squeeze = 1) = 0;
    // Text whose baseline starts at `at`.
    virtual void TextAt(PointF at, std::string_view text, const Font& font, int colour,
                        double squeeze = 1) = 0;
    // Draws from `origin` on, until the matching PopOrigin(): a panel draws in its own pixels.
    virtual void PushOrigin(PointF origin) = 0;
    virtual void PopOrigin() = 0;
    virtual double Advance(const Font& font, std::string_view text) = 0;
    virtual FontMetrics Metrics(const Font& font) = 0;
    // A canvas may copy a rendering of a packet marker it keeps instead of having the shape
    // drawn anew; false when it has none.
    virtual bool CopyMarker(const MarkerShape& /*marker*/) { return false; }
};
