#pragma once

#include "common/Translate.h"
#include "form/Controls.h"

#include <string>
#include <vector>

class FormState;
class RouterPanel;

// The routers' tables a lecturer has magnified beside the drawing, for the back of a hall: at most
// two, a third choice pushing out the one chosen first; a router its scenario hides is left out
// until it shows again. Where they stand in the strip beside the drawing is reckoned here too, in
// the drawing's twips, so that every front end stands them alike.
class Magnifier {
public:
    static constexpr int kMost = 2;
    // Above this the tables grow no larger, however wide the strip.
    static constexpr double kLargest = 4;
    // The air round and between the tables, in the strip's twips.
    static constexpr int kGap = 120;
    // At the least, the tables stand this many times as large as the drawing's own would at the
    // drawing's largest: the drawing makes room where the strip is too small for that.
    static constexpr double kLeast = 1.9;
    // The share of the strip's height the tables may take with the log docked under them.
    static constexpr double kOverLog = 2.0 / 3;

    // The menu's words: its title, and each router's choice ("Magnify table A").
    static constexpr std::string_view kTitle =
        Message("Tables magnified beside the drawing (or right-click a table)");
    static std::string Label(int router);

    // Magnifies the router's table, or shrinks it back if it was magnified. Returns whether it
    // is magnified now.
    bool Toggle(int router);
    bool Has(int router) const;
    void Clear() { routers_.clear(); }
    // The magnified tables that show, oldest choice first.
    std::vector<int> Shown(const FormState& state) const;

    struct Arrangement {
        double magnification = 0; // the tables' size against the drawing's
        std::vector<Box> tables;  // each table's place in the strip, from its top left corner
    };
    // Where the magnified tables that show stand in a strip of the size given (the drawing's
    // twips): each router's table, its size against the drawing's and its place in the strip;
    // none where the strip holds none.
    struct Standing {
        int router = 0;
        double magnification = 0;
        Box place;
    };
    std::vector<Standing> Stand(const FormState& state, int stripWidth, int stripHeight) const;
    // The tables of the heights given (the drawing's twips) in a strip of the size given, as large
    // as they fit, the same for all: stacked, each centred across the strip, or where that makes
    // them larger, side by side at the top.
    static Arrangement Arrange(int stripWidth, int stripHeight, const std::vector<int>& heights);
    // A magnified table's height: its panel down to the last row it shows or asks a learner to
    // predict, so that rows its scenario hides take no room.
    static int Height(const RouterPanel& panel);
    // The drawing's scale, at most `fit` (pixels per twip, the drawing as large as the window
    // allows with the strip beside it), in a window `windowWidth` pixels wide whose strip gives
    // the tables `tablesHeight` pixels: the largest at which the tables stand kLeast times the
    // size `fit` would give them, or where none does, the smallest the drawing is made.
    double DrawingScale(const FormState& state, int formWidth, double fit, int windowWidth,
                        int tablesHeight) const;

private:
    std::vector<int> routers_;
};
