// The look for a hall's projector, judged by contrast: every text 4.5:1 or more against what it
// is written on, every packet's outline 3:1 or more against every line and the form it crosses.
#include "common/Colours.h"
#include "form/Layout.h"
#include "router/PanelLayout.h"
#include "support/Contrast.h"
#include "support/DesignValues.h"

#include <gtest/gtest.h>

TEST(ProjectorLook, EveryTextAndPacketStandsOutEnough) {
    constexpr int kBlack = 0x000000;
    constexpr int kForm = Colours::kForm; // the ground as it is painted
    const PanelLayout::Look& look = PanelLayout::kProjectorLook;
    for (int panel : Design::kRouterColours) {
        EXPECT_GE(ContrastRatio(kBlack, panel), 4.5) << std::hex << panel;
        for (int note : {look.trueCostColour, look.staleColour, look.clockColour}) {
            EXPECT_GE(ContrastRatio(note, panel), 4.5) << std::hex << note << " on " << panel;
        }
    }
    EXPECT_GE(ContrastRatio(Layout::kCaptionText, Layout::kCaptionBack), 4.5);
    EXPECT_GE(ContrastRatio(Layout::kCaptionStepText, Layout::kCaptionBack), 4.5);

    const Layout::PacketLook& packets = Layout::kProjectorPackets;
    ASSERT_GE(packets.outlineColour, 0);
    for (int crossed : {kForm, Design::kGrey, Design::kRed, Design::kMarkerGreen, Design::kWhite}) {
        EXPECT_GE(ContrastRatio(packets.outlineColour, crossed), 3.0) << std::hex << crossed;
    }
    EXPECT_GT(packets.ringFactor, 1.0) << "a thicker ring";
}
