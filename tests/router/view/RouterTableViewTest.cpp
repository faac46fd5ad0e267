#include "common/SeededRandom.h"
#include "router/PanelLayout.h"
#include "router/RouterPanel.h"
#include "router/view/RouterTable.h"

#include <QImage>
#include <gtest/gtest.h>

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
