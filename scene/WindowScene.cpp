#include "scene/WindowScene.h"

#include "app/TabOrder.h"
#include "common/Translate.h"
#include "form/FormState.h"
#include "form/Layout.h"
#include "scene/Canvas.h"
#include "scene/FormScene.h"
#include "scene/Look.h"
#include "scene/PanelScene.h"

#include <span>

void WindowScene::Paint(Canvas& canvas, const PixelRect& area, bool controls) const {
    const FormScene form(form_, transform_, look_);
    form.PaintStill(canvas, area);
    form.PaintMoving(canvas, std::span<const PixelRect>(&area, 1));
    for (int i = 0; i < kRouterCount; ++i) {
        const RouterPanel& panel = form_.RouterTable[i];
        if (!panel.visible) {
            continue;
        }
        const Layout::RouterPlace& place = Layout::kRouters[i];
        const PixelRect box =
            transform_.Pixels(place.panelLeft, place.panelTop, PanelLayout::kWidth, panel.Height());
        canvas.PushOrigin({static_cast<double>(box.left), static_cast<double>(box.top)});
        PanelScene(panel, transform_.Scale(), look_).Paint(canvas, {0, 0, box.width, box.height});
        canvas.PopOrigin();
    }
    if (controls) {
        PaintControls(canvas);
    }
}

void WindowScene::PaintControls(Canvas& canvas) const {
    const Pen border{Colours::kButtonBorder, transform_.PenWidth(1)};
    const auto button = [&](const ButtonControl& b) {
        if (!b.visible) {
            return;
        }
        const RectF box = transform_.Place(b.box.left, b.box.top, b.box.width, b.box.height);
        canvas.Rectangle(box, border, b.backColour);
        const Font font = transform_.FontOf(b.fontPoints, b.bold);
        const FontMetrics metrics = canvas.Metrics(font);
        const RectF line{box.left, box.top + (box.height - metrics.ascent - metrics.descent) / 2,
                         box.width, metrics.ascent + metrics.descent};
        canvas.Text(line, Translate(b.caption), font, look_.text, TextAlign::kCentre, true);
    };
    for (const ButtonControl* b : TabOrder::Commands(form_)) {
        button(*b);
    }
    for (const auto* group : {&form_.btnRouter, &form_.btnNetwork}) {
        for (const ButtonControl& b : *group) {
            button(b);
        }
    }
    for (const ButtonControl& b : form_.cmdBreak) {
        button(b);
    }
    // The check box: a square as tall as the letters, ticked or not, then its caption.
    const CheckControl& check = form_.chkSplit;
    const RectF place =
        transform_.Place(check.box.left, check.box.top, check.box.width, check.box.height);
    const Font font = transform_.FontOf(check.fontPoints, false);
    const double side = font.pixels;
    const RectF tick{place.left, place.top + (place.height - side) / 2, side, side};
    canvas.Rectangle(tick, border, 0xFFFFFF);
    if (check.value == 1) {
        const Pen mark{look_.text, side / 6, true};
        canvas.Line({tick.left + side * 0.2, tick.top + side * 0.5},
                    {tick.left + side * 0.42, tick.top + side * 0.75}, mark);
        canvas.Line({tick.left + side * 0.42, tick.top + side * 0.75},
                    {tick.left + side * 0.8, tick.top + side * 0.25}, mark);
    }
    canvas.Text({tick.Right() + side / 2, tick.top, place.width - side * 1.5, side},
                Translate(check.caption), font, look_.text, TextAlign::kLeft, false);
    // The scenario list: its text in a white box with the arrow that opens it.
    const ComboControl& list = form_.cmbSims;
    const Font listFont = transform_.FontOf(list.fontPoints, false);
    const FontMetrics metrics = canvas.Metrics(listFont);
    const double height = (metrics.ascent + metrics.descent) * 1.4;
    const RectF box = transform_.Place(list.box.left, list.box.top, list.box.width, 0);
    const RectF field{box.left, box.top, box.width, height};
    canvas.Rectangle(field, border, 0xFFFFFF);
    canvas.Text(field.Adjusted(height / 4, height * 0.2, -height, 0), list.text, listFont,
                look_.text, TextAlign::kLeft, true);
    const double x = field.Right() - height / 2;
    const double y = field.top + height / 2;
    const Pen arrow{look_.text, transform_.PenWidth(1), true};
    canvas.Line({x - height / 6, y - height / 12}, {x, y + height / 12}, arrow);
    canvas.Line({x, y + height / 12}, {x + height / 6, y - height / 12}, arrow);
}
