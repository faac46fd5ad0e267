#pragma once

#include <QRegion>

class FormCanvas;
class QWidget;

// What a tick changed, painted straight into the window's backing store and shown at once: only
// those pixels are touched, and only the widgets over them paint again (buttons copied from their
// kept drawing). The window then needs no repaint of its own for the tick.
namespace DirectPaint {

// Paints `dirty` of `window` from `canvas`, less what `opaque` widgets cover. False where the
// window cannot be painted so (not shown yet, a fractional pixel ratio, drawn for a picture,
// another kind of widget over the pixels): it is then repainted the usual way.
bool Paint(QWidget& window, FormCanvas& canvas, const QRegion& opaque, const QRegion& dirty);

} // namespace DirectPaint
