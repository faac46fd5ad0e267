#include "scene/HallCard.h"
#include "common/Translate.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kWhite = 0xFFFFFF;
constexpr int kInk = 0x000000;
constexpr int kBorder = 0x404040;
constexpr int kQuietModules = 4; // the light margin a reader needs round the code

// The largest whole pixel size at which `text` fits `width`, at most `most`.
int FittingPixels(Canvas& canvas, std::string_view text, double width, int most, bool bold) {
    int pixels = most;
    while (pixels > 8 && canvas.Advance(Font{pixels, bold, false}, text) > width) {
        --pixels;
    }
    return pixels;
}

} // namespace

std::string HallCard::Another(std::size_t host, std::size_t hosts) {
    if (hosts < 2) {
        return {};
    }
    return Translate("Not reached? Press A for another address ({number} of {count}).",
                     {{"number", std::to_string(host + 1)}, {"count", std::to_string(hosts)}});
}

void HallCard::Paint(Canvas& canvas, const PixelRect& box) const {
    canvas.Ground(box, kWhite);
    canvas.Rectangle(RectF{box.left + 1.0, box.top + 1.0, box.width - 2.0, box.height - 2.0},
                     Pen{kBorder, 2}, -1);
    const int pad = std::max(8, box.height / 20);
    // The code as large as the card's height allows, each module whole pixels.
    const int across = size_ + 2 * kQuietModules;
    const int module = std::max(1, std::min(box.height - 2 * pad, box.width / 2) / across);
    const int side = module * across;
    const int left = box.left + pad;
    const int top = box.top + (box.height - side) / 2;
    for (int y = 0; y < size_; ++y) {
        for (int x = 0; x < size_; ++x) {
            if (modules_[static_cast<std::size_t>(y * size_ + x)]) {
                canvas.Ground(PixelRect{left + (kQuietModules + x) * module,
                                        top + (kQuietModules + y) * module, module, module},
                              kInk);
            }
        }
    }
    // The words beside it, each as large as its room allows.
    const double textLeft = left + side + pad;
    const double width = box.Right() - pad - textLeft;
    const std::string title = Translate(kHeading);
    const int heading = FittingPixels(canvas, title, width, box.height / 9, true);
    const int address = FittingPixels(canvas, address_, width, box.height / 12, false);
    const int code = FittingPixels(canvas, code_, width, box.height / 4, true);
    const int small = std::max(8, std::min(address, box.height / 20));
    double y = box.top + pad;
    canvas.Text(RectF{textLeft, y, width, heading * 1.3}, title, Font{heading, true, false}, kInk,
                TextAlign::kLeft, false);
    y += heading * 1.6;
    canvas.Text(RectF{textLeft, y, width, address * 1.3}, address_, Font{address, false, false},
                kInk, TextAlign::kLeft, false);
    y += address * 1.8;
    canvas.Text(RectF{textLeft, y, width, small * 1.3}, Translate(kCodeLabel),
                Font{small, false, false}, kInk, TextAlign::kLeft, false);
    y += small * 1.4;
    canvas.Text(RectF{textLeft, y, width, code * 1.3}, code_, Font{code, true, false}, kInk,
                TextAlign::kLeft, false);
    const double bottom = box.Bottom() - pad - small * 1.3;
    canvas.Text(RectF{textLeft, bottom, width, small * 1.3}, kHide, Font{small, false, false},
                0x505050, TextAlign::kLeft, true);
    const std::string another = Another(host_, hosts_);
    if (!another.empty()) {
        const int pixels = FittingPixels(canvas, another, width, small, false);
        canvas.Text(RectF{textLeft, bottom - small * 1.5, width, small * 1.3}, another,
                    Font{pixels, false, false}, kInk, TextAlign::kLeft, true);
    }
}
