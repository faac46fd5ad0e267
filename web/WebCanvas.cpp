#include "web/WebCanvas.h"

#include <emscripten.h>

// The script's side: Hopscape.draw in hopscape.js.
EM_JS(void, hs_js_fill, (double x, double y, double w, double h, int colour),
      { Hopscape.draw.fill(x, y, w, h, colour); });
EM_JS(void, hs_js_line,
      (double x1, double y1, double x2, double y2, int colour, double width, int round),
      { Hopscape.draw.line(x1, y1, x2, y2, colour, width, round); });
EM_JS(void, hs_js_shape,
      (int ellipse, double x, double y, double w, double h, int border, double width, int fill),
      { Hopscape.draw.shape(ellipse, x, y, w, h, border, width, fill); });
EM_JS(void, hs_js_text,
      (double x, double y, double w, double h, const char* text, int length, int pixels, int bold,
       int heavy, int colour, int centre, int clip, double squeeze),
      {
          Hopscape.draw.text(x, y, w, h, UTF8ToString(text, length), pixels, bold, heavy, colour,
                             centre, clip, squeeze);
      });
EM_JS(void, hs_js_text_at,
      (double x, double y, const char* text, int length, int pixels, int bold, int heavy,
       int colour, double squeeze),
      {
          Hopscape.draw.textAt(x, y, UTF8ToString(text, length), pixels, bold, heavy, colour,
                               squeeze);
      });
EM_JS(double, hs_js_advance, (const char* text, int length, int pixels, int bold, int heavy),
      { return Hopscape.draw.advance(UTF8ToString(text, length), pixels, bold, heavy); });
EM_JS(double, hs_js_ascent, (int pixels, int bold, int heavy),
      { return Hopscape.draw.metrics(pixels, bold, heavy)[0]; });
EM_JS(double, hs_js_descent, (int pixels, int bold, int heavy),
      { return Hopscape.draw.metrics(pixels, bold, heavy)[1]; });
EM_JS(void, hs_js_move_to, (double x, double y), { Hopscape.draw.moveTo(x, y); });
EM_JS(void, hs_js_restore, (), { Hopscape.draw.restore(); });
EM_JS(void, hs_js_still, (int width, int height), { Hopscape.draw.still(width, height); });
EM_JS(void, hs_js_shown, (), { Hopscape.draw.shown(); });
EM_JS(void, hs_js_copy_still, (int x, int y, int w, int h),
      { Hopscape.draw.copyStill(x, y, w, h); });
EM_JS(void, hs_js_clip, (int x, int y, int w, int h), { Hopscape.draw.clip(x, y, w, h); });

namespace {

int Length(std::string_view text) {
    return static_cast<int>(text.size());
}

} // namespace

void WebCanvas::Ground(const PixelRect& area, int colour) {
    hs_js_fill(area.left, area.top, area.width, area.height, colour);
}

void WebCanvas::Fill(const PixelRect& area, int colour) {
    hs_js_fill(area.left, area.top, area.width, area.height, colour);
}

void WebCanvas::Fill(const RectF& area, int colour) {
    hs_js_fill(area.left, area.top, area.width, area.height, colour);
}

void WebCanvas::Line(PointF from, PointF to, const Pen& pen) {
    hs_js_line(from.x, from.y, to.x, to.y, pen.colour, pen.width, pen.roundEnds ? 1 : 0);
}

void WebCanvas::Rectangle(const RectF& box, const Pen& border, int fill) {
    hs_js_shape(0, box.left, box.top, box.width, box.height, border.colour, border.width, fill);
}

void WebCanvas::Ellipse(const RectF& box, const Pen& border, int fill) {
    hs_js_shape(1, box.left, box.top, box.width, box.height, border.colour, border.width, fill);
}

void WebCanvas::Text(const RectF& box, std::string_view text, const Font& font, int colour,
                     TextAlign align, bool clip, double squeeze) {
    hs_js_text(box.left, box.top, box.width, box.height, text.data(), Length(text), font.pixels,
               font.bold, font.heavy, colour, align == TextAlign::kCentre, clip, squeeze);
}

void WebCanvas::TextAt(PointF at, std::string_view text, const Font& font, int colour,
                       double squeeze) {
    hs_js_text_at(at.x, at.y, text.data(), Length(text), font.pixels, font.bold, font.heavy, colour,
                  squeeze);
}

double WebCanvas::Advance(const Font& font, std::string_view text) {
    return hs_js_advance(text.data(), Length(text), font.pixels, font.bold, font.heavy);
}

FontMetrics WebCanvas::Metrics(const Font& font) {
    return {hs_js_ascent(font.pixels, font.bold, font.heavy),
            hs_js_descent(font.pixels, font.bold, font.heavy)};
}

void WebCanvas::PushOrigin(PointF origin) {
    hs_js_move_to(origin.x, origin.y);
}

void WebCanvas::PopOrigin() {
    hs_js_restore();
}

void WebCanvas::Still(int width, int height) {
    hs_js_still(width, height);
}

void WebCanvas::Shown() {
    hs_js_shown();
}

void WebCanvas::CopyStill(const PixelRect& area) {
    hs_js_copy_still(area.left, area.top, area.width, area.height);
}

void WebCanvas::Clip(const PixelRect& area) {
    hs_js_clip(area.left, area.top, area.width, area.height);
}

void WebCanvas::Unclip() {
    hs_js_restore();
}
