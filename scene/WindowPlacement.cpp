#include "scene/WindowPlacement.h"

#include <algorithm>

namespace WindowPlacement {

Box Beside(const Box& screen, const Box& main, int width, int height) {
    const int w = std::min(width, screen.width);
    const int h = std::min(height, screen.height);
    const int screenRight = screen.left + screen.width;
    const int mainRight = main.left + main.width;
    const int top = std::clamp(main.top, screen.top, screen.top + screen.height - h);
    const int rightRoom = screenRight - mainRight - kGap;
    const int leftRoom = main.left - kGap - screen.left;
    if (w <= rightRoom) {
        return {mainRight + kGap, top, w, h};
    }
    if (w <= leftRoom) {
        return {main.left - kGap - w, top, w, h};
    }
    if (std::max(rightRoom, leftRoom) >= kNarrowest) {
        return rightRoom >= leftRoom ? Box{mainRight + kGap, top, rightRoom, h}
                                     : Box{screen.left, top, leftRoom, h};
    }
    // No room on either side: at the screen's right edge, over as little of the main window as
    // the screen allows, its right part.
    return {screenRight - w, top, w, h};
}

} // namespace WindowPlacement
