#include "scene/HallHistogram.h"
#include "common/Translate.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kCard = 0xF8F8F8;
constexpr int kInk = 0x000000;
constexpr int kRight = 0x3C9A3C; // 0xBBGGRR: green
constexpr int kWrong = 0x3C3CC8; // red

} // namespace

std::string HallHistogram::Heading() const {
    return TranslateCount("The hall: {count} answer", "The hall: {count} answers", answered_);
}

std::string HallHistogram::Said(const HallAnswers::Share& share) {
    const long percent = std::lround(share.share * 100);
    return Translate("{answer}: {percent} %",
                     {{"answer", share.text.empty() ? Translate("(blank)") : share.text},
                      {"percent", std::to_string(percent)}});
}

std::vector<std::string> HallHistogram::Lines() const {
    std::vector<std::string> lines{Heading()};
    for (const Cell& cell : cells_) {
        lines.push_back(cell.name);
        for (const HallAnswers::Share& share : cell.shares) {
            lines.push_back(Said(share));
        }
    }
    return lines;
}

void HallHistogram::Paint(Canvas& canvas, const PixelRect& box) const {
    canvas.Ground(box, kCard);
    canvas.Rectangle(RectF{box.left + 0.5, box.top + 0.5, box.width - 1.0, box.height - 1.0},
                     Pen{0x808080, 1}, -1);
    const double pad = std::max(3.0, box.height / 40.0);
    // A line for the heading, then for each cell its name and one a share.
    std::size_t lines = 1;
    for (const Cell& cell : cells_) {
        lines += 1 + cell.shares.size();
    }
    const double line = (box.height - 2 * pad) / static_cast<double>(lines);
    const int pixels = std::max(8, static_cast<int>(line * 0.75));
    const Font font{pixels, false, false};
    const Font bold{pixels, true, false};
    const double width = box.width - 2 * pad;
    double y = box.top + pad;
    canvas.Text(RectF{box.left + pad, y, width, line}, Heading(), bold, kInk, TextAlign::kLeft,
                true);
    y += line;
    const double label = width * 0.45;
    for (const Cell& cell : cells_) {
        canvas.Text(RectF{box.left + pad, y, width, line}, cell.name, bold, kInk, TextAlign::kLeft,
                    true);
        y += line;
        for (const HallAnswers::Share& share : cell.shares) {
            canvas.Text(RectF{box.left + 2 * pad, y, label - pad, line}, Said(share), font, kInk,
                        TextAlign::kLeft, true);
            const double bar = (width - label) * share.share;
            if (bar > 0) {
                canvas.Fill(RectF{box.left + pad + label, y + line * 0.2, bar, line * 0.6},
                            share.right ? kRight : kWrong);
            }
            y += line;
        }
    }
}
