#include "app/LinkEditor.h"

#include "common/Letters.h"
#include "common/NumberText.h"
#include "form/FormRuntime.h"
#include "form/FormState.h"
#include "form/Layout.h"
#include "form/Topology.h"

void LinkEditor::cmdBreak_Click(int index) {
    const int link = Topology::LinkOfBreak(index);
    LineControl& line = form_.lne[link];
    if (line.colour == Layout::kGrey) {
        const auto [lower, higher] = Topology::LinkRouters(link);
        // Failure found only by timeout: nobody is told; routes through the link time out.
        if (form_.Rip.on.timeoutOnly) {
            line.colour = Layout::kRed;
            return;
        }
        runtime_.WriteTable(lower, "B:" + RouterLetter(higher));
        runtime_.WriteTable(higher, "B:" + RouterLetter(lower));
        line.colour = Layout::kRed;
    } else {
        line.colour = Layout::kGrey;
    }
}

int LinkEditor::Lowest() const {
    // While 16 is infinity no cost is 0: a loop of links costing nothing would never count up.
    return form_.Rip.on.infinity ? 1 : 0;
}

void LinkEditor::lblCost_MouseDown(int index, int button) {
    LabelControl& label = form_.lblCost[index];
    const double value = ReadNumber(label.caption);
    if (button == MouseButton::kLeft) {
        if (value < 9) {
            label.caption = NumberText(value + 1);
            form_.Label2.caption = label.caption;
        }
    } else if (value > Lowest()) {
        label.caption = NumberText(value - 1);
    }
}
