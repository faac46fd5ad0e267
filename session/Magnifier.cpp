#include "session/Magnifier.h"

#include "common/Letters.h"
#include "form/FormState.h"
#include "router/PanelLayout.h"

#include <algorithm>
#include <cmath>

std::string Magnifier::Label(int router) {
    return "Magnify table " + RouterLetter(router);
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
        heights.push_back(state.RouterTable[router].Height());
    }
    const Arrangement arrangement = Arrange(stripWidth, stripHeight, heights);
    std::vector<Standing> standing;
    for (std::size_t k = 0; k < arrangement.tables.size(); ++k) {
        standing.push_back({shown[k], arrangement.magnification, arrangement.tables[k]});
    }
    return standing;
}

Magnifier::Arrangement Magnifier::Arrange(int stripWidth, int stripHeight,
                                          const std::vector<int>& heights) {
    Arrangement arrangement;
    int total = 0;
    for (int height : heights) {
        total += height;
    }
    const int across = stripWidth - 2 * kGap;
    const int down = stripHeight - kGap * (static_cast<int>(heights.size()) + 1);
    if (heights.empty() || total <= 0 || across <= 0 || down <= 0) {
        return arrangement;
    }
    const double size = std::min({kLargest, static_cast<double>(across) / PanelLayout::kWidth,
                                  static_cast<double>(down) / total});
    arrangement.magnification = size;
    const int width = static_cast<int>(std::floor(PanelLayout::kWidth * size));
    int top = kGap;
    for (int height : heights) {
        const int tall = static_cast<int>(std::floor(height * size));
        arrangement.tables.push_back({(stripWidth - width) / 2, top, width, tall});
        top += tall + kGap;
    }
    return arrangement;
}
