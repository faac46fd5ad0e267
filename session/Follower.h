#pragma once

#include "session/Event.h"
#include "session/Replica.h"

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A student's side of a hall that follows: the lecturer's lecture replayed in a copy of its own,
// from a snapshot, then frame by frame. Events are played a little behind the lecturer, each at
// its own time, so that packets move as smoothly as on the projector though frames come in
// batches. A frame out of its turn (one lost, or come early) or a fingerprint that differs from
// the copy's own makes the follower ask for a snapshot, and say why.
class Follower {
public:
    // How far behind the lecturer events are played: a frame's batch and a little to spare.
    static constexpr long kBehind = 300;
    // A follower further behind than this catches up at once rather than play it all out.
    static constexpr long kFarBehind = 2000;

    explicit Follower(Replica::Messages messages = {}) : messages_(std::move(messages)) {}

    // What a frame or playing brought about.
    struct Outcome {
        bool ask = false;     // a snapshot is wanted
        bool rebuilt = false; // a snapshot made the copy afresh
        bool changed = false; // events were played
        bool still = false;   // more than a timer moved things: the still layer may have changed
        std::string said;     // for the log: why a snapshot is wanted, or what was refused
    };
    // A frame or snapshot received at `now` on this machine's clock, in milliseconds.
    Outcome Take(std::string_view frame, long now);
    // Plays every event whose time has come.
    Outcome Play(long now);
    // When the next event falls due, in milliseconds from `now`; none while nothing waits.
    std::optional<long> Next(long now) const;

    // The copy of the lecture, none before the first snapshot.
    Replica* Copy() { return copy_.get(); }
    const Replica* Copy() const { return copy_.get(); }
    // The last frame taken, whether played or waiting.
    long Number() const { return number_; }
    // The lecturer's time of what the copy shows is this machine's time less this.
    long Offset() const { return offset_; }
    // The copy's start and every event played into it, a line each (as Stream::Journal): a
    // student's own copy of the moment is made from it. None once it has grown too long.
    const std::string& Journal() const { return played_; }

    // The student's answer to the question the copy asks, one cell a line: the message that
    // takes it to the lecturer ("" with none asked). The last one sent counts, and is kept to be
    // graded once the lecturer shows the answer.
    std::string Answer(std::vector<std::string> cells);
    // The caption strip as the student sees it: the copy's, but for the keys a follower has (the
    // lecturer's keys step the lecture), and an answer sent said so while the question stands,
    // then graded and explained, every wrong row, once the answer is shown.
    Lecture::Strip Strip() const;

private:
    // An event to play at its time, or only the print of a frame that had none.
    struct Waiting {
        long time = 0;
        std::optional<Event> event;
        std::optional<std::uint64_t> print; // after a frame's last event: the lecturer's print
        long frame = 0;
    };

    Outcome Rebuild(std::string_view snapshot, long number, std::uint64_t print, long now);
    Outcome Ask(std::string said);

    // An event played into the copy, kept in the journal.
    void Played(const Event& event);

    Replica::Messages messages_;
    std::unique_ptr<Replica> copy_;
    std::deque<Waiting> waiting_;
    long number_ = 0;
    long offset_ = 0;    // this machine's time less the lecturer's, with kBehind
    long lastTime_ = 0;  // the lecturer's time of the last event taken
    bool asked_ = false; // a snapshot has been asked for and not come yet
    std::string played_;
    int answered_ = 0; // the number of the question the student last answered, and how
    std::vector<std::string> given_;
};
