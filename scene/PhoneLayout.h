#pragma once

#include "app/TabOrder.h"
#include "scene/Geometry.h"
#include "scene/TwipsToPixels.h"

#include <vector>

class FormState;

// The page held upright on a phone (narrower than tall, up to kMostWidth CSS pixels across): the
// drawing as wide as the screen, the routing tables under it in a grid at a size that reads (a
// magnified one across the whole width), the window's list, commands and check box in rows of
// their own at a finger's size, then the status line and the caption strip; the page scrolls
// where all of it is taller than the screen. The controls on the drawing (routers, networks,
// break buttons, costs) keep their places, each taking its tap from at least a finger's square
// round it; no text is smaller than kLeastText pixels.
class PhoneLayout {
public:
    static constexpr int kMostWidth = 600;
    static constexpr int kFinger = 44;       // CSS pixels: the least a touch target is across
    static constexpr double kLeastText = 12; // CSS pixels
    static constexpr int kGap = 4;
    static constexpr int kStatusHeight = 24;
    static constexpr int kMeterHeight = 64;

    static bool Upright(int width, int height) { return width < height && width <= kMostWidth; }

    // For the window's state at `width` CSS pixels across, with the tables `magnified`, and the
    // meter where it shows.
    PhoneLayout(const FormState& state, const std::vector<int>& magnified, int width, bool meter);

    // The drawing, from the page's top left corner.
    const TwipsToPixels& Drawing() const { return drawing_; }
    // The tables that show, in the grid under the drawing: the magnified first.
    struct Table {
        int router = 0;
        double scale = 0; // pixels per twip
        PixelRect box;
        bool magnified = false;
    };
    const std::vector<Table>& Tables() const { return tables_; }
    // A control's place: a row of its own for the list, the commands and the check box; on the
    // drawing, its drawn place grown to a finger's square round its middle. `drawn` is where the
    // drawing puts it.
    PixelRect Control(const TabOrder::Control& control, const PixelRect& drawn) const;
    // What the canvas holds, down from the top: the drawing and the tables.
    int DrawnHeight() const { return rowsTop_; }
    // The status line's row under the controls, the meter's under it where it shows, where the
    // caption strip starts below them, and the help's button at the drawing's bottom left.
    PixelRect Status() const { return {kGap, statusTop_, width_ - 2 * kGap, kStatusHeight}; }
    PixelRect Meter() const {
        return {kGap, statusTop_ + kStatusHeight, width_ - 2 * kGap, meter_ ? kMeterHeight : 0};
    }
    int StripTop() const { return Meter().Bottom() + kGap; }
    PixelRect Help() const { return {0, drawingBottom_ - kFinger, kFinger, kFinger}; }

private:
    int width_;
    TwipsToPixels drawing_;
    std::vector<Table> tables_;
    bool meter_;
    int drawingBottom_ = 0;
    int rowsTop_ = 0;   // the first row of controls
    int statusTop_ = 0; // the status line
};
