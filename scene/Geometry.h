#pragma once

#include <algorithm>
#include <cmath>

// Points and rectangles in pixels, as a canvas takes them. `RectF` is a place that may fall
// between pixels; `PixelRect` covers whole pixels. Their arithmetic is the usual painters' own
// (a rectangle's right edge is left + width), so that every front end rounds alike.
struct PointF {
    double x = 0;
    double y = 0;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool Empty() const { return width <= 0 || height <= 0; }
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    // Whether the two share a pixel.
    bool Intersects(const PixelRect& o) const {
        return !Empty() && !o.Empty() && left < o.Right() && o.left < Right() && top < o.Bottom() &&
               o.top < Bottom();
    }
    // The pixels both share; empty where they share none.
    PixelRect Intersected(const PixelRect& o) const {
        const int l = std::max(left, o.left);
        const int t = std::max(top, o.top);
        return {l, t, std::max(0, std::min(Right(), o.Right()) - l),
                std::max(0, std::min(Bottom(), o.Bottom()) - t)};
    }
    // The smallest rectangle round both; an empty one adds nothing.
    PixelRect United(const PixelRect& o) const {
        if (Empty()) {
            return o;
        }
        if (o.Empty()) {
            return *this;
        }
        const int l = std::min(left, o.left);
        const int t = std::min(top, o.top);
        return {l, t, std::max(Right(), o.Right()) - l, std::max(Bottom(), o.Bottom()) - t};
    }
    PixelRect Adjusted(int dl, int dt, int dr, int db) const {
        return {left + dl, top + dt, width + dr - dl, height + db - dt};
    }
    bool operator==(const PixelRect&) const = default;
};

struct RectF {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;

    double Right() const { return left + width; }
    double Bottom() const { return top + height; }
    PointF Centre() const { return {left + width / 2, top + height / 2}; }
    RectF Adjusted(double dl, double dt, double dr, double db) const {
        return {left + dl, top + dt, width + dr - dl, height + db - dt};
    }
    RectF Translated(PointF by) const { return {left + by.x, top + by.y, width, height}; }
    // Moves the left edge, keeping the right one.
    void SetLeft(double x) {
        const double moved = x - left;
        left += moved;
        width -= moved;
    }
    void SetRight(double x) { width = x - left; }
    // The whole pixels the place touches.
    PixelRect Aligned() const {
        const int l = static_cast<int>(std::floor(left));
        const int t = static_cast<int>(std::floor(top));
        return {l, t, static_cast<int>(std::ceil(left + width)) - l,
                static_cast<int>(std::ceil(top + height)) - t};
    }
    // The nearest whole pixels, the corner rounded and the size rounded with half the corner's
    // rounding, so that no edge moves by more than three quarters of a pixel.
    PixelRect Rounded() const {
        const int l = Round(left);
        const int t = Round(top);
        return {l, t, Round(width + (left - l) / 2), Round(height + (top - t) / 2)};
    }

private:
    // To the nearest whole number, halves up, as painters round.
    static int Round(double v) {
        return v >= 0.0 ? static_cast<int>(v + 0.5)
                        : static_cast<int>(v - static_cast<double>(static_cast<int>(v - 1)) + 0.5) +
                              static_cast<int>(v - 1);
    }
};
