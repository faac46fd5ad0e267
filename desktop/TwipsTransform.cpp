#include "desktop/TwipsTransform.h"

#include "desktop/QtCanvas.h"

QFont TwipsTransform::Font(double points, bool bold) const {
    return QtCanvas::ToQFont(core_.FontOf(points, bold));
}
