#pragma once

#include "router/PanelLayout.h"
#include "router/Router.h"
#include "router/RouterPanel.h"
#include "scene/Canvas.h"
#include "scene/Look.h"
#include "scene/TwipsToPixels.h"

#include <array>
#include <string>

// A routing-table panel drawn in its own pixels: title, then one row per network (letter, cost,
// arrow, next hop), frames round rows just changed, and beside each row its true cost and running
// RIP clock.
class PanelScene {
public:
    // `scale`: pixels per twip.
    PanelScene(const RouterPanel& panel, double scale, const Look& look);

    // Draws what lies in `area`: a clock's seconds alone are cheap.
    void Paint(Canvas& canvas, const PixelRect& area) const;
    // The pixels of what is written beside a row, and of the row's own letters and arrow (what
    // the mouse rests on to ask why).
    PixelRect NoteArea(int row) const;
    PixelRect RowArea(int row) const;
    // Where a learner types a row's cost, or its next hop, to predict it.
    PixelRect CellArea(int row, bool hop) const;
    // The rows' running RIP clocks, none while no rule is on.
    std::array<RouterPanel::ClockNote, Router::kRows> Clocks() const;

private:
    static constexpr int kRowMargin = 45; // twips above and below a row's frame
    // The air between a cost and its arrow, as a share of the row letters' size.
    static constexpr double kCostGap = 0.2;

    // Writes a row's part (or the title) in its box, narrower where it is wider than the box.
    void Write(Canvas& canvas, PanelLayout::Box box, const std::string& text,
               TextAlign align) const;
    void PaintFrames(Canvas& canvas) const;
    void PaintGrade(Canvas& canvas, int row, bool right, int colour) const;
    void PaintNotes(Canvas& canvas, const PixelRect& area) const;
    void PaintClockAlone(Canvas& canvas, int row, int seconds) const;

    const RouterPanel& panel_;
    TwipsToPixels local_;
    const Look& look_;
    Font rowFont_;
    Font noteFont_;
};
