#include "scene/PanelRepaint.h"

#include "scene/PanelScene.h"

PanelRepaint::Change PanelRepaint::Refresh(const RouterPanel& panel, const PanelScene& scene) {
    Change change;
    const auto& rows = panel.Engine().Rows();
    const auto clocks = scene.Clocks();
    const bool same = background_ == panel.Background() && title_ == panel.Title() &&
                      highlight_ == panel.highlighted && prediction_ == panel.prediction &&
                      rows == rows_;
    for (int k = 0; k < Router::kRows; ++k) {
        if (clocks[k] != clocks_[k] || panel.trueCost[k] != trueCost_[k] ||
            panel.stale[k] != stale_[k]) {
            change.notes.push_back(scene.NoteArea(k));
        }
    }
    if (same && change.notes.empty()) {
        return change;
    }
    clocks_ = clocks;
    trueCost_ = panel.trueCost;
    stale_ = panel.stale;
    if (!same) {
        change.all = true;
        change.notes.clear();
        rows_ = rows;
        highlight_ = panel.highlighted;
        prediction_ = panel.prediction;
        title_ = panel.Title();
        background_ = panel.Background();
    }
    return change;
}
