#include "support/DesignValues.h"
#include "support/ScriptedRandom.h"

#include "form/FormState.h"

#include <gtest/gtest.h>

// The window in its design state, before start-up, against the design's own values.
TEST(DesignState, ColoursSizesAndPlacesOfTheDrawing) {
    ScriptedRandom random;
    const FormState form(random);
    for (int i = 0; i < 6; ++i) {
        const int colour = Design::kRouterColours[i];
        const auto [left, top] = Design::kRouterPlaces[i];
        EXPECT_EQ(form.btnRouter[i].backColour, colour) << i;
        EXPECT_EQ(form.btnRouter[i].caption, std::string(1, static_cast<char>('A' + i)));
        EXPECT_TRUE(form.btnRouter[i].bold);
        EXPECT_EQ(form.btnRouter[i].fontPoints, 16.5);
        EXPECT_EQ(form.btnRouter[i].box.left, left);
        EXPECT_EQ(form.btnRouter[i].box.top, top);
        EXPECT_EQ(form.Shape1[i].fillColour, colour) << i;
        EXPECT_EQ(form.Shape1[i].borderColour, Design::kGrey);
        EXPECT_EQ(form.Shape1[i].borderWidth, 8);
        EXPECT_EQ(form.Shape1[i].left, left);
        EXPECT_EQ(form.Shape1[i].width, 1095);
        EXPECT_EQ(form.Shape1[i].height, 615);
        EXPECT_EQ(form.btnNetwork[i].backColour, colour) << i;
        EXPECT_EQ(form.btnNetwork[i].caption, "");
        EXPECT_EQ(form.drop[i].colour, Design::kGrey);
        EXPECT_EQ(form.drop[i].width, 4);
    }
    for (int m = 0; m < 12; ++m) {
        EXPECT_EQ(form.Shape2[m].fillColour, Design::kMarkerGreen) << m;
        EXPECT_EQ(form.Shape2[m].width, m < 6 ? 375 : 135) << m;
        EXPECT_EQ(form.Shape2[m].height, m < 6 ? 135 : 375) << m;
    }
    EXPECT_EQ(form.Shape2[5].left, 6480);
    EXPECT_EQ(form.Shape2[11].top, 6720);
    int shown = 0;
    for (const LineControl& line : form.lne) {
        if (line.visible) {
            ++shown;
            EXPECT_EQ(line.colour, Design::kGrey);
            EXPECT_EQ(line.width, 4);
        }
    }
    EXPECT_EQ(shown, 10);
    for (const ShapeControl& packet : form.shpPacket) {
        EXPECT_EQ(packet.fillColour, Design::kRed);
        EXPECT_EQ(packet.borderWidth, 6);
        EXPECT_EQ(packet.width, 500);
        EXPECT_EQ(packet.left, 11040);
        EXPECT_EQ(packet.top, 360);
    }
    EXPECT_EQ(form.shpPacket.size(), 51u);
    EXPECT_EQ(form.lblCost.size(), 20u);
    EXPECT_EQ(form.cmdBreak.size(), 10u);
    EXPECT_EQ(form.cmdBreak[9].box.left, 8960);
    EXPECT_EQ(form.cmdBreak[9].caption, " ");
    EXPECT_EQ(form.lblCost[19].box.left, 9240);
    EXPECT_EQ(form.lblCost[19].caption, "1");
    EXPECT_EQ(form.Label2.caption, "Label2");
    EXPECT_EQ(form.chkSplit.caption, "Split Horizons");
}
