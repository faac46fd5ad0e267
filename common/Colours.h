#pragma once

// Colours more than one part of the window paints with, 0xBBGGRR.
namespace Colours {

// The window's ground, the buttons, and a panel before the window gives it its router's colour.
inline constexpr int kForm = 0xF0F0F0;

} // namespace Colours
