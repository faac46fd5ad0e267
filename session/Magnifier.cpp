#include "session/Magnifier.h"

#include "common/Letters.h"
#include "common/Translate.h"
#include "form/FormState.h"
#include "router/PanelLayout.h"

#include <algorithm>
#include <cmath>

std::string Magnifier::Label(int router) {
    return Translate("Magnify table {router}", {{"router", RouterLetter(router)}});
}

bool Magnifier::Toggle(int router) {
    const auto found = std::find(routers_.begin(), routers_.end(), router);
    if (found != routers_.end()) {
        routers_.erase(found);
        return false;
    }
    if (routers_.size() == kMost) {
        routers_.erase(routers_.begin());
    }
    routers_.push_back(router);
    return true;
}

bool Magnifier::Has(int router) const {
    return std::find(routers_.begin(), routers_.end(), router) != routers_.end();
}

std::vector<int> Magnifier::Shown(const FormState& state) const {
    std::vector<int> shown;
    std::copy_if(routers_.begin(), routers_.end(), std::back_inserter(shown),
                 [&](int router) { return state.RouterTable[router].visible; });
    return shown;
}

std::vector<Magnifier::Standing> Magnifier::Stand(const FormState& state, int stripWidth,
                                                  int stripHeight) const {
    const std::vector<int> shown = Shown(state);
    std::vector<int> heights;
    for (int router : shown) {
        heights.push_back(Height(state.RouterTable[router]));
    }
    const Arrangement arrangement = Arrange(stripWidth, stripHeight, heights);
    std::vector<Standing> standing;
    for (std::size_t k = 0; k < arrangement.tables.size(); ++k) {
        standing.push_back({shown[k], arrangement.magnification, arrangement.tables[k]});
    }
    return standing;
}

int Magnifier::Height(const RouterPanel& panel) {
    int last = -1;
    for (int k = 0; k < Router::kRows; ++k) {
        // A row asked of a learner has its cells there before the route arrives.
        const bool asked =
            panel.prediction[static_cast<std::size_t>(k)] != RouterPanel::Prediction::None;
        last = panel.Engine().Rows()[k].shown || asked ? k : last;
    }
    return std::min(panel.Height(),
                    PanelLayout::kFullHeight - PanelLayout::kRowPitch * (Router::kRows - 1 - last));
}

Magnifier::Arrangement Magnifier::Arrange(int stripWidth, int stripHeight,
                                          const std::vector<int>& heights) {
    Arrangement arrangement;
    const int count = static_cast<int>(heights.size());
    int total = 0;
    int tallest = 0;
    for (int height : heights) {
        total += height;
        tallest = std::max(tallest, height);
    }
    if (heights.empty() || total <= 0) {
        return arrangement;
    }
    const auto fits = [&](int across, int down, int wide, int tall) {
        return across <= 0 || down <= 0 ? 0.0
                                        : std::min({kLargest, static_cast<double>(across) / wide,
                                                    static_cast<double>(down) / tall});
    };
    const double stacked =
        fits(stripWidth - 2 * kGap, stripHeight - kGap * (count + 1), PanelLayout::kWidth, total);
    const double beside = fits(stripWidth - kGap * (count + 1), stripHeight - 2 * kGap,
                               PanelLayout::kWidth * count, tallest);
    const double size = std::max(stacked, beside);
    if (size <= 0) {
        return arrangement;
    }
    arrangement.magnification = size;
    const int width = static_cast<int>(std::floor(PanelLayout::kWidth * size));
    if (count > 1 && beside > stacked) {
        int left = (stripWidth - count * width - (count - 1) * kGap) / 2;
        for (int height : heights) {
            arrangement.tables.push_back(
                {left, kGap, width, static_cast<int>(std::floor(height * size))});
            left += width + kGap;
        }
        return arrangement;
    }
    int top = kGap;
    for (int height : heights) {
        const int tall = static_cast<int>(std::floor(height * size));
        arrangement.tables.push_back({(stripWidth - width) / 2, top, width, tall});
        top += tall + kGap;
    }
    return arrangement;
}

double Magnifier::DrawingScale(const FormState& state, int formWidth, double fit, int windowWidth,
                               int tablesHeight) const {
    std::vector<int> heights;
    for (int router : Shown(state)) {
        heights.push_back(Height(state.RouterTable[router]));
    }
    if (heights.empty() || fit <= 0) {
        return fit;
    }
    // Smaller by a hundredth at a time, down to three fifths of its largest.
    double scale = fit;
    for (; scale > fit * 0.6; scale -= fit / 100) {
        const Arrangement arrangement =
            Arrange(static_cast<int>((windowWidth - formWidth * scale) / scale),
                    static_cast<int>(tablesHeight / scale), heights);
        if (arrangement.magnification * scale >= kLeast * fit) {
            break;
        }
    }
    return scale;
}
