#pragma once

#include "form/Controls.h"

// Where a second window of the program (the message log, the help) opens: wholly on the screen
// that shows the main window, beside the main window where the screen has room for it (right
// first, then left), else narrowed to the wider side where that leaves it kNarrowest or more,
// else at the screen's right edge, over the main window's right part. Boxes are in the screen's
// pixels, frames included; a window larger than the screen is made to fit.
namespace WindowPlacement {

inline constexpr int kGap = 8;         // pixels between the main window and one beside it
inline constexpr int kNarrowest = 360; // the narrowest a second window is made to stand beside

Box Beside(const Box& screen, const Box& main, int width, int height);

} // namespace WindowPlacement
