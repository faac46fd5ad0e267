#pragma once

#include "router/Router.h"
#include "router/RouterPanel.h"
#include "scene/Geometry.h"

#include <array>
#include <string>
#include <vector>

class PanelScene;

// What a panel must repaint: everything when its rows, frames, title or colour changed, only
// what is written beside some rows when only that changed (a clock's seconds, mostly), and
// nothing when nothing did. It keeps a copy of what it last asked to show.
class PanelRepaint {
public:
    struct Change {
        bool all = false;
        std::vector<PixelRect> notes;
        bool Any() const { return all || !notes.empty(); }
    };
    Change Refresh(const RouterPanel& panel, const PanelScene& scene);

private:
    std::array<RouteRow, Router::kRows> rows_{};
    std::array<bool, Router::kRows> highlight_{};
    std::array<RouterPanel::Prediction, Router::kRows> prediction_{};
    std::string title_;
    std::array<RouterPanel::ClockNote, Router::kRows> clocks_{};
    std::array<std::string, Router::kRows> trueCost_{};
    std::array<bool, Router::kRows> stale_{};
    int background_ = -1;
};
