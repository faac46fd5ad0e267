#pragma once

// Where a routing-table panel draws its parts, in twips from the panel's top left corner. Row k
// stands kRowPitch twips below row k - 1.
namespace PanelLayout {

struct Box {
    int left, top, width, height;
};
struct Segment {
    int x1, y1, x2, y2;
};

inline constexpr int kWidth = 1815;
// Height of a panel after a message that addresses all six rows; each row fewer takes one row
// pitch off.
inline constexpr int kFullHeight = 2685;
inline constexpr int kRowPitch = 360;
inline constexpr double kFontPoints = 13.5;

inline constexpr Box kTitle{0, 30, 1725, 375};
inline constexpr Box kLetter{120, 360, 255, 375};   // opaque, left-aligned
inline constexpr Box kCost{360, 360, 615, 375};     // transparent, centred
inline constexpr Box kNextHop{1200, 360, 255, 375}; // opaque, left-aligned
// The frame round a row marked as just changed is drawn on the edge of this box.
inline constexpr Box kHighlight{60, 375, 1695, 345};
// A row asked in a question is framed out to this far from the panel's right edge, round its notes.
inline constexpr int kGradeMargin = 15;
// Right of the next hop, in a smaller font: the row's true cost above, its running RIP clock
// (seconds left) below.
inline constexpr Box kTrueCost{1470, 375, 330, 180};
inline constexpr Box kClock{1470, 555, 330, 180};
inline constexpr double kNotePoints = 8.25;
inline constexpr Segment kShaft{885, 555, 1125, 555};
inline constexpr Segment kUpperBarb{1115, 560, 1035, 480};
inline constexpr Segment kLowerBarb{1115, 555, 1035, 635};

inline constexpr Box InRow(Box box, int row) {
    return {box.left, box.top + kRowPitch * row, box.width, box.height};
}
inline constexpr Segment InRow(Segment s, int row) {
    return {s.x1, s.y1 + kRowPitch * row, s.x2, s.y2 + kRowPitch * row};
}

} // namespace PanelLayout
