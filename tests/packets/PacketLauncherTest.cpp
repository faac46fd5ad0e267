#include "support/DesignValues.h"
#include "support/FormFixture.h"

#include "form/Layout.h"
#include "packets/PacketLauncher.h"

namespace {

struct Launching : FormFixture {
    // A launcher of its own on the started window's state and platform.
    PacketLauncher launcher{state, runtime, platform};
    Launching() { Choose("Example 1"); }
    void FillSlots(int from, int to) {
        for (int i = from; i <= to; ++i) {
            Place(i, "0:T:B:B:A: 80: 10");
        }
    }
};

} // namespace

TEST_F(Launching, TakesTheLowestFreeSlot) {
    FillSlots(0, 2);
    FillSlots(4, 10);
    launcher.SendDataPacket(0, 1);
    EXPECT_TRUE(Slot(3).visible);
    EXPECT_FALSE(Slot(11).visible);
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(Launching, FullPoolShowsMessageOncePerLaunchAndReusesSlotFifty) {
    FillSlots(0, 49);
    state.shpPacket[50].visible = false;
    launcher.SendTablePacket(0, 1, 3);
    EXPECT_EQ(platform.messages, std::vector<std::string>{"Silly Error - Ran Out of Packets"});
    EXPECT_EQ(state.PacketPayload[50], "R:0:A: 4:inf:inf:inf:inf:inf");
    launcher.SendTablePacket(1, 0, 7);
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(state.PacketPayload[50], "R:0:B:inf: 8:inf:inf:inf:inf") << "payload replaced";
    EXPECT_EQ(Slot(50).tag, "0:T:A:A:B:-80:-10");
    Slot(7).visible = false;
    EXPECT_FALSE(launcher.ForwardPacket(1, 2, 2)) << "a free slot below 50 again";
    EXPECT_EQ(Slot(7).tag, "0:R:C:C:B:-80: 40");
    EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(Launching, TablePacketRecordRequestAndInheritedLook) {
    launcher.SendTablePacket(0, 1, 3);
    EXPECT_EQ(Slot(0).tag, "0:T:B:B:A: 80: 10");
    EXPECT_EQ(state.Label2.caption, "R:0:A: 4:inf:inf:inf:inf:inf");
    EXPECT_EQ(Slot(0).left, 2760 - 250);
    EXPECT_EQ(Slot(0).top, 3360 - 250);
    EXPECT_EQ(Slot(0).width, 500);
    EXPECT_EQ(Slot(0).borderWidth, 6) << "a slot never used keeps its design look";
    EXPECT_EQ(Slot(0).borderColour, Design::kRouterColours[1]);
    EXPECT_EQ(Slot(0).fillColour, Design::kWhite);
    // A slot last used by a delivery keeps 450 x 450 and border width 1 for a table packet.
    Slot(1).width = Slot(1).height = 450;
    Slot(1).borderWidth = 1;
    state.chkSplit.value = 1;
    form.chkSplit_Click();
    sent.clear();
    launcher.SendTablePacket(1, 4, 1);
    EXPECT_EQ(sent, std::vector<std::string>{"B|Z: 1:B:E"});
    EXPECT_EQ(Slot(1).width, 450);
    EXPECT_EQ(Slot(1).borderWidth, 1);
    EXPECT_EQ(Slot(1).left, 5760 - 225);
    EXPECT_EQ(Slot(1).tag, "0:T:E:E:B: 120: 0");
}

TEST_F(Launching, DataPacketIsPlacedBeforeItIsResized) {
    launcher.SendDataPacket(0, 2);
    EXPECT_EQ(Slot(0).tag, "0:U:C:A:A: 45:-15");
    EXPECT_EQ(state.Label2.caption, "0:U:C:A:A: 45:-15");
    EXPECT_EQ(Slot(0).left + Slot(0).width / 2, 600 - 25);
    EXPECT_EQ(Slot(0).top + Slot(0).height / 2, 3720 - 25);
    EXPECT_EQ(Slot(0).width, 450);
    EXPECT_EQ(Slot(0).borderWidth, 1);
    EXPECT_EQ(Slot(0).borderColour, Design::kRouterColours[0]);
    EXPECT_EQ(Slot(0).fillColour, Design::kRouterColours[2]);
}

TEST_F(Launching, DataPacketStepsPerNetworkAndOutOfRange) {
    const char* const steps[] = {" 45:-15", "-35: 25", " 45: 5", " 35:-45", " 0: 30", " 0:-35"};
    for (int n = 0; n < 6; ++n) {
        launcher.SendDataPacket(n, n);
        const std::string letter(1, static_cast<char>('A' + n));
        EXPECT_EQ(Slot(n).tag, "0:U:" + letter + ":" + letter + ":" + letter + ":" + steps[n]);
    }
    state.Label2.caption = "kept";
    launcher.SendDataPacket(6, 0);
    launcher.SendDataPacket(0, 6);
    EXPECT_EQ(Busy(), 6);
    EXPECT_EQ(state.Label2.caption, "kept");
}

TEST_F(Launching, ForwardedCopyRecord) {
    EXPECT_FALSE(launcher.ForwardPacket(1, 2, 2));
    EXPECT_EQ(Slot(0).tag, "0:R:C:C:B:-80: 40");
    EXPECT_EQ(Slot(0).width, 450);
    EXPECT_EQ(Slot(0).borderWidth, 6);
    EXPECT_EQ(Slot(0).left, 4680 - 250) << "placed with the size the slot had";
    EXPECT_EQ(state.Label2.caption, "0:R:C:C:B:-80: 40");
}
