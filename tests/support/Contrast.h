#pragma once

#include <algorithm>
#include <cmath>

// The contrast ratio of two colours held as 0xBBGGRR, as WCAG 2 defines it: from 1 (the same)
// to 21 (black on white).
inline double RelativeLuminance(int bgr) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(bgr & 0xFF) + 0.7152 * channel((bgr >> 8) & 0xFF) +
           0.0722 * channel((bgr >> 16) & 0xFF);
}

inline double ContrastRatio(int a, int b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
