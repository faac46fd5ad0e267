#pragma once

#include "common/Colours.h"

#include <string>
#include <vector>

// The main window's controls as plain data. Positions and sizes are twips from the client area's
// top left corner; colours are 0xBBGGRR; fonts are the ordinary sans-serif at the given points.

struct Box {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct ButtonControl {
    Box box;
    std::string caption;
    int backColour = Colours::kForm;
    double fontPoints = 8.25;
    bool bold = false;
    bool visible = true;
};

// Mouse buttons as the controls' handlers number them.
namespace MouseButton {
inline constexpr int kLeft = 1;
inline constexpr int kRight = 2;
inline constexpr int kMiddle = 4;
} // namespace MouseButton

// A rectangle or circle; packet markers move, so their position is single precision.
struct ShapeControl {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;
    int borderColour = 0x000000;
    int borderWidth = 1;
    int fillColour = 0xFFFFFF;
    bool visible = true;
    std::string tag;
    bool operator==(const ShapeControl&) const = default;
};

struct LineControl {
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    int colour = 0x000000;
    int width = 1;
    bool visible = true;
};

struct LabelControl {
    Box box;
    std::string caption;
    double fontPoints = 8.25;
    bool centred = false;
    bool transparent = false;
    bool visible = true;
};

struct CheckControl {
    Box box;
    std::string caption;
    double fontPoints = 8.25;
    int value = 0; // 0 unchecked, 1 checked, 2 grey
};

struct ComboControl {
    Box box; // the height follows the font
    std::vector<std::string> items;
    std::string text;
    double fontPoints = 8.25;
};

struct TimerControl {
    int interval = 40; // milliseconds
    bool enabled = true;
};
