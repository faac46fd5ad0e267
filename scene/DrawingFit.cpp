#include "scene/DrawingFit.h"

#include "form/Layout.h"

#include <algorithm>
#include <cmath>

int DrawingFit::Width() const {
    return formWidth_ + (magnifiedStrip_ ? Layout::kMagnifiedStrip : 0);
}

int DrawingFit::CaptionHeight() const {
    return captionStrip_ ? Layout::kCaptionHeight + (pad_ ? Layout::kPadHeight : 0) : 0;
}

int DrawingFit::Height() const {
    return formHeight_ + CaptionHeight();
}

DrawingFit::Size DrawingFit::At(double base, double fraction) const {
    const double scale = base * fraction;
    return {static_cast<int>(std::lround(Width() * scale)),
            static_cast<int>(std::lround(Height() * scale))};
}

DrawingFit::Size DrawingFit::Opening(double base, Size room) const {
    const Size full = At(base, 1.0);
    const double fit = std::min({1.0, static_cast<double>(room.width) / full.width,
                                 static_cast<double>(room.height) / full.height});
    return At(base, std::max(fit, kMinimumScale));
}

DrawingFit::Placement DrawingFit::Place(double base, Size window, bool side) const {
    const double fit = std::min(window.width / (Width() * base), window.height / (Height() * base));
    Placement placement;
    placement.scale = base * fit;
    placement.left = side ? 0 : (window.width - formWidth_ * placement.scale) / 2;
    placement.top = (window.height - Height() * placement.scale) / 2;
    return placement;
}
