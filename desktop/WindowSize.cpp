#include "desktop/WindowSize.h"

#include "desktop/TwipsTransform.h"

#include <QWidget>

double WindowSize::BaseScale() const {
    return window_.logicalDpiX() / TwipsTransform::kTwipsPerInch;
}

QSize WindowSize::At(double fraction) const {
    const DrawingFit::Size size = fit_.At(BaseScale(), fraction);
    return {size.width, size.height};
}

QSize WindowSize::Opening(const QSize& room) const {
    const DrawingFit::Size size = fit_.Opening(BaseScale(), {room.width(), room.height()});
    return {size.width, size.height};
}

void WindowSize::Regrow(double scale, const std::function<void()>& change) {
    const double fraction = scale / BaseScale();
    change();
    window_.setMinimumSize(At(DrawingFit::kMinimumScale));
    if (!window_.isMaximized() && !window_.isFullScreen()) {
        window_.resize(At(fraction));
    }
}
