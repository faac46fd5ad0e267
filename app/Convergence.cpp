#include "app/Convergence.h"

#include "app/ShortestPaths.h"
#include "common/Fields.h"
#include "common/NumberText.h"
#include "form/FormRuntime.h"
#include "form/FormState.h"
#include "form/Layout.h"

Convergence::Convergence(FormState& form, FormRuntime& runtime) : form_(form) {
    // Whoever watched the messages before goes on being told, first.
    runtime.routerMessageObserver =
        [this, earlier = std::move(runtime.routerMessageObserver)](const RouterMessage& message) {
            if (earlier) {
                earlier(message);
            }
            OnMessage(message);
        };
}

void Convergence::OnMessage(const RouterMessage& message) {
    const auto& after = form_.RouterTable[message.router].Engine().Rows();
    if (after != message.before) {
        tables_ = 0;
    } else if (!message.text.empty() && message.text.front() == 'R') {
        ++tables_;
    }
}

void Convergence::Show(bool on) {
    shown_ = on;
    marked_ = false;
    Refresh();
}

void Convergence::Refresh() {
    if (!shown_) {
        for (RouterPanel& panel : form_.RouterTable) {
            panel.trueCost = {};
            panel.stale = {};
        }
        return;
    }
    // The paths change only with the links and their costs.
    std::string paths = form_.RandomMode || form_.FloodMode ? "0" : "1";
    for (const LineControl& line : form_.lne) {
        paths += line.visible && line.colour == Layout::kGrey ? '+' : '-';
    }
    for (const LabelControl& label : form_.lblCost) {
        paths += label.caption + ":";
    }
    std::array<std::array<RouteRow, Router::kRows>, kRouterCount> rows;
    std::array<bool, kRouterCount> visible{};
    for (int r = 0; r < kRouterCount; ++r) {
        rows[r] = form_.RouterTable[r].Engine().Rows();
        visible[r] = form_.RouterTable[r].visible;
    }
    // Nothing to compare afresh while neither the paths nor the tables changed.
    if (marked_ && paths == paths_ && rows == rows_ && visible == visible_) {
        return;
    }
    marked_ = true;
    rows_ = rows;
    visible_ = visible;
    if (paths != paths_) {
        paths_ = paths;
        truth_ = ShortestPaths::Find(form_);
    }
    const ShortestPaths::Costs& truth = truth_;
    const bool sixteen = form_.Rip.on.infinity;
    converged_ = true;
    for (int r = 0; r < kRouterCount; ++r) {
        RouterPanel& panel = form_.RouterTable[r];
        const auto& rows = panel.Engine().Rows();
        for (int k = 0; k < Router::kRows; ++k) {
            const long cost = truth[r][k];
            const bool unreachable =
                cost == ShortestPaths::kUnreachable || (sixteen && cost >= RipRules::kInfinity);
            panel.trueCost[k] = unreachable ? "inf" : std::string(TrimBlanks(NumberText(cost)));
            const bool holds = unreachable
                                   ? !IsNumeric(rows[k].cost)
                                   : IsNumeric(rows[k].cost) &&
                                         ReadNumber(rows[k].cost) == static_cast<double>(cost);
            panel.stale[k] = !holds;
            // A row not shown is a network the router does not know: unreachable to it.
            if (panel.visible && !holds) {
                converged_ = false;
            }
        }
    }
}
