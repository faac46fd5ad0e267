#pragma once

#include "session/Event.h"
#include "session/Lecture.h"

#include <cstddef>
#include <cstdint>
#include <string>

// The lecture as it happens: every event a front end hands the lecture goes through here, is
// applied and kept. For a hall that follows, the events since the last frame are gathered into
// the next: a frame is numbered and ends with the lecture's fingerprint after its events; a
// snapshot holds the start and every event since, so a follower that joins late, or has lost its
// way, replays the whole lecture.
//   frame N PRINT            snapshot N PRINT
//   EVENT                    start SEED =OPTIONS =NAME =BYTES
//   ...                      EVENT ...
// PRINT is Fingerprint::Of in sixteen hex digits; N counts frames from 1 (a snapshot carries the
// number of the last frame its events reach).
class Stream {
public:
    // Past this many bytes of events a snapshot can no longer be made; frames go on.
    static constexpr std::size_t kLongest = 32u * 1024u * 1024u;

    // A lecture as it stands at its start (Replica::StartLine).
    Stream(std::string start, class Lecture& lecture);

    class Lecture& Lecture() {
        return lecture_;
    }
    const class Lecture& Lecture() const { return lecture_; }

    // The event happens to the lecture and is kept. While the out-of-packets message is open a
    // timer's event is neither: the message holds the lecture still (a modal message box runs
    // timers inside the event that opened it).
    Event::Outcome Take(const Event& event);
    // How many events have settled the lecture (any but a timer's), and when the timers fire next
    // after the last of them.
    long Settled() const { return settled_; }
    const ::Lecture::Next& Next() const { return next_; }
    // The start line and every event since, a line each: none once it has grown too long.
    std::string Journal() const;

    // Whether frames are made: while they are not, no event is gathered for them.
    void Serve(bool on);
    bool Serving() const { return serving_; }
    // Whether events wait for the next frame.
    bool Gathering() const { return !gathered_.empty(); }
    // The events gathered, as the next frame, with the lecture as they leave it.
    std::string Frame();
    // The lecture up to the last frame: none once it has grown too long.
    std::string Snapshot() const;
    bool Full() const { return full_; }
    long Number() const { return number_; }

    // A frame's first line.
    static std::string Head(const char* kind, long number, std::uint64_t print);

private:
    void Add(const Event& event);

    class Lecture& lecture_;
    std::string start_;
    std::string journal_;     // every event, a line each
    std::string gathered_;    // those since the last frame
    std::size_t framed_ = 0;  // how much of the journal the frames have sent
    std::uint64_t print_ = 0; // the lecture's fingerprint at the last frame
    long number_ = 0;
    bool full_ = false;
    bool serving_ = false;
    long settled_ = 0;
    ::Lecture::Next next_;
};
