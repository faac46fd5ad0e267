#pragma once

#include <string>
#include <vector>

class FormState;

// Watches that every packet on the screen keeps moving: a marker that stays shown without moving
// for more than one hop's ticks (counting only ticks that ran, so a pause stops the count) is
// stuck.
class PacketProgress {
public:
    // Call after every tick with whether it ran. Returns a description of the first stuck marker,
    // or the empty text.
    std::string AfterTick(const FormState& form, bool ran);

private:
    struct Seen {
        bool visible = false;
        float left = 0;
        float top = 0;
        int stillTicks = 0;
    };
    std::vector<Seen> seen_;
};
