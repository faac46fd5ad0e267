#pragma once

// Colours more than one part of the window paints with, 0xBBGGRR.
namespace Colours {

// The window's ground, the buttons, and a panel before the window gives it its router's colour.
inline constexpr int kForm = 0xF0F0F0;
// Text on the form and in the panels.
inline constexpr int kText = 0x000000;
// A coloured button's border, and its face while pressed: darkened by this many percent (a
// shade of 115 is the face's colour divided by 1.15).
inline constexpr int kButtonBorder = 0x808080;
inline constexpr int kPressedShade = 115;

} // namespace Colours
