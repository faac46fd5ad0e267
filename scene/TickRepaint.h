#pragma once

#include "form/FormState.h"
#include "scene/Geometry.h"

#include <array>
#include <string>
#include <vector>

class FormScene;

// What a tick asks to repaint: the markers that moved, appeared, went or changed their look, and
// the status line when its text changed, as few rectangles as serve. Rectangles that overlap or
// lie close are covered by one: a window system paints a few rectangles far faster than many,
// even when they are a little larger. Two are joined when the rectangle round both is at most
// twice their areas together.
class TickRepaint {
public:
    // Everything was drawn afresh (the window was resized): each marker stands where the scene
    // puts it now, which is where the next change must wipe it from.
    void Drawn(const FormState& form, const FormScene& scene);
    // The rectangles to repaint since the last call; `statusChanged` tells whether the status
    // line is among them.
    std::vector<PixelRect> Changed(const FormState& form, const FormScene& scene,
                                   bool& statusChanged);
    // The rectangles joined as above.
    static std::vector<PixelRect> Joined(std::vector<PixelRect> rects);

private:
    // What was last drawn of a packet marker.
    struct Marker {
        bool visible = false;
        PixelRect area;
        int border = 0;
        int fill = 0;
        int width = 0;
        bool operator==(const Marker&) const = default;
    };
    static Marker Of(const ShapeControl& packet, const FormScene& scene);

    std::array<Marker, kPacketSlots> drawn_{};
    std::string status_;
};
