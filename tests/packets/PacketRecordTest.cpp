#include "packets/PacketRecord.h"

#include <gtest/gtest.h>

TEST(PacketRecord, ReadsAndWritesTheSevenFieldsUnchanged) {
    const PacketRecord r = PacketRecord::Parse(" 12:R:C:B:A:-80: 40");
    EXPECT_EQ(r.stepCount, " 12");
    EXPECT_EQ(r.kind, "R");
    EXPECT_EQ(r.destination, "C");
    EXPECT_EQ(r.hopEnd, "B");
    EXPECT_EQ(r.hopStart, "A");
    EXPECT_EQ(r.stepX, "-80");
    EXPECT_EQ(r.stepY, " 40");
    EXPECT_EQ(r.Text(), " 12:R:C:B:A:-80: 40");
    EXPECT_EQ(PacketRecord::Start(PacketRecord::kUp, 2, 0, 0, " 45", "-15").Text(),
              "0:U:C:A:A: 45:-15");
}

TEST(PacketRecord, ShortRecordsReadAsEmptyFieldsAndExtraFieldsAreDropped) {
    const PacketRecord shortOne = PacketRecord::Parse("0:T:B");
    EXPECT_EQ(shortOne.destination, "B");
    EXPECT_EQ(shortOne.hopEnd, "");
    EXPECT_EQ(shortOne.stepY, "");
    EXPECT_EQ(shortOne.Text(), "0:T:B::::");
    EXPECT_EQ(PacketRecord::Parse("").Text(), "::::::");
    EXPECT_EQ(PacketRecord::Parse("1:2:3:4:5:6:7:8:9").Text(), "1:2:3:4:5:6:7");
}
