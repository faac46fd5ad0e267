#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

#include <algorithm>

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

// How narrow (in percent) a caption is written before it is written smaller.
constexpr int kNarrowest = 70;
// How many steps of 8 % smaller it may take beyond that (to about 40 %).
constexpr int kSmaller = 11;

// The font for `text` to fit `room` pixels: narrowed as far as needed, but no further than
// kNarrowest, and smaller beyond that, never cut; as it is where it fits or there is no room.
inline QFont Fitted(QFont font, const QString& text, int room) {
    const auto needed = [&font, &text] { return QFontMetrics(font).horizontalAdvance(text); };
    if (room <= 0 || text.isEmpty() || needed() <= room) {
        return font;
    }
    font.setStretch(std::max(kNarrowest, 100 * room / std::max(1, needed())));
    for (int tries = 0; tries < kSmaller && needed() > room && Smaller(font); ++tries) {
    }
    return font;
}
