#include "common/SeededRandom.h"
#include "desktop/RouterTable.h"
#include "router/PanelLayout.h"
#include "router/RouterPanel.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

// 96 pixels per inch: 15 twips a pixel.
const TwipsTransform kOneToOne(1.0 / 15.0, QPointF());

struct PanelView : testing::Test {
    SeededRandom random{7};
    RouterPanel panel{random};
    RouterTable table{panel};

    PanelView() { table.Place(0, 0, kOneToOne); }
    QImage Picture() { return table.grab().toImage(); }
    // Counts pixels in a band of the picture, given in twips, that differ from the colour.
    int Differing(const QImage& image, int top, int height, QColor colour) {
        int count = 0;
        for (int y = top / 15; y < (top + height) / 15 && y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixelColor(x, y) != colour ? 1 : 0;
            }
        }
        return count;
    }
};

} // namespace

TEST_F(PanelView, HeightFollowsRowCountOfLastMessage) {
    EXPECT_EQ(table.height(), 2535 / 15);
    table.SetTable("I:0:A:0:0:0");
    EXPECT_EQ(table.height(), 107) << "1605 twips";
    table.SetTable("R:0:B:inf:inf:inf:inf:inf:inf");
    EXPECT_EQ(table.height(), 179) << "2685 twips even though rows d to f stay hidden";
    table.SetTable("B:B");
    EXPECT_EQ(table.height(), 179);
}

TEST_F(PanelView, PropertiesGoThroughToThePanel) {
    table.setProperty("Background", 0xC0FFC0);
    table.setProperty("Background", 0xFFC0C0);
    EXPECT_EQ(table.property("Background").toInt(), 0xFFC0C0);
    table.setProperty("Title", QStringLiteral("Table C"));
    EXPECT_EQ(table.property("Title").toString(), QStringLiteral("Table C"));
    table.setProperty("Table", QStringLiteral("I:0:A:1:inf:inf:inf:inf:inf"));
    table.setProperty("Table", QStringLiteral("Z: 3:A"));
    EXPECT_EQ(table.property("Table").toString(), QStringLiteral("R:0:A: 4:inf:inf:inf:inf:inf"));
}

TEST_F(PanelView, BackgroundFillsPanelAndHiddenRowsLeaveEmptyBands) {
    table.SetBackground(0xFFC0C0); // blue-ish: red C0, green C0, blue FF
    table.SetTable("I:0:A:inf:1:inf:inf:inf:inf");
    const QImage image = Picture();
    const QColor colour(0xC0, 0xC0, 0xFF);
    EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() - 2), colour);
    const int rowTop = PanelLayout::kLetter.top;
    EXPECT_EQ(Differing(image, rowTop, 360, colour), 0) << "row a is hidden: an empty band";
    EXPECT_GT(Differing(image, rowTop + 360, 360, colour), 20) << "row b is drawn";
    EXPECT_EQ(Differing(image, rowTop + 720, 4 * 360, colour), 0);
    EXPECT_GT(Differing(image, 0, 360, colour), 20) << "the title is drawn";
}

TEST_F(PanelView, ScalesWithTheTransform) {
    table.Place(0, 0, TwipsTransform(2.0 / 15.0, QPointF()));
    EXPECT_EQ(table.height(), 2 * 2535 / 15);
    EXPECT_EQ(table.width(), 2 * 121);
}

TEST_F(PanelView, PanelsThatDifferInOneCostDifferOnlyInItsCostColumn) {
    RouterPanel otherPanel{random};
    RouterTable other{otherPanel};
    other.Place(0, 0, kOneToOne);
    table.SetTable("I:0:A:1:inf:inf:inf:inf:inf");
    table.SetTable("R:0:B:inf: 4:inf:inf:inf:inf");
    other.SetTable("I:0:A:1:inf:inf:inf:inf:inf");
    other.SetTable("R:0:B:inf: 7:inf:inf:inf:inf");
    const QImage one = Picture();
    const QImage two = other.grab().toImage();
    ASSERT_EQ(one.size(), two.size());
    // Row b's cost: 360 to 975 twips across, 720 to 1095 down.
    const QRect costOfB(360 / 15, 720 / 15, 615 / 15, 375 / 15);
    int inside = 0;
    int outside = 0;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            if (one.pixel(x, y) != two.pixel(x, y)) {
                (costOfB.contains(x, y) ? inside : outside) += 1;
            }
        }
    }
    EXPECT_GT(inside, 10) << "\" 4\" and \" 7\" look different";
    EXPECT_EQ(outside, 0);
}

TEST_F(PanelView, EveryShownRowDrawsItsArrowWhole) {
    table.SetBackground(0xFFFFFF);
    table.SetTable("I:0:A:1:inf:1:inf:inf:1");
    const QImage image = Picture();
    // Shaft (885, 555) to (1125, 555), barbs from (1115, 560) to (1035, 480) and from
    // (1115, 555) to (1035, 635), each 360 twips lower per row; the cost label is transparent,
    // so the shaft's start shows through it.
    const int segments[3][4] = {
        {885, 555, 1125, 555}, {1115, 560, 1035, 480}, {1115, 555, 1035, 635}};
    // Ink within half a pixel of the point (the lines are smoothed over neighbouring pixels).
    const auto inked = [&](double x, double y) {
        int darkest = 255;
        for (double dx : {-0.5, 0.0, 0.5}) {
            for (double dy : {-0.5, 0.0, 0.5}) {
                darkest = std::min(darkest, qGray(image.pixel(static_cast<int>(x + dx),
                                                              static_cast<int>(y + dy))));
            }
        }
        return darkest < 200;
    };
    for (int row : {0, 2, 5}) {
        for (const auto& s : segments) {
            // The barbs are sampled away from the shaft, so that the shaft cannot stand in.
            for (double t = s[1] == s[3] ? 0.05 : 0.35; t < 1.0; t += 0.1) {
                const double x = (s[0] + t * (s[2] - s[0])) / 15.0;
                const double y = (s[1] + t * (s[3] - s[1]) + 360 * row) / 15.0;
                EXPECT_TRUE(inked(x, y)) << "row " << row << " at (" << x << ", " << y << ")";
            }
        }
    }
    EXPECT_EQ(Differing(image, 360 + 360, 360, QColor(255, 255, 255)), 0) << "row b is hidden";
}

namespace {

// Relative luminance and contrast ratio, as the web's accessibility guidelines define them.
double Luminance(const QColor& c) {
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace

// A changed row's frame is seen from the back of a hall: at least 3 pixels at the layout's size
// and twice that at twice the size, and 3:1 or more against every router's colour.
TEST_F(PanelView, AChangedRowsFrameIsThickAndStandsOutOnEveryPanel) {
    const int routerColours[] = {0xFFC0C0, 0xFFFFC0, 0xC0FFC0, 0xC0E0FF, 0xFFC0FF, 0xC0C0FF};
    table.SetTable("I:0:A:1:inf:inf:inf:inf:inf");
    panel.highlighted[0] = true;
    for (double zoom : {1.0, 2.0}) {
        table.Place(0, 0, TwipsTransform(zoom / 15.0, QPointF()));
        for (int colour : routerColours) {
            table.SetBackground(colour);
            const QImage image = table.grab().toImage();
            const QColor background = ToQColor(colour);
            // Down the panel left of the row's letter, from below the title: the first pixels not
            // of the panel's colour are the frame's top edge.
            const int x = static_cast<int>(100 * zoom / 15);
            int y = static_cast<int>(300 * zoom / 15);
            while (y < image.height() && image.pixelColor(x, y) == background) {
                ++y;
            }
            const QColor frame = image.pixelColor(x, y);
            int thickness = 0;
            while (y < image.height() && image.pixelColor(x, y) == frame) {
                ++thickness;
                ++y;
            }
            EXPECT_GE(thickness, 3 * zoom) << "zoom " << zoom;
            EXPECT_GE(Contrast(frame, background), 3.0)
                << frame.name().toStdString() << " on " << background.name().toStdString();
        }
    }
}

// Beside a learned row the note column stays empty while RIP's rules are off, and shows the
// route's clock while they run.
TEST_F(PanelView, ARowsClockShowsOnlyUnderRipsRules) {
    table.SetBackground(0xFFFFFF);
    table.SetTable("R:0:A: 4: 3: 5: 6: 7: 8");
    const auto notes = [&] {
        const QImage image = Picture();
        int ink = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = PanelLayout::kTrueCost.left / 15; x < image.width(); ++x) {
                ink += image.pixelColor(x, y) != Qt::white ? 1 : 0;
            }
        }
        return ink;
    };
    EXPECT_EQ(notes(), 0);
    RipRules rules;
    rules.timers = true;
    rules.timeoutTicks = 936;
    panel.SetRules(rules);
    table.Refresh();
    EXPECT_GT(notes(), 20);
    // In a hall's look the clock stands as tall as its row's cost: row a's " 4" against its 180.
    table.SetLook(kProjectorLook);
    const QImage image = Picture();
    const auto tall = [&](int from, int to) {
        int top = image.height();
        int bottom = -1;
        for (int y = 360 / 15; y < 720 / 15; ++y) {
            for (int x = from / 15; x < std::min(to / 15, image.width()); ++x) {
                if (image.pixelColor(x, y).lightness() < 160) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        return bottom - top + 1;
    };
    EXPECT_GE(tall(PanelLayout::kTrueCost.left, PanelLayout::kWidth),
              tall(PanelLayout::kCost.left, PanelLayout::kShaft.x1));
}
