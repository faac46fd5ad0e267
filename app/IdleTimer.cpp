#include "app/IdleTimer.h"

#include "app/MainForm.h"

bool IdleTimer::Sleeps() const {
    return mayIdle_ && form_.TickIsIdle();
}

long IdleTimer::Interval() const {
    return form_.State().MoveTimer.interval * static_cast<long>(Speed::Normal) /
           static_cast<long>(speed_);
}

long IdleTimer::SetSpeed(Speed speed, long now) {
    CatchUp(now);
    speed_ = speed;
    if (!running_) {
        return -1;
    }
    // The next tick falls one new interval after the last, or at once if that time has passed.
    const long next = lastTick_ + Interval() - now;
    return next < 0 ? 0 : next;
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

long IdleTimer::Next(long now) {
    const bool enabled = form_.State().MoveTimer.enabled;
    if (enabled && !enabled_) {
        // Enabling starts the timer afresh: its first tick falls one interval from now.
        lastTick_ = now;
    }
    enabled_ = enabled;
    if (!enabled || Sleeps()) {
        running_ = false;
        return -1;
    }
    if (!running_) {
        // Waking: the next tick falls when the sleeping timer's would have.
        CatchUp(now);
        running_ = true;
        return lastTick_ + Interval() - now;
    }
    return lastTick_ + Interval() - now;
}
