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
            // No room on either side: over the main window's right part, on the screen.
            left = std::clamp(std::min(mainRight, screenRight) - w, screen.left, screenRight - w);
        }
    }
    return {left, top, w, h};
}

} // namespace WindowPlacement
