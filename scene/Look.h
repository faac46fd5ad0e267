#pragma once

#include "common/Colours.h"
#include "router/PanelLayout.h"

// Every colour (0xBBGGRR) and width the drawing is painted with, in the design's own look and in
// a look for the back of a hall. The hall's look writes the tables' rows larger and heavier, a
// stale row's true cost darker (every text 4.5:1 or more against every router's colour), draws
// packets with a dark outline round a ring half as thick again (each 3:1 or more against every
// line and the form it crosses), leaves out the status line's design caption at start and writes
// the links' costs as large and heavy as the tables' rows.
struct Look {
    int form = Colours::kForm;
    int text = Colours::kText;
    // The status line shows the design's caption at start ("Label2"), or nothing in its place.
    bool designStatus = true;
    // The links' costs in the tables' heavy face, no smaller than their rows.
    bool heavyCosts = false;

    // Packet markers: an outline inside the marker's bounds round the ring (a colour of -1 draws
    // none), its width in design pixels, and the ring's width as a share of the marker's border.
    int markerOutline = -1;
    int markerOutlineWidth = 0;
    double ringFactor = 1.0;

    // Routing-table panels: the rows' size in points, written in the heavy face (bold, heavier
    // than the usual face's, letters open); what is written beside a row; the frame round a row
    // marked as just changed (3:1 or more against every router's colour), and the arrows' width
    // (design pixels, at least one pixel).
    double rowPoints = PanelLayout::kFontPoints;
    bool heavyRows = false;
    int trueCostColour = 0x7F3000;
    int staleColour = 0x0030B0;
    int clockColour = 0x505050;
    int frameColour = 0x0030B0;
    int frameWidth = 3;
    // A learner's prediction: the rows asked framed blue, then right ones green with a tick and
    // wrong ones red with a cross (3:1 or more against every router's colour).
    int askedColour = 0xA04000;
    int rightColour = 0x006000;
    int wrongColour = 0x0000B0;
    int arrowWidth = 1;
    // The status line's and the corner meter's size in points, where larger than their own
    // (none: their own); the meter is made smaller only where its text would not fit its box.
    double statusPoints = 0;
    double meterPoints = 0;
    // On a phone held upright: no text is drawn smaller than this many pixels (a label grows
    // round its middle to hold it), and the status line is written beside the drawing, not in it.
    int leastTextPixels = 0;
    bool statusInDrawing = true;

    bool operator==(const Look&) const = default;
};

inline constexpr Look kPlainLook{};
inline constexpr Look kProjectorLook{.designStatus = false,
                                     .heavyCosts = true,
                                     .markerOutline = 0x000000,
                                     .markerOutlineWidth = 2,
                                     .ringFactor = 1.5,
                                     .rowPoints = 16,
                                     .heavyRows = true,
                                     .staleColour = 0x001E7A,
                                     .statusPoints = 16,
                                     .meterPoints = 16};

inline const Look& LookFor(bool projector) {
    return projector ? kProjectorLook : kPlainLook;
}

// The look on a phone held upright, over the plain look or the hall's.
inline Look PhoneLook(const Look& look) {
    Look phone = look;
    phone.leastTextPixels = 12;
    phone.statusInDrawing = false;
    return phone;
}
