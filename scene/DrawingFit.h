#pragma once

// How the drawing fits a window: the form, the caption strip under it while a lesson runs or one
// is recorded, and the strip beside it while tables are magnified. It is scaled uniformly; a
// scale is pixels per twip, `base` the scale at the drawing's full size.
class DrawingFit {
public:
    // The smallest the window may be made, as a fraction of its full size: below it the captions
    // no longer fit their controls.
    static constexpr double kMinimumScale = 0.5;

    struct Size {
        int width = 0;
        int height = 0;
        bool operator==(const Size&) const = default;
    };
    struct Placement {
        double scale = 1;
        double left = 0; // where the form's top left corner stands, in pixels
        double top = 0;
    };

    DrawingFit(int formWidth, int formHeight) : formWidth_(formWidth), formHeight_(formHeight) {}

    // The strip under the drawing, and under it while a question is asked the row of its pad's
    // keys.
    void ShowCaptionStrip(bool shown, bool pad = false) {
        captionStrip_ = shown;
        pad_ = shown && pad;
    }
    bool CaptionPad() const { return pad_; }
    // Twips down from the strip's top, pad included.
    int CaptionHeight() const;
    void ShowMagnifiedStrip(bool shown) { magnifiedStrip_ = shown; }
    bool CaptionStrip() const { return captionStrip_; }
    bool MagnifiedStrip() const { return magnifiedStrip_; }

    // Twips across and down, strips included.
    int Width() const;
    int Height() const;
    // The window's size at `fraction` of the full size.
    Size At(double base, double fraction) const;
    // The size to open at in a screen area of `room`: the full size where it fits, else scaled
    // down to fit with the aspect kept, but never below the minimum size.
    Size Opening(double base, Size room) const;
    // The drawing in a window of `window` pixels: as large as fits, centred, or at the left where
    // a strip stands beside it (`side`: the docked log or magnified tables).
    Placement Place(double base, Size window, bool side) const;

private:
    int formWidth_;
    int formHeight_;
    bool captionStrip_ = false;
    bool pad_ = false;
    bool magnifiedStrip_ = false;
};
