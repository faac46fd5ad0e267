#include "scene/PhoneLayout.h"

#include "form/FormState.h"
#include "router/PanelLayout.h"
#include "session/Magnifier.h"

#include <algorithm>
#include <cmath>

namespace {

// Tables side by side in a row of the grid.
constexpr int kAcross = 3;

} // namespace

PhoneLayout::PhoneLayout(const FormState& state, const std::vector<int>& magnified, int width,
                         bool meter)
    : width_(width), drawing_(static_cast<double>(width) / state.ClientWidth, {0, 0}),
      meter_(meter) {
    drawingBottom_ = static_cast<int>(std::ceil(state.ClientHeight * drawing_.Scale()));
    int top = drawingBottom_ + kGap;
    const auto tall = [&](int router, double scale) {
        return static_cast<int>(std::ceil(Magnifier::Height(state.RouterTable[router]) * scale));
    };
    for (const int router : magnified) {
        if (state.RouterTable[router].visible) {
            const double scale = static_cast<double>(width - 2 * kGap) / PanelLayout::kWidth;
            tables_.push_back(
                {router, scale, {kGap, top, width - 2 * kGap, tall(router, scale)}, true});
            top += tables_.back().box.height + kGap;
        }
    }
    const int across = (width - (kAcross + 1) * kGap) / kAcross;
    const double scale = static_cast<double>(across) / PanelLayout::kWidth;
    int column = 0;
    int rowHeight = 0;
    for (int router = 0; router < kRouterCount; ++router) {
        const bool shown = state.RouterTable[router].visible;
        if (!shown || std::find(magnified.begin(), magnified.end(), router) != magnified.end()) {
            continue;
        }
        const int left = kGap + column * (across + kGap);
        tables_.push_back({router, scale, {left, top, across, tall(router, scale)}, false});
        rowHeight = std::max(rowHeight, tables_.back().box.height);
        if (++column == kAcross) {
            top += rowHeight + kGap;
            column = 0;
            rowHeight = 0;
        }
    }
    top += rowHeight + (column > 0 ? kGap : 0);
    rowsTop_ = top;
    // The list, two rows of three commands, the check box.
    statusTop_ = rowsTop_ + 4 * (kFinger + kGap);
}

PixelRect PhoneLayout::Control(const TabOrder::Control& control, const PixelRect& drawn) const {
    using Kind = TabOrder::Control::Kind;
    const int full = width_ - 2 * kGap;
    const int third = (width_ - 4 * kGap) / 3;
    switch (control.kind) {
    case Kind::List:
        return {kGap, rowsTop_, full, kFinger};
    case Kind::Command: {
        const int row = 1 + control.index / 3;
        const int column = control.index % 3;
        return {kGap + column * (third + kGap), rowsTop_ + row * (kFinger + kGap), third, kFinger};
    }
    case Kind::Check:
        return {kGap, rowsTop_ + 3 * (kFinger + kGap), full, kFinger};
    case Kind::Table:
        for (const Table& table : tables_) {
            if (table.router == control.index) {
                return table.box;
            }
        }
        return {};
    default: {
        // On the drawing: a finger's square at least, round the drawn middle.
        const int across = std::max(drawn.width, kFinger);
        const int down = std::max(drawn.height, kFinger);
        return {drawn.left + drawn.width / 2 - across / 2, drawn.top + drawn.height / 2 - down / 2,
                across, down};
    }
    }
}
