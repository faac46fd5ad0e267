#include "desktop/Clock.h"

Clock::Clock() {
    elapsed_.start();
}

long Clock::Now() const {
    return stopped_ ? *stopped_ : static_cast<long>(elapsed_.elapsed());
}

void Clock::Stop(std::optional<long> at) {
    stopped_ = at;
}
