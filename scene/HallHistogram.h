#pragma once

#include "scene/Canvas.h"
#include "session/HallAnswers.h"

#include <string>
#include <vector>

// How the hall answered a question, drawn over the table asked once the answer is revealed: for
// each cell, the right answer's share and the two wrong answers given most, as bars with their
// shares in percent.
class HallHistogram {
public:
    struct Cell {
        std::string name; // "C's cost to network a"
        std::vector<HallAnswers::Share> shares;
    };
    HallHistogram(std::vector<Cell> cells, int answered)
        : cells_(std::move(cells)), answered_(answered) {}

    // "The hall: 12 answers".
    std::string Heading() const;
    // A share as the bar says it: "4: 60 %", "(blank): 10 %".
    static std::string Said(const HallAnswers::Share& share);
    // What the card says, a line each: the heading, then each cell's name followed by its shares
    // ("C's cost to network a", "9: 60 %", "8: 25 %"), the right answer's first.
    std::vector<std::string> Lines() const;
    void Paint(Canvas& canvas, const PixelRect& box) const;

private:
    std::vector<Cell> cells_;
    int answered_ = 0;
};
