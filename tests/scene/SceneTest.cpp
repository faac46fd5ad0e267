// What is drawn, read off a recording canvas: the hall's look judged by the colours painted, and
// what a tick and a panel ask to repaint.
#include "form/Layout.h"
#include "scene/FormScene.h"
#include "scene/Look.h"
#include "scene/PanelRepaint.h"
#include "scene/PanelScene.h"
#include "scene/PhoneLayout.h"
#include "scene/SvgCanvas.h"
#include "scene/TickRepaint.h"
#include "session/Demonstration.h"
#include "support/Contrast.h"
#include "support/DesignValues.h"
#include "support/FormFixture.h"
#include "support/RecordingCanvas.h"

#include <algorithm>
#include <set>

namespace {

using Control = Action::Control;
using Kind = RecordingCanvas::Kind;

struct Drawn : FormFixture {
    Demonstration demonstration{form};
    long now = 0;
    const TwipsToPixels transform{1.0 / 15, {}};

    void Act(const Action& action) {
        demonstration.Act(action, now);
        demonstration.NextTick(now);
    }
    void Run(int ticks) {
        for (int t = 0; t < ticks; ++t) {
            now += 40;
            demonstration.Tick(now);
        }
    }
};

} // namespace

// In the hall's look every text in a panel stands 4.5:1 or more against the panel it is written
// on (rows, true costs, stale ones, clocks), a row's frame 3:1; every packet's outline 3:1 or
// more against every line it crosses and the form.
TEST_F(Drawn, TheHallsLookStandsOutAsItIsPainted) {
    Act(Action::Choose("Example 1"));
    Act(Action::Rule(Action::kAllRules, true));
    demonstration.ShowShortestPaths(true, now);
    demonstration.CycleHighlight(now);
    demonstration.CycleHighlight(now);
    demonstration.CycleHighlight(now); // frames until the next change
    Act(Action::Click(Control::Update));
    Run(60);
    Act(Action::Click(Control::Break, 7)); // C-D: rows go stale
    Act(Action::Click(Control::Update));
    Run(13);

    std::set<std::string> kinds; // what was judged, so that nothing is judged vacuously
    for (const RouterPanel& panel : state.RouterTable) {
        if (!panel.visible) {
            continue;
        }
        RecordingCanvas canvas;
        PanelScene(panel, transform.Scale(), kProjectorLook).Paint(canvas, {0, 0, 200, 200});
        ASSERT_FALSE(canvas.marks.empty());
        const int ground = canvas.marks.front().colour;
        EXPECT_EQ(ground, panel.Background());
        for (const auto& mark : canvas.marks) {
            if (mark.kind == Kind::kText) {
                kinds.insert(mark.text.substr(0, 1));
                EXPECT_GE(ContrastRatio(mark.colour, ground), 4.5)
                    << std::hex << mark.colour << " on " << ground << ": " << mark.text;
            } else if (mark.kind == Kind::kFill && mark.colour != ground) {
                kinds.insert("frame");
                EXPECT_GE(ContrastRatio(mark.colour, ground), 3.0) << std::hex << mark.colour;
            }
        }
    }
    for (const char* expected : {"=", "\xE2", "1", "frame"}) { // true, stale ("≠"), clocks
        EXPECT_TRUE(kinds.count(expected)) << expected;
    }

    RecordingCanvas canvas;
    const FormScene scene(state, transform, kProjectorLook);
    const PixelRect everything{0, 0, 822, 583};
    scene.PaintStill(canvas, everything);
    std::set<int> crossed;
    for (const auto& mark : canvas.marks) {
        if (mark.kind == Kind::kGround || mark.kind == Kind::kLine) {
            crossed.insert(mark.colour);
        }
    }
    EXPECT_TRUE(crossed.count(Design::kRed)) << "the broken link";
    const std::size_t still = canvas.marks.size();
    scene.PaintMoving(canvas, std::span<const PixelRect>(&everything, 1));
    int markers = 0;
    for (std::size_t i = still; i < canvas.marks.size(); ++i) {
        const auto& mark = canvas.marks[i];
        if (mark.kind != Kind::kEllipse || mark.colour != -1) {
            continue; // the disc without a border is the outline
        }
        ++markers;
        for (int colour : crossed) {
            EXPECT_GE(ContrastRatio(mark.fill, colour), 3.0) << std::hex << colour;
        }
    }
    EXPECT_GT(markers, 0);
    EXPECT_GE(ContrastRatio(Layout::kCaptionText, Layout::kCaptionBack), 4.5);
    EXPECT_GE(ContrastRatio(Layout::kCaptionStepText, Layout::kCaptionBack), 4.5);
}

// A tick repaints where a marker was and where it is, and the status line when its text
// changed; nothing when nothing moved. A clock's second repaints only what is written beside
// the rows, a new row the whole panel.
TEST_F(Drawn, ATickRepaintsWhatChangedAndNoMore) {
    Act(Action::Choose("Example 1"));
    const FormScene scene(state, transform, kPlainLook);
    TickRepaint repaint;
    bool status = false;
    repaint.Changed(state, scene, status);
    EXPECT_TRUE(repaint.Changed(state, scene, status).empty());
    EXPECT_FALSE(status);
    const auto areas = [&] {
        std::vector<PixelRect> all;
        for (const ShapeControl& packet : state.shpPacket) {
            if (packet.visible) {
                all.push_back(scene.PacketArea(packet));
            }
        }
        return all;
    };
    const auto covered = [](const std::vector<PixelRect>& areas,
                            const std::vector<PixelRect>& rects) {
        return std::all_of(areas.begin(), areas.end(), [&](const PixelRect& area) {
            return std::any_of(rects.begin(), rects.end(),
                               [&](const PixelRect& r) { return r.United(area) == r; });
        });
    };
    Act(Action::Click(Control::Update));
    Run(1);
    const auto moving = areas();
    ASSERT_FALSE(moving.empty());
    EXPECT_TRUE(covered(moving, repaint.Changed(state, scene, status)));
    EXPECT_TRUE(status);
    Run(1);
    EXPECT_TRUE(covered(moving, repaint.Changed(state, scene, status))) << "wiped where they were";
    EXPECT_FALSE(status);
    Run(60);
    const auto arrived = repaint.Changed(state, scene, status);
    ASSERT_TRUE(areas().empty());
    EXPECT_FALSE(arrived.empty()) << "the last markers wiped";

    Act(Action::Rule(Action::kAllRules, true));
    const RouterPanel& a = state.RouterTable[0];
    PanelRepaint panel;
    EXPECT_TRUE(panel.Refresh(a, PanelScene(a, transform.Scale(), kPlainLook)).all);
    EXPECT_FALSE(panel.Refresh(a, PanelScene(a, transform.Scale(), kPlainLook)).Any());
    int secondsOnly = 0; // the clocks' seconds changed, and nothing else
    for (int t = 0; t < 300; ++t) {
        const auto rows = a.Engine().Rows();
        Run(1);
        const auto change = panel.Refresh(a, PanelScene(a, transform.Scale(), kPlainLook));
        if (rows == a.Engine().Rows() && change.Any()) {
            EXPECT_FALSE(change.all) << t;
            secondsOnly += change.notes.empty() ? 0 : 1;
        }
    }
    EXPECT_GE(secondsOnly, 5);
}

// Rectangles that lie close are covered by one; far apart they stay two.
TEST(TickRepaint, JoinsWhatLiesClose) {
    const struct {
        std::vector<PixelRect> given, joined;
    } cases[] = {
        {{{0, 0, 10, 10}, {12, 0, 10, 10}}, {{0, 0, 22, 10}}},
        {{{0, 0, 10, 10}, {100, 100, 10, 10}}, {{0, 0, 10, 10}, {100, 100, 10, 10}}},
        {{{0, 0, 10, 10}, {100, 100, 10, 10}, {5, 5, 100, 100}}, {{0, 0, 110, 110}}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TickRepaint::Joined(c.given), c.joined);
    }
}

// An SVG picture writes its numbers to a hundredth of a pixel, its colours as #rrggbb, its text
// escaped and clipped to its box, whatever the locale.
TEST(SvgCanvas, WritesPlainNumbersColoursAndEscapedText) {
    RecordingCanvas measure;
    SvgCanvas svg(measure, 30, 20);
    Canvas& canvas = svg;
    canvas.Fill(RectF{1.004, -2.5, 10, 3.25}, 0x0030B0);
    canvas.Line({0, 0.1}, {7.999, 12}, Pen{0x808080, 1.5, true});
    canvas.Text({2, 3, 20, 10}, "a<b&c", Font{10, true, false}, 0, TextAlign::kCentre, true);
    EXPECT_EQ(svg.Document(),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"30\" height=\"20\" "
              "viewBox=\"0 0 30 20\">\n"
              "<rect x=\"1\" y=\"-2.5\" width=\"10\" height=\"3.25\" fill=\"#b03000\"/>\n"
              "<line x1=\"0\" y1=\"0.1\" x2=\"8\" y2=\"12\" stroke=\"#808080\" "
              "stroke-width=\"1.5\" stroke-linecap=\"round\"/>\n"
              "<clipPath id=\"c1\"><rect x=\"2\" y=\"3\" width=\"20\" height=\"10\"/></clipPath>\n"
              "<g clip-path=\"url(#c1)\">\n"
              "<text x=\"12\" y=\"11\" font-family=\"Liberation Sans, sans-serif\" "
              "font-size=\"10\" font-weight=\"bold\" fill=\"#000000\" "
              "text-anchor=\"middle\">a&lt;b&amp;c</text>\n"
              "</g>\n"
              "</svg>\n");
}

// A cost is written clear of its row's letter and of the arrow after it, whatever its width (one
// digit, two, "inf"), in both looks and at any size: where the design's box would bring it too
// near, it stands between them.
TEST_F(Drawn, ACostNeverTouchesItsLetterOrItsArrow) {
    // A cut off in "Three Routers": its routes to b and c go to inf; C's table tells of 15 and 16.
    Act(Action::Choose("Three Routers"));
    for (int round = 0; round < 3; ++round) {
        Act(Action::Click(Control::Update));
        Run(26);
    }
    Act(Action::Click(Control::Break, 0));
    Act(Action::Click(Control::Break, 1));
    ASSERT_EQ(state.RouterTable[0].Engine().Rows()[1].cost, "inf");
    ASSERT_TRUE(state.RouterTable[2].SetTable("I:0:A:1:15:16:7:inf:inf"));
    for (const Look* look : {&kPlainLook, &kProjectorLook}) {
        for (const auto& [panel, scale] : {std::pair{0, 1.0 / 15}, std::pair{0, 2.0 / 15},
                                           std::pair{2, 1.0 / 15}, std::pair{2, 2.0 / 15}}) {
            RecordingCanvas canvas;
            const PanelScene scene(state.RouterTable[panel], scale, *look);
            scene.Paint(canvas, {0, 0, 1000, 1000});
            const double px = scale;
            int costs = 0;
            for (const RecordingCanvas::Mark& mark : canvas.marks) {
                const std::set<std::string> written{" 1", " 15", "inf", " 16", " 7"};
                if (mark.kind != Kind::kText || written.count(mark.text) == 0) {
                    continue;
                }
                ++costs;
                const Font font = TwipsToPixels(scale, {}).FontOf(look->rowPoints, true);
                const double wide = canvas.Advance(font, mark.text) * mark.squeeze;
                const double left = mark.align == TextAlign::kCentre && wide <= mark.place.width
                                        ? mark.place.left + (mark.place.width - wide) / 2
                                        : mark.place.left;
                EXPECT_GT(left, (120 + 255) * px) << mark.text << " reaches its letter";
                EXPECT_LT(left + wide, 885 * px) << mark.text << " reaches the arrow";
            }
            EXPECT_EQ(costs, panel == 0 ? 3 : 4) << "A: 1, inf, inf; C: 1, 15, 16, 7";
        }
    }
}

// Held upright on a phone 360 pixels wide, "Example 1" with RIP's rules and the true costs on:
// every text drawn, in the drawing and in the tables under it, is 12 pixels or more (the design's
// would be 7 and 8); the tables stand in a grid under the drawing, three across, and the list, the
// commands and the check box in rows a finger tall under them, then the status line; the controls
// on the drawing take their taps from a finger's square at least.
TEST_F(Drawn, HeldUprightOnAPhoneNothingIsWrittenSmallerThanTwelvePixels) {
    Act(Action::Choose("Example 1"));
    demonstration.SetAllRules(true, now);
    demonstration.ShowShortestPaths(true, now);
    for (int round = 0; round < 2; ++round) {
        Act(Action::Click(Control::Update));
        Run(26);
    }
    const PhoneLayout phone(state, {}, 360, true);
    EXPECT_NEAR(phone.Drawing().Scale(), 360.0 / 12330, 1e-9);
    const Look look = PhoneLook(kPlainLook);
    RecordingCanvas canvas;
    const FormScene scene(state, phone.Drawing(), look);
    const PixelRect all{0, 0, 360, phone.DrawnHeight()};
    scene.PaintStill(canvas, all);
    scene.PaintMoving(canvas, std::span<const PixelRect>(&all, 1));
    ASSERT_EQ(phone.Tables().size(), 6U);
    for (const PhoneLayout::Table& table : phone.Tables()) {
        EXPECT_GE(table.box.top, 255) << "under the drawing";
        EXPECT_EQ(table.box.width, 114);
        PanelScene(state.RouterTable[table.router], table.scale, look)
            .Paint(canvas, {0, 0, table.box.width, table.box.height});
    }
    int texts = 0;
    for (const RecordingCanvas::Mark& mark : canvas.marks) {
        if (mark.kind == Kind::kText && !mark.text.empty()) {
            ++texts;
            EXPECT_GE(mark.pixels, 12) << "\"" << mark.text << "\"";
            EXPECT_NE(mark.text, state.Label2.caption) << "the status line is written under";
        }
    }
    EXPECT_GT(texts, 100);
    int rows = 0;
    for (const TabOrder::Control& control : TabOrder::Controls()) {
        const PixelRect place = phone.Control(control, {100, 100, 8, 7});
        EXPECT_GE(place.width, 44) << control.name;
        EXPECT_GE(place.height, 44) << control.name;
        using Kind = TabOrder::Control::Kind;
        if (control.kind == Kind::List || control.kind == Kind::Command ||
            control.kind == Kind::Check) {
            ++rows;
            EXPECT_GE(place.top, phone.DrawnHeight());
            EXPECT_LE(place.Bottom(), phone.Status().top);
        }
    }
    EXPECT_EQ(rows, 8);
    EXPECT_LE(phone.Meter().Bottom(), phone.StripTop());
}

// A question's rows are framed on their panel: asked rows blue, answered ones green with a tick
// or red with a cross (two strokes each, beside the row), in both looks; other rows unframed.
TEST_F(Drawn, AskedAndGradedRowsAreFramedAndMarked) {
    RouterPanel& panel = state.RouterTable[0];
    ASSERT_TRUE(panel.SetTable("I:0:A:1:15:16:7:inf:inf"));
    using Mark = RouterPanel::Prediction;
    panel.prediction = {Mark::Asked, Mark::Right, Mark::Wrong, Mark::None, Mark::None, Mark::None};
    for (const Look* look : {&kPlainLook, &kProjectorLook}) {
        RecordingCanvas canvas;
        const double scale = 1.0 / 15;
        PanelScene(panel, scale, *look).Paint(canvas, {0, 0, 200, 200});
        const auto count = [&](Kind kind, int colour, double top, double bottom) {
            int n = 0;
            for (const RecordingCanvas::Mark& mark : canvas.marks) {
                const double y = mark.place.top;
                n += mark.kind == kind && mark.colour == colour && y >= top && y <= bottom;
            }
            return n;
        };
        const auto band = [&](int row) {
            return std::pair{(375 + 360 * row - 60) * scale, (375 + 360 * row + 345 + 60) * scale};
        };
        for (int row = 0; row < 4; ++row) {
            const auto [top, bottom] = band(row);
            const int colour = row == 0   ? look->askedColour
                               : row == 1 ? look->rightColour
                               : row == 2 ? look->wrongColour
                                          : look->frameColour;
            EXPECT_EQ(count(Kind::kFill, colour, top, bottom), row < 3 ? 4 : 0)
                << "row " << row << ": the frame's four sides";
            EXPECT_EQ(count(Kind::kLine, colour, top, bottom), row == 1 || row == 2 ? 2 : 0)
                << "row " << row << ": a tick or a cross";
        }
    }
}
