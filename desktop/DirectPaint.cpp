#include "desktop/DirectPaint.h"

#include "desktop/ColourButton.h"
#include "desktop/FormCanvas.h"
#include "desktop/LabelSpot.h"

#include <QBackingStore>
#include <QPainter>
#include <QWidget>
#include <QWindow>

#include <cmath>
#include <utility>
#include <vector>

bool DirectPaint::Paint(QWidget& window, FormCanvas& canvas, const QRegion& opaque,
                        const QRegion& dirty) {
    QBackingStore* store = window.backingStore();
    QWindow* shown = window.windowHandle();
    const double ratio = window.devicePixelRatioF();
    const int whole = static_cast<int>(std::lround(ratio));
    if (!window.isWindow() || store == nullptr || shown == nullptr || !shown->isExposed() ||
        store->size() != window.size() || whole != ratio ||
        window.property("directPainting").toBool()) {
        return false;
    }
    // The widgets that stand over the changed pixels, bottom to top: buttons whose drawing is
    // kept are copied; a label's stand-in draws nothing but its focus mark; any other widget
    // there repaints itself the usual way.
    std::vector<std::pair<const ColourButton*, QRegion>> over;
    for (QObject* object : window.children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child == nullptr || child->isHidden() || child->isWindow() ||
            (qobject_cast<LabelSpot*>(child) != nullptr && !child->hasFocus()) ||
            !dirty.intersects(child->geometry())) {
            continue;
        }
        const QRegion covered = (dirty & child->geometry()) - opaque;
        if (covered.isEmpty()) {
            continue;
        }
        auto* button = qobject_cast<ColourButton*>(child);
        if (button == nullptr || !button->HasStyledCopy()) {
            return false;
        }
        over.emplace_back(button, covered);
    }
    store->beginPaint(dirty);
    QPaintDevice* device = store->paintDevice();
    if (device->devType() != QInternal::Image) {
        store->endPaint();
        return false;
    }
    // The backing store's own pixels, painted one to one: images are copied without scaling.
    auto* image = static_cast<QImage*>(device);
    QImage pixels(image->bits(), image->width(), image->height(), image->bytesPerLine(),
                  image->format());
    {
        QPainter painter(&pixels);
        canvas.PaintChanges(painter, dirty, window.size(), ratio, true);
        for (const auto& [button, covered] : over) {
            button->CopyStyled(painter, covered, whole);
        }
    }
    store->endPaint();
    store->flush(dirty, shown);
    return true;
}
