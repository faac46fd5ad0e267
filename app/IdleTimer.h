#pragma once

#include <optional>

class MainForm;

// Decides when the window's MoveTimer runs. While a tick could change nothing but the launch
// countdown (no packet on the screen, Many off) the timer may sleep; the first event after that
// makes up for the ticks it slept through, so every packet moves, arrives and launches on the
// same tick, relative to the user's actions, as if the timer had never stopped. Times are
// milliseconds on any steady clock.
class IdleTimer {
public:
    // How fast the animation runs, as quarters of the normal speed. Speed changes only how often
    // the tick runs: every hop still takes 26 ticks.
    enum class Speed { Quarter = 1, Half = 2, Normal = 4, Double = 8 };

    // With `mayIdle` false the timer runs whenever it is enabled, as a plain periodic timer does.
    explicit IdleTimer(MainForm& form, bool mayIdle = true) : form_(form), mayIdle_(mayIdle) {}

    // The timer fired at `now`: runs the tick. Returns whether the timer goes on running.
    bool Fire(long now);
    // Before an event at `now` reaches the form: the ticks slept through up to now are made up
    // for, so the event finds the form as the running timer would have left it.
    void CatchUp(long now);
    // After an event at `now`: the delay until the timer should next fire (0 for a tick already
    // overdue), or none for a timer that stays stopped (the animation is paused, or nothing can
    // change).
    std::optional<long> Next(long now);
    bool Running() const { return running_; }
    // While the timer sleeps with the animation running: when the next tick it sleeps through
    // falls due. None while it runs or the animation is paused.
    std::optional<long> NextSleptTick() const;
    // The time between ticks at the speed chosen: MoveTimer's interval at normal speed.
    long Interval() const;
    Speed CurrentSpeed() const { return speed_; }
    // From `now` on, ticks fall at the new speed's interval; the ticks due before now ran at the
    // old one. Returns the delay until the next tick, or none for a stopped timer.
    std::optional<long> SetSpeed(Speed speed, long now);
    // Starts afresh at `now` and at the speed given, nothing slept through (a demonstration was
    // opened).
    void Restart(Speed speed, long now);

private:
    bool Sleeps() const;
    // The delay from `now` to one interval after the last tick; a tick already due falls at once.
    long UntilNextBeat(long now) const;

    MainForm& form_;
    bool mayIdle_;
    bool running_ = false;
    bool enabled_ = false;
    long lastTick_ = 0; // when the last tick fell due, run or slept through
    Speed speed_ = Speed::Normal;
};
