#include "scene/PanelScene.h"

#include "common/Letters.h"

#include <algorithm>
#include <cmath>

using namespace PanelLayout;

PanelScene::PanelScene(const RouterPanel& panel, double scale, const Look& look)
    : panel_(panel), local_(scale, {}), look_(look),
      rowFont_(local_.FontOf(look.rowPoints, true, look.heavyRows)),
      noteFont_(local_.FontOf(kNotePoints, true)) {
    rowFont_.pixels = std::max(rowFont_.pixels, look.leastTextPixels);
    noteFont_.pixels = std::max(noteFont_.pixels, look.leastTextPixels);
}

std::array<RouterPanel::ClockNote, Router::kRows> PanelScene::Clocks() const {
    std::array<RouterPanel::ClockNote, Router::kRows> clocks{};
    if (panel_.Engine().Rules().Any()) {
        for (int k = 0; k < Router::kRows; ++k) {
            clocks[k] = panel_.Clock(k);
        }
    }
    return clocks;
}

PixelRect PanelScene::NoteArea(int row) const {
    const Box top = InRow(kTrueCost, row);
    const Box bottom = InRow(kClock, row);
    return local_.Place(top.left, top.top, kWidth - top.left, bottom.top + bottom.height - top.top)
        .Aligned()
        .Adjusted(0, -1, 1, 1);
}

PixelRect PanelScene::RowArea(int row) const {
    // From above the row's frame to below its arrow's lower barb, left of the notes.
    const Box band = InRow(kHighlight, row);
    return local_
        .Place(0, band.top - kRowMargin, kNextHop.left + kNextHop.width,
               band.height + 2 * kRowMargin)
        .Aligned();
}

PixelRect PanelScene::CellArea(int row, bool hop) const {
    // The next hop's cell reaches over the arrow's tip and into the notes: a letter needs room
    // to be typed.
    const Box box = hop ? Box{kNextHop.left - 60, kNextHop.top, 330, kNextHop.height} : kCost;
    const Box cell = InRow(box, row);
    return local_.Place(cell.left, cell.top, cell.width, cell.height).Aligned();
}

void PanelScene::Write(Canvas& canvas, Box box, const std::string& text, TextAlign align) const {
    RectF place = local_.Place(box.left, box.top, box.width, box.height);
    // Measured in whole pixels, as the design measured its texts.
    const double wide = std::round(canvas.Advance(rowFont_, text));
    if (box.left == kCost.left) {
        // A cost keeps a little air from its letter and its arrow: where, centred in the design's
        // box, it would come nearer (a two-digit cost, "inf", a heavy face), it is centred
        // between them instead.
        const double air = rowFont_.pixels * kCostGap;
        const double left = local_.Place(kLetter.left, 0, kLetter.width, 1).Right() + air;
        const double right = local_.Point(kShaft.x1, 0).x - air;
        const double centre = place.Centre().x;
        if (look_.heavyRows || centre - wide / 2 < left || centre + wide / 2 > right) {
            place.SetLeft(left);
            place.SetRight(right);
        }
    }
    if (wide <= place.width) {
        canvas.Text(place, text, rowFont_, look_.text, align, false);
        return;
    }
    // Wider than its box ("inf", a two-digit cost in a heavy face): drawn narrower, so that it
    // never touches the letter or the arrow beside it.
    canvas.Text(place, text, rowFont_, look_.text, TextAlign::kLeft, true, place.width / wide);
}

void PanelScene::PaintFrames(Canvas& canvas) const {
    // A row the lecturer's highlighting marks as just changed gets a frame round it, on the
    // edge of its band (clear of the row's letters), in whole pixels so that it stays crisp.
    const double frame = local_.PenWidth(look_.frameWidth);
    const int width = std::max(1, static_cast<int>(std::lround(frame)));
    const auto& rows = panel_.Engine().Rows();
    using Prediction = RouterPanel::Prediction;
    for (int k = 0; k < Router::kRows; ++k) {
        const Prediction prediction = panel_.prediction[k];
        // A row asked is framed before it is shown: the learner fills it in.
        if (prediction == Prediction::None && (!rows[k].shown || !panel_.highlighted[k])) {
            continue;
        }
        // A row asked or graded is framed out to the panel's edge, round its notes: a RIP clock
        // beside it is not cut by the frame.
        Box band = InRow(kHighlight, k);
        if (prediction != Prediction::None) {
            band.width = kWidth - kGradeMargin - band.left;
        }
        const PixelRect outer = local_.Place(band.left, band.top, band.width, band.height)
                                    .Adjusted(-frame / 2, -frame / 2, frame / 2, frame / 2)
                                    .Rounded();
        const int colour = prediction == Prediction::Asked   ? look_.askedColour
                           : prediction == Prediction::Right ? look_.rightColour
                           : prediction == Prediction::Wrong ? look_.wrongColour
                                                             : look_.frameColour;
        if (prediction == Prediction::Right || prediction == Prediction::Wrong) {
            PaintGrade(canvas, k, prediction == Prediction::Right, colour);
        }
        canvas.Fill(PixelRect{outer.left, outer.top, outer.width, width}, colour);
        canvas.Fill(PixelRect{outer.left, outer.Bottom() - width, outer.width, width}, colour);
        canvas.Fill(PixelRect{outer.left, outer.top, width, outer.height}, colour);
        canvas.Fill(PixelRect{outer.Right() - width, outer.top, width, outer.height}, colour);
    }
}

void PanelScene::PaintGrade(Canvas& canvas, int row, bool right, int colour) const {
    // A tick or a cross beside the row, so that right and wrong differ in shape as well as colour.
    const Box box = InRow(kTrueCost, row);
    const RectF place = local_.Place(box.left + 60, box.top + 30, 210, 270);
    const Pen pen{colour, std::max(1.5, local_.PenWidth(look_.frameWidth) * 0.8)};
    const double l = place.left;
    const double t = place.top;
    const double r = place.left + place.width;
    const double b = place.top + place.height;
    if (right) {
        canvas.Line({l, t + place.height * 0.55}, {l + place.width * 0.38, b}, pen);
        canvas.Line({l + place.width * 0.38, b}, {r, t}, pen);
    } else {
        canvas.Line({l, t}, {r, b}, pen);
        canvas.Line({l, b}, {r, t}, pen);
    }
}

void PanelScene::PaintClockAlone(Canvas& canvas, int row, int seconds) const {
    // Alone beside its row in a hall's look, the clock is written as tall as the row, in the
    // row's face, drawn narrower where it is wider than the room beside the row.
    const Box top = InRow(kTrueCost, row);
    const Box bottom = InRow(kClock, row);
    const RectF place =
        local_.Place(top.left, top.top, kWidth - top.left, bottom.top + bottom.height - top.top);
    const std::string text = std::to_string(seconds);
    const FontMetrics metrics = canvas.Metrics(rowFont_);
    const double wide = canvas.Advance(rowFont_, text);
    canvas.TextAt({place.left, place.Centre().y + (metrics.ascent - metrics.descent) / 2}, text,
                  rowFont_, look_.clockColour, std::min(1.0, place.width / wide));
}

void PanelScene::PaintNotes(Canvas& canvas, const PixelRect& area) const {
    const auto& rows = panel_.Engine().Rows();
    const FontMetrics metrics = canvas.Metrics(noteFont_);
    // Written from a point on the baseline, centred in its box: the plain way of drawing text,
    // several times cheaper than laying it out in a rectangle, and the seconds change often.
    const auto note = [&](Box box, const std::string& text, int colour) {
        const RectF place = local_.Place(box.left, box.top, box.width, box.height);
        canvas.TextAt({place.left, place.Centre().y + (metrics.ascent - metrics.descent) / 2}, text,
                      noteFont_, colour);
    };
    for (int k = 0; k < Router::kRows; ++k) {
        if (!rows[k].shown || !area.Intersects(NoteArea(k))) {
            continue;
        }
        if (!panel_.trueCost[k].empty()) {
            note(InRow(kTrueCost, k), (panel_.stale[k] ? "\u2260" : "=") + panel_.trueCost[k],
                 panel_.stale[k] ? look_.staleColour : look_.trueCostColour);
        }
        const RouterPanel::ClockNote clock = panel_.Clock(k);
        if (clock.kind == RouterPanel::ClockNote::Kind::None) {
            continue;
        }
        if (look_.heavyRows && panel_.trueCost[k].empty()) {
            PaintClockAlone(canvas, k, clock.seconds);
        } else {
            note(InRow(kClock, k), std::to_string(clock.seconds), look_.clockColour);
        }
    }
}

void PanelScene::Paint(Canvas& canvas, const PixelRect& area) const {
    canvas.Fill(area, panel_.Background());
    if (area.Intersects(
            local_.Place(kTitle.left, kTitle.top, kTitle.width, kTitle.height).Aligned())) {
        Write(canvas, kTitle, panel_.Title(), TextAlign::kCentre);
    }
    PaintFrames(canvas);
    const Pen arrow{look_.text, std::max(1.0, local_.PenWidth(look_.arrowWidth))};
    const auto line = [&](Segment s) {
        canvas.Line(local_.Point(s.x1, s.y1), local_.Point(s.x2, s.y2), arrow);
    };
    const auto& rows = panel_.Engine().Rows();
    for (int k = 0; k < Router::kRows; ++k) {
        if (!area.Intersects(RowArea(k))) {
            continue;
        }
        if (!rows[k].shown) {
            // A row asked before the router knows it: its network's letter says which it is.
            if (panel_.prediction[k] != RouterPanel::Prediction::None) {
                Write(canvas, InRow(kLetter, k), NetworkLetter(k), TextAlign::kLeft);
            }
            continue;
        }
        line(InRow(kShaft, k));
        line(InRow(kUpperBarb, k));
        line(InRow(kLowerBarb, k));
        Write(canvas, InRow(kLetter, k), NetworkLetter(k), TextAlign::kLeft);
        Write(canvas, InRow(kCost, k), rows[k].cost, TextAlign::kCentre);
        Write(canvas, InRow(kNextHop, k), rows[k].nextHop, TextAlign::kLeft);
    }
    PaintNotes(canvas, area);
}
