#pragma once

#include "app/IdleTimer.h"

#include <array>
#include <string>
#include <string_view>

// The words demonstration and lesson files name things by: links ("A-B"), cost labels by the
// direction they price ("A to B"), and speeds ("quarter").
class FileWords {
public:
    static constexpr std::array<std::string_view, 4> kSpeeds{"quarter", "half", "normal", "double"};
    static constexpr std::array<IdleTimer::Speed, 4> kSpeedValues{
        IdleTimer::Speed::Quarter, IdleTimer::Speed::Half, IdleTimer::Speed::Normal,
        IdleTimer::Speed::Double};

    // The link a break button breaks, by its routers' letters.
    static std::string LinkName(int breakButton);
    // The direction a cost label prices, or the empty text for no label.
    static std::string CostName(int label);
    static std::string SpeedName(IdleTimer::Speed speed);
};
