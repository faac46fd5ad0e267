#include "scene/WindowPlacement.h"
#include "scene/DrawingFit.h"

#include <gtest/gtest.h>

// The log window (640 x 420 with its frame) opens beside the main window (822 x 583) where the
// screen has room, narrowed to the room beside it where 360 or more is left, and otherwise over
// the main window's right part, always wholly on the screen.
TEST(WindowPlacement, BesideWhereThereIsRoomElseOverTheRightPart) {
    const Box fullHd{0, 0, 1920, 1080};
    const Box laptop{0, 0, 1366, 768};
    const Box projector{1366, 0, 1920, 1080};
    const struct {
        Box screen;
        Box main;
        Box placed;
    } cases[] = {
        {fullHd, {100, 50, 822, 583}, {930, 50, 640, 420}},        // right of it
        {fullHd, {1000, 50, 822, 583}, {352, 50, 640, 420}},       // no room right: left of it
        {laptop, {0, 0, 822, 583}, {830, 0, 536, 420}},            // narrowed to the room right
        {fullHd, {540, 50, 822, 583}, {1370, 50, 550, 420}},       // ... of a centred window
        {fullHd, {600, 50, 822, 583}, {0, 50, 592, 420}},          // ... or left, where wider
        {laptop, {300, 500, 822, 583}, {726, 348, 640, 420}},      // neither: over its right part
        {laptop, {0, 0, 1366, 768}, {726, 0, 640, 420}},           // full screen
        {projector, {1400, 100, 822, 583}, {2230, 100, 640, 420}}, // a second screen
        {projector, {2800, 100, 822, 583}, {2152, 100, 640, 420}}, // partly off it: left
    };
    for (const auto& c : cases) {
        const Box placed = WindowPlacement::Beside(c.screen, c.main, 640, 420);
        EXPECT_EQ(placed.left, c.placed.left) << c.main.left << "," << c.main.top;
        EXPECT_EQ(placed.top, c.placed.top) << c.main.left << "," << c.main.top;
        EXPECT_EQ(placed.width, c.placed.width) << c.main.left << "," << c.main.top;
        EXPECT_EQ(placed.height, 420);
    }
    const Box tiny = WindowPlacement::Beside({0, 0, 600, 400}, {0, 0, 600, 400}, 640, 420);
    EXPECT_EQ(tiny.width, 600) << "a screen smaller than the window: made to fit";
    EXPECT_EQ(tiny.height, 400);
    EXPECT_EQ(tiny.left, 0);
}

// The drawing in the main window, at 96 dots an inch (1/15 pixel a twip): 822 x 583 at full size.
TEST(DrawingFit, OpensAsLargeAsFitsNeverBelowHalfAndMakesRoomForStrips) {
    constexpr double kBase = 1.0 / 15;
    DrawingFit fit(12330, 8745);
    EXPECT_EQ(fit.At(kBase, 1.0), (DrawingFit::Size{822, 583}));
    EXPECT_EQ(fit.Opening(kBase, {4000, 3000}), (DrawingFit::Size{822, 583}));
    EXPECT_EQ(fit.Opening(kBase, {800, 560}), (DrawingFit::Size{790, 560})) << "aspect kept";
    EXPECT_EQ(fit.Opening(kBase, {100, 100}), (DrawingFit::Size{411, 292})) << "half at least";

    const DrawingFit::Placement wide = fit.Place(kBase, {1000, 583}, false);
    EXPECT_DOUBLE_EQ(wide.scale, kBase);
    EXPECT_DOUBLE_EQ(wide.left, 89);
    EXPECT_DOUBLE_EQ(fit.Place(kBase, {1000, 583}, true).left, 0) << "a strip stands beside";

    fit.ShowCaptionStrip(true);
    fit.ShowMagnifiedStrip(true);
    EXPECT_EQ(fit.At(kBase, 1.0), (DrawingFit::Size{1062, 663}));
    const DrawingFit::Placement tall = fit.Place(kBase, {1062, 663}, true);
    EXPECT_DOUBLE_EQ(tall.top, 0);
}
