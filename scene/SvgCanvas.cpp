#include "scene/SvgCanvas.h"

#include <cmath>
#include <cstdlib>

SvgCanvas::SvgCanvas(Canvas& measure, int width, int height)
    : measure_(measure), width_(width), height_(height) {}

std::string SvgCanvas::Number(double value) {
    const long long hundredths = std::llround(value * 100);
    const long long whole = std::llabs(hundredths);
    std::string text = (hundredths < 0 ? "-" : "") + std::to_string(whole / 100);
    if (whole % 100 != 0) {
        const int part = static_cast<int>(whole % 100);
        text += part % 10 == 0 ? "." + std::to_string(part / 10)
                               : (part < 10 ? ".0" : ".") + std::to_string(part);
    }
    return text;
}

std::string SvgCanvas::Colour(int bgr) {
    static const char* const digits = "0123456789abcdef";
    std::string text = "#";
    for (int shift : {0, 8, 16}) {
        const int c = (bgr >> shift) & 0xFF;
        text += digits[c >> 4];
        text += digits[c & 15];
    }
    return text;
}

std::string SvgCanvas::Paint(const Pen& border, int fill) const {
    std::string text = " fill=\"" + (fill < 0 ? std::string("none") : Colour(fill)) + "\"";
    if (border.colour >= 0) {
        text += " stroke=\"" + Colour(border.colour) + "\" stroke-width=\"" + Number(border.width) +
                "\"";
    }
    return text;
}

void SvgCanvas::Ground(const PixelRect& area, int colour) {
    Fill(area, colour);
}

void SvgCanvas::Fill(const PixelRect& area, int colour) {
    Fill(RectF{static_cast<double>(area.left), static_cast<double>(area.top),
               static_cast<double>(area.width), static_cast<double>(area.height)},
         colour);
}

void SvgCanvas::Fill(const RectF& area, int colour) {
    body_ += "<rect x=\"" + Number(area.left) + "\" y=\"" + Number(area.top) + "\" width=\"" +
             Number(area.width) + "\" height=\"" + Number(area.height) + "\" fill=\"" +
             Colour(colour) + "\"/>\n";
}

void SvgCanvas::Line(PointF from, PointF to, const Pen& pen) {
    if (pen.colour < 0) {
        return;
    }
    body_ += "<line x1=\"" + Number(from.x) + "\" y1=\"" + Number(from.y) + "\" x2=\"" +
             Number(to.x) + "\" y2=\"" + Number(to.y) + "\" stroke=\"" + Colour(pen.colour) +
             "\" stroke-width=\"" + Number(pen.width) + "\" stroke-linecap=\"" +
             (pen.roundEnds ? "round" : "square") + "\"/>\n";
}

void SvgCanvas::Rectangle(const RectF& box, const Pen& border, int fill) {
    body_ += "<rect x=\"" + Number(box.left) + "\" y=\"" + Number(box.top) + "\" width=\"" +
             Number(box.width) + "\" height=\"" + Number(box.height) + "\"" + Paint(border, fill) +
             "/>\n";
}

void SvgCanvas::Ellipse(const RectF& box, const Pen& border, int fill) {
    const PointF centre = box.Centre();
    body_ += "<ellipse cx=\"" + Number(centre.x) + "\" cy=\"" + Number(centre.y) + "\" rx=\"" +
             Number(box.width / 2) + "\" ry=\"" + Number(box.height / 2) + "\"" +
             Paint(border, fill) + "/>\n";
}

void SvgCanvas::Letters(PointF at, std::string_view text, const Font& font, int colour,
                        double squeeze, const std::string& anchor) {
    std::string escaped;
    for (char c : text) {
        escaped += c == '&' ? "&amp;" : c == '<' ? "&lt;" : c == '>' ? "&gt;" : std::string(1, c);
    }
    const std::string place = squeeze != 1
                                  ? " transform=\"translate(" + Number(at.x) + " " + Number(at.y) +
                                        ") scale(" + Number(squeeze) + " 1)\" x=\"0\" y=\"0\""
                                  : " x=\"" + Number(at.x) + "\" y=\"" + Number(at.y) + "\"";
    body_ += "<text" + place + " font-family=\"" + (font.heavy ? kHeavyFace : kFace) +
             ", sans-serif\" font-size=\"" + std::to_string(font.pixels) + "\"" +
             (font.bold ? " font-weight=\"bold\"" : "") + " fill=\"" + Colour(colour) + "\"" +
             anchor + ">" + escaped + "</text>\n";
}

void SvgCanvas::Text(const RectF& box, std::string_view text, const Font& font, int colour,
                     TextAlign align, bool clip, double squeeze) {
    if (clip) {
        const std::string id = "c" + std::to_string(++clips_);
        body_ += "<clipPath id=\"" + id + "\"><rect x=\"" + Number(box.left) + "\" y=\"" +
                 Number(box.top) + "\" width=\"" + Number(box.width) + "\" height=\"" +
                 Number(box.height) + "\"/></clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
    }
    const double ascent = measure_.Metrics(font).ascent;
    const bool centre = align == TextAlign::kCentre && squeeze >= 1;
    Letters({centre ? box.left + box.width / 2 : box.left, box.top + ascent}, text, font, colour,
            squeeze < 1 ? squeeze : 1, centre ? " text-anchor=\"middle\"" : "");
    if (clip) {
        body_ += "</g>\n";
    }
}

void SvgCanvas::TextAt(PointF at, std::string_view text, const Font& font, int colour,
                       double squeeze) {
    Letters(at, text, font, colour, squeeze, "");
}

void SvgCanvas::PushOrigin(PointF origin) {
    body_ += "<g transform=\"translate(" + Number(origin.x) + " " + Number(origin.y) + ")\">\n";
}

void SvgCanvas::PopOrigin() {
    body_ += "</g>\n";
}

double SvgCanvas::Advance(const Font& font, std::string_view text) {
    return measure_.Advance(font, text);
}

FontMetrics SvgCanvas::Metrics(const Font& font) {
    return measure_.Metrics(font);
}

std::string SvgCanvas::Document() const {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           std::to_string(width_) + "\" height=\"" + std::to_string(height_) + "\" viewBox=\"0 0 " +
           std::to_string(width_) + " " + std::to_string(height_) + "\">\n" + body_ + "</svg>\n";
}
