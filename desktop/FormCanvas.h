#pragma once

#include "desktop/PacketSprites.h"
#include "desktop/TwipsTransform.h"
#include "form/FormState.h"
#include "scene/FormScene.h"
#include "scene/Look.h"
#include "scene/TickRepaint.h"

#include <QImage>
#include <QRegion>

class QWidget;

// What the window paints under its widgets, and what a tick asks it to repaint. The still drawing
// (lines, rectangles, labels) is kept as a picture until a click changes it; the status line and
// the packets, drawn from sprites, go over it.
class FormCanvas {
public:
    FormCanvas(const FormState& form, const TwipsTransform& transform)
        : form_(form), transform_(transform) {}

    // A click may have changed the still drawing; with `resized`, the transform changed too.
    void Invalidate(bool resized);
    // The pixels to repaint for what changed since the last call: packets that moved, appeared,
    // went or changed their look, and the status line. `statusChanged` tells about the latter.
    QRegion Changed(bool& statusChanged);
    // Paints the region onto the widget; `sharp` paints everything straight, for a picture at
    // another scale.
    void Paint(QWidget& widget, const QRegion& region, bool sharp);
    // Paints the region over what was painted before, onto a window of `size` pixels at `ratio`
    // device pixels a pixel: the still drawing copied from the picture, then the status line and
    // the packets, rectangle by rectangle. With `devicePixels`, the painter paints the device's
    // own pixels (the ratio a whole number): images are then copied without scaling.
    void PaintChanges(QPainter& painter, const QRegion& region, const QSize& size, double ratio,
                      bool devicePixels = false);
    // The drawing is in this look from now on.
    void SetLook(const Look& look);

private:
    FormScene Scene() const { return {form_, transform_.Core(), look_}; }

    const FormState& form_;
    const TwipsTransform& transform_;
    QImage still_;
    bool stillStale_ = true;
    Look look_ = kPlainLook;
    PacketSprites sprites_;
    TickRepaint repaint_;
};
