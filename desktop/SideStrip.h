#pragma once

#include <QRect>
#include <QSize>

class Demonstration;
class LectureMenu;
class MagnifiedTables;
class TwipsTransform;

// The strip right of the drawing: the magnified tables at the top and, in full screen, the docked
// log under them; and where the window cannot grow, how much the drawing gives way for them.
class SideStrip {
public:
    SideStrip(Demonstration& demonstration, MagnifiedTables& tables, LectureMenu& extras)
        : demonstration_(demonstration), tables_(tables), extras_(extras) {}

    // The drawing's scale in a window of `window` pixels, from the one that fits (`fitted`): no
    // larger, and smaller where magnified tables need the room and the window cannot grow.
    double DrawingScale(double fitted, const QSize& window, bool logDocked, bool fixed) const;
    // In full screen the open log stands in the strip the drawing leaves free, beside it, its
    // text scaled with the drawing; elsewhere it is a window of its own.
    bool LogDocked(bool fullScreen) const;
    // Stands the tables and the docked log in the strip right of the drawing.
    void Place(const TwipsTransform& transform, const QSize& window, bool logDocked);

private:
    Demonstration& demonstration_;
    MagnifiedTables& tables_;
    LectureMenu& extras_;
};
