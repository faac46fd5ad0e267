#pragma once

class MainForm;

// Decides when the window's MoveTimer runs. While a tick could change nothing but the launch
// countdown (no packet on the screen, Many off) the timer may sleep; the first event after that
// makes up for the ticks it slept through, so every packet moves, arrives and launches on the
// same tick, relative to the user's actions, as if the timer had never stopped. Times are
// milliseconds on any steady clock.
class IdleTimer {
public:
    // With `mayIdle` false the timer runs whenever it is enabled, as a plain periodic timer does.
    explicit IdleTimer(MainForm& form, bool mayIdle = true) : form_(form), mayIdle_(mayIdle) {}

    // The timer fired at `now`: runs the tick. Returns whether the timer goes on running.
    bool Fire(long now);
    // Before an event at `now` reaches the form: the ticks slept through up to now are made up
    // for, so the event finds the form as the running timer would have left it.
    void CatchUp(long now);
    // After an event at `now`: the delay until the timer should next fire, or -1 for a timer that
    // stays stopped (the animation is paused, or nothing can change).
    long Next(long now);
    bool Running() const { return running_; }

private:
    bool Sleeps() const;
    long Interval() const;

    MainForm& form_;
    bool mayIdle_;
    bool running_ = false;
    bool enabled_ = false;
    long lastTick_ = 0; // when the last tick fell due, run or slept through
};
