#pragma once

#include <QElapsedTimer>

#include <optional>

// The window's time: milliseconds since it opened, handed with every event to the lecture. A
// test may stop it, so that what a lecture does while its timer sleeps (the countdown's idle
// ticks) does not hang on how fast the machine runs the test.
class Clock {
public:
    Clock();
    long Now() const;
    // From now on the time reads `at`, until it is let go with nullopt.
    void Stop(std::optional<long> at);

private:
    QElapsedTimer elapsed_;
    std::optional<long> stopped_;
};
