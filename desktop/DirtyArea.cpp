#include "desktop/DirtyArea.h"

namespace {

long Area(const QRect& r) {
    return static_cast<long>(r.width()) * r.height();
}

} // namespace

QRegion DirtyArea::Region() {
    for (bool joined = true; joined;) {
        joined = false;
        for (std::size_t i = 0; i < rects_.size(); ++i) {
            for (std::size_t j = i + 1; j < rects_.size();) {
                const QRect both = rects_[i] | rects_[j];
                if (Area(both) <= 2 * (Area(rects_[i]) + Area(rects_[j]))) {
                    rects_[i] = both;
                    rects_[j] = rects_.back();
                    rects_.pop_back();
                    joined = true;
                } else {
                    ++j;
                }
            }
        }
    }
    // What is left is joined in pairs, then pairs of pairs: cheaper than adding the rectangles
    // one by one to an ever more complex region.
    std::vector<QRegion> parts(rects_.begin(), rects_.end());
    while (parts.size() > 1) {
        std::size_t kept = 0;
        for (std::size_t i = 0; i < parts.size(); i += 2) {
            parts[kept++] = i + 1 < parts.size() ? parts[i].united(parts[i + 1]) : parts[i];
        }
        parts.resize(kept);
    }
    rects_.clear();
    return parts.empty() ? QRegion() : parts.front();
}
