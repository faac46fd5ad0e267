#include "BenchSupport.h"

#include "common/Letters.h"
#include "common/NumberText.h"

void BenchForm::PlaceOnHop(int slot, const std::string& kind, int destination, int p, int q,
                           int count) {
    FormState& s = form.State();
    ShapeControl& marker = s.shpPacket[slot];
    const double dx = (s.XE[p][q] - s.XS[p][q]) / 24.0;
    const double dy = (s.YE[p][q] - s.YS[p][q]) / 24.0;
    marker.visible = true;
    marker.width = marker.height = 500;
    marker.borderWidth = 6;
    marker.borderColour = s.RouterColour[q];
    marker.fillColour = s.RouterColour[destination];
    marker.left = static_cast<float>(s.XS[p][q] + dx * count - 250);
    marker.top = static_cast<float>(s.YS[p][q] + dy * count - 250);
    marker.tag = (count == 0 ? std::string("0") : NumberText(count)) + ":" + kind + ":" +
                 RouterLetter(destination) + ":" + RouterLetter(q) + ":" + RouterLetter(p) + ":" +
                 NumberText(dx) + ":" + NumberText(dy);
}

void BenchForm::FillWithLoopingPackets() {
    Choose("Example 1");
    FormState& s = form.State();
    s.WriteTable(0, "R:0:B:inf:inf:inf:inf:inf: 2");
    s.WriteTable(1, "R:0:A:inf:inf:inf:inf:inf: 2");
    for (int slot = 0; slot < 51; ++slot) {
        const bool there = slot % 2 == 0;
        PlaceOnHop(slot, "R", 5, there ? 0 : 1, there ? 1 : 0, slot % 26);
    }
}
