#pragma once

#include <array>

// Colours and places of the window's design, written out here as literal values so that a wrong
// entry in the program's own layout tables fails the tests instead of agreeing with them.
namespace Design {

inline constexpr std::array<int, 6> kRouterColours{0xFFC0C0, 0xFFFFC0, 0xC0FFC0,
                                                   0xC0E0FF, 0xFFC0FF, 0xC0C0FF};
inline constexpr int kForm = 0xF0F0F0;
inline constexpr int kGrey = 0x808080;
inline constexpr int kRed = 0x0000FF;
inline constexpr int kWhite = 0xFFFFFF;
inline constexpr int kMarkerGreen = 0x008000;

// btnRouter and Shape1: left, top of each router (1095 x 615).
inline constexpr std::array<std::array<int, 2>, 6> kRouterPlaces{
    {{1680, 3120}, {4680, 3360}, {1680, 4920}, {4800, 4920}, {8640, 3360}, {8280, 5400}}};

} // namespace Design
