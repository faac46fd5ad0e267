#pragma once

#include "common/Translate.h"
#include "scene/Canvas.h"

#include <string>
#include <vector>

// The card a hall joins from, large enough to scan and read from the back row: the QR code of the
// address (its modules given, dark ones true, row by row), and beside it what to do, the address
// and the join code in large letters.
class HallCard {
public:
    // `host` of `hosts`: which of the machine's addresses the card shows, where it has several.
    HallCard(std::vector<bool> modules, int size, std::string address, std::string code,
             std::size_t host = 0, std::size_t hosts = 1)
        : modules_(std::move(modules)), size_(size), address_(std::move(address)),
          code_(std::move(code)), host_(host), hosts_(hosts) {}

    static constexpr std::string_view kHeading = Message("Follow on your phone");
    static constexpr std::string_view kCodeLabel = Message("Join code");
    static constexpr const char* kHide = "A click or Esc hides this.";

    // Where the machine has several addresses, how to show another: "Not reached? Press A for
    // another address (1 of 2)."; else "".
    static std::string Another(std::size_t host, std::size_t hosts);

    // Paints the card filling `box`, in pixels.
    void Paint(Canvas& canvas, const PixelRect& box) const;

private:
    std::vector<bool> modules_;
    int size_ = 0;
    std::string address_;
    std::string code_;
    std::size_t host_ = 0;
    std::size_t hosts_ = 1;
};
