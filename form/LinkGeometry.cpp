#include "form/LinkGeometry.h"

#include "form/FormState.h"
#include "form/Topology.h"

#include <cmath>

namespace {

// Whole twips from a single-precision value, halves to even.
std::int16_t Whole(float value) {
    return static_cast<std::int16_t>(std::nearbyint(value));
}

} // namespace

void ComputeLinkGeometry(FormState& form) {
    for (int from = 0; from < kRouterCount; ++from) {
        for (int to = 0; to < kRouterCount; ++to) {
            if (from == to) {
                const ShapeControl& r = form.Shape1[from];
                const std::int16_t x = Whole(r.left + r.width / 2);
                const std::int16_t y = Whole(r.top + r.height / 2);
                form.XS[from][to] = form.XE[from][to] = x;
                form.YS[from][to] = form.YE[from][to] = y;
                continue;
            }
            const LineControl& line = form.Link(from, to);
            const bool forward = from < to;
            form.XS[from][to] = Whole(static_cast<float>(forward ? line.x1 : line.x2));
            form.YS[from][to] = Whole(static_cast<float>(forward ? line.y1 : line.y2));
            form.XE[from][to] = Whole(static_cast<float>(forward ? line.x2 : line.x1));
            form.YE[from][to] = Whole(static_cast<float>(forward ? line.y2 : line.y1));
        }
    }
}
