#pragma once

#include <QFont>

// Makes a font 8 % smaller, whether it is sized in pixels or in points, for a caption that must
// fit its box; false, unchanged, where it is too small to go smaller.
inline bool Smaller(QFont& font) {
    if (font.pixelSize() > 0) {
        const int smaller = static_cast<int>(font.pixelSize() * 0.92);
        if (smaller < 4) {
            return false;
        }
        font.setPixelSize(smaller);
        return true;
    }
    if (font.pointSizeF() < 3) {
        return false;
    }
    font.setPointSizeF(font.pointSizeF() * 0.92);
    return true;
}
