#pragma once

#include <cstdint>
#include <string>

// What the window needs from the desktop: the modal message box and the clock that seeds the
// random source. The Qt view supplies the real ones; tests supply recording fakes.
class Platform {
public:
    virtual ~Platform() = default;
    // Shows a modal message with one OK button and returns when the user has dismissed it.
    virtual void ShowMessage(const std::string& text) = 0;
    virtual std::uint64_t ClockSeed() = 0;
};
