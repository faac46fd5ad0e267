#pragma once

#include "common/JsonValue.h"
#include "scene/PhoneLayout.h"
#include "scene/TwipsToPixels.h"

#include <optional>
#include <string>

class WebSession;

// What the page lays over its canvas, as JSON, for a page of `width` x `height` CSS pixels: the
// window's controls in Tab order (where each stands, its caption, font and colour, whether it
// shows, what a screen reader calls it, and a table's rows), the question asked with its cells,
// and the caption strip, the meter, the help's button and the status line; laid out for a phone
// where the page is held upright on one.
class WebControls {
public:
    WebControls(const WebSession& session, int width, int height);
    // The controls in Tab order: for each its design name, kind, index, place in CSS pixels, font
    // size, caption, colour, whether it shows and what a screen reader calls it, and a table's
    // rows; then the scenario list and the check box, the places of the tables magnified beside
    // the drawing, and the question asked.
    std::string Controls() const;
    // The caption strip under the drawing while a lesson runs or one is recorded (with the row of
    // pad keys while a question is asked, or practice runs), and the corner (the meter and the
    // help button), with their places in CSS pixels.
    std::string Texts() const;

private:
    // The question asked, if any: its number, its prompt and its cells, each with its place in
    // CSS pixels over its row; null while none is asked.
    JsonValue Question() const;

    const WebSession& session_;
    int width_;
    int height_;
    TwipsToPixels transform_;
    std::optional<PhoneLayout> phone_;
};
