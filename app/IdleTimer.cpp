#include "app/IdleTimer.h"

#include "app/MainForm.h"

#include <algorithm>

bool IdleTimer::Sleeps() const {
    return mayIdle_ && form_.TickIsIdle();
}

long IdleTimer::Interval() const {
    return form_.State().MoveTimer.interval * static_cast<long>(Speed::Normal) /
           static_cast<long>(speed_);
}

long IdleTimer::UntilNextBeat(long now) const {
    return std::max(0L, lastTick_ + Interval() - now);
}

std::optional<long> IdleTimer::SetSpeed(Speed speed, long now) {
    CatchUp(now);
    speed_ = speed;
    if (!running_) {
        return std::nullopt;
    }
    return UntilNextBeat(now);
}

std::optional<long> IdleTimer::NextSleptTick() const {
    if (running_ || !enabled_) {
        return std::nullopt;
    }
    return lastTick_ + Interval();
}

void IdleTimer::Restart(Speed speed, long now) {
    speed_ = speed;
    running_ = false;
    enabled_ = false;
    lastTick_ = now;
}

bool IdleTimer::Fire(long now) {
    form_.MoveTimer_Timer();
    lastTick_ = now;
    running_ = form_.State().MoveTimer.enabled && !Sleeps();
    return running_;
}

void IdleTimer::CatchUp(long now) {
    if (running_ || !enabled_ || now < lastTick_) {
        return;
    }
    const long slept = (now - lastTick_) / Interval();
    form_.SkipIdleTicks(slept);
    lastTick_ += slept * Interval();
}

std::optional<long> IdleTimer::Next(long now) {
    const bool enabled = form_.State().MoveTimer.enabled;
    if (enabled && !enabled_) {
        // Enabling starts the timer afresh: its first tick falls one interval from now.
        lastTick_ = now;
    }
    enabled_ = enabled;
    if (!enabled || Sleeps()) {
        running_ = false;
        return std::nullopt;
    }
    if (!running_) {
        // Waking: the next tick falls when the sleeping timer's would have.
        CatchUp(now);
        running_ = true;
    }
    // An event handled late on a busy machine finds the tick overdue: it falls at once.
    return UntilNextBeat(now);
}
