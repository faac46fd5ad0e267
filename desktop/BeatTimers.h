#pragma once

#include <QObject>

#include <optional>

class QTimer;

// The window's two timers, set from the delays the lecture returns: MoveTimer, whose tick moves
// the demonstration on, and FrameTimer, single-shot, which clears framed rows on time while
// MoveTimer sleeps.
class BeatTimers : public QObject {
public:
    BeatTimers(QObject& owner, long interval);
    QTimer& Move() { return *move_; }
    QTimer& Frame() { return *frame_; }
    // After a tick: stopped where none is due, else running at the delay given (the first tick
    // after waking or a change of speed comes early or late to keep the beat; the rest keep the
    // interval); a timer stopped meanwhile, by a message box's event loop, is started again.
    void AfterTick(std::optional<long> next);
    // After any other event: started afresh at the delay given, or stopped.
    void Restart(std::optional<long> next);
    void SetFrame(std::optional<long> next);

private:
    QTimer* move_;
    QTimer* frame_;
};
