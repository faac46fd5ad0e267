#include "support/RecordingCanvas.h"

namespace {

RectF Whole(const PixelRect& r) {
    return {static_cast<double>(r.left), static_cast<double>(r.top), static_cast<double>(r.width),
            static_cast<double>(r.height)};
}

} // namespace

void RecordingCanvas::Ground(const PixelRect& area, int colour) {
    marks.push_back({Kind::kGround, Whole(area), colour, -1, {}, 1});
}

void RecordingCanvas::Fill(const PixelRect& area, int colour) {
    marks.push_back({Kind::kFill, Whole(area), colour, -1, {}, 1});
}

void RecordingCanvas::Fill(const RectF& area, int colour) {
    marks.push_back({Kind::kFill, area, colour, -1, {}, 1});
}

void RecordingCanvas::Line(PointF from, PointF to, const Pen& pen) {
    marks.push_back(
        {Kind::kLine, {from.x, from.y, to.x - from.x, to.y - from.y}, pen.colour, -1, {}, 1});
}

void RecordingCanvas::Rectangle(const RectF& box, const Pen& border, int fill) {
    marks.push_back({Kind::kRectangle, box, border.colour, fill, {}, 1});
}

void RecordingCanvas::Ellipse(const RectF& box, const Pen& border, int fill) {
    marks.push_back({Kind::kEllipse, box, border.colour, fill, {}, 1});
}

void RecordingCanvas::Text(const RectF& box, std::string_view text, const Font& font, int colour,
                           TextAlign align, bool, double squeeze) {
    marks.push_back({Kind::kText, box, colour, -1, std::string(text), squeeze, align, font.pixels});
}

void RecordingCanvas::TextAt(PointF at, std::string_view text, const Font& font, int colour,
                             double squeeze) {
    marks.push_back({Kind::kText,
                     {at.x, at.y, 0, 0},
                     colour,
                     -1,
                     std::string(text),
                     squeeze,
                     TextAlign::kLeft,
                     font.pixels});
}

void RecordingCanvas::PushOrigin(PointF) {}

void RecordingCanvas::PopOrigin() {}

double RecordingCanvas::Advance(const Font& font, std::string_view text) {
    return 0.6 * font.pixels * static_cast<double>(text.size());
}

FontMetrics RecordingCanvas::Metrics(const Font& font) {
    return {0.8 * font.pixels, 0.2 * font.pixels};
}
