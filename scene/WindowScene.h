#pragma once

#include "scene/Geometry.h"
#include "scene/TwipsToPixels.h"

class Canvas;
class FormState;
struct Look;

// The whole window on one canvas: the form's layers, the routing tables at their places, and for
// a picture the controls too (buttons, the check box and the scenario list, drawn plainly: where
// the window shows them, a front end's own controls stand over the drawing).
class WindowScene {
public:
    WindowScene(const FormState& form, const TwipsToPixels& transform, const Look& look)
        : form_(form), transform_(transform), look_(look) {}

    void Paint(Canvas& canvas, const PixelRect& area, bool controls) const;

private:
    void PaintControls(Canvas& canvas) const;

    const FormState& form_;
    const TwipsToPixels& transform_;
    const Look& look_;
};
