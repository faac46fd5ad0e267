#include "scene/TickRepaint.h"

#include "form/FormState.h"
#include "scene/FormScene.h"

#include <cstdint>

namespace {

std::int64_t Area(const PixelRect& r) {
    return static_cast<std::int64_t>(r.width) * r.height;
}

} // namespace

TickRepaint::Marker TickRepaint::Of(const ShapeControl& packet, const FormScene& scene) {
    return {packet.visible, packet.visible ? scene.PacketArea(packet) : PixelRect(),
            packet.borderColour, packet.fillColour, packet.borderWidth};
}

void TickRepaint::Drawn(const FormState& form, const FormScene& scene) {
    for (std::size_t i = 0; i < form.shpPacket.size(); ++i) {
        drawn_[i] = Of(form.shpPacket[i], scene);
    }
}

std::vector<PixelRect> TickRepaint::Changed(const FormState& form, const FormScene& scene,
                                            bool& statusChanged) {
    std::vector<PixelRect> changed;
    const auto add = [&](const PixelRect& r) {
        if (!r.Empty()) {
            changed.push_back(r);
        }
    };
    for (std::size_t i = 0; i < form.shpPacket.size(); ++i) {
        const Marker now = Of(form.shpPacket[i], scene);
        Marker& was = drawn_[i];
        if (!(now == was)) {
            add(was.area);
            add(now.area);
            was = now;
        }
    }
    statusChanged = form.Label2.caption != status_;
    if (statusChanged) {
        status_ = form.Label2.caption;
        add(scene.StatusArea());
    }
    return Joined(std::move(changed));
}

std::vector<PixelRect> TickRepaint::Joined(std::vector<PixelRect> rects) {
    for (bool joined = true; joined;) {
        joined = false;
        for (std::size_t i = 0; i < rects.size(); ++i) {
            for (std::size_t j = i + 1; j < rects.size();) {
                const PixelRect both = rects[i].United(rects[j]);
                if (Area(both) <= 2 * (Area(rects[i]) + Area(rects[j]))) {
                    rects[i] = both;
                    rects[j] = rects.back();
                    rects.pop_back();
                    joined = true;
                } else {
                    ++j;
                }
            }
        }
    }
    return rects;
}
