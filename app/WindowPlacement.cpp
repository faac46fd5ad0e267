#include "app/WindowPlacement.h"

#include <algorithm>

namespace WindowPlacement {

Box Beside(const Box& screen, const Box& main, int width, int height) {
    const int w = std::min(width, screen.width);
    const int h = std::min(height, screen.height);
    const int screenRight = screen.left + screen.width;
    const int mainRight = main.left + main.width;
    const int top = std::clamp(main.top, screen.top, screen.top + screen.height - h);
    int left = mainRight + kGap;
    if (left + w > screenRight) {
        left = main.left - kGap - w;
        if (left < screen.left) {
            // No room on either side: at the screen's right edge, over as little of the main
            // window as the screen allows, its right part.
            left = screenRight - w;
        }
    }
    return {left, top, w, h};
}

} // namespace WindowPlacement
