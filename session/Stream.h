#pragma once

#include "session/Event.h"

#include <cstddef>
#include <cstdint>
#include <string>

class Lecture;

// The lecturer's side of a hall that follows: every event since the start is kept, and the events
// since the last frame are gathered into the next. A frame is numbered and ends with the
// lecture's fingerprint after its events; a snapshot holds the start and every event since, so a
// follower that joins late, or has lost its way, replays the whole lecture.
//   frame N PRINT            snapshot N PRINT
//   EVENT                    start SEED =OPTIONS
//   ...                      EVENT ...
// PRINT is Fingerprint::Of in sixteen hex digits; N counts frames from 1 (a snapshot carries the
// number of the last frame its events reach).
class Stream {
public:
    // Past this many bytes of events a snapshot can no longer be made; frames go on.
    static constexpr std::size_t kLongest = 32u * 1024u * 1024u;

    // A lecture as it stands at its start (Replica::StartLine).
    Stream(std::string start, const Lecture& lecture);

    // An event the lecture has taken.
    void Add(const Event& event);
    // Whether events wait for the next frame.
    bool Gathering() const { return !gathered_.empty(); }
    // The events gathered, as the next frame, with the lecture as they leave it.
    std::string Frame(const Lecture& lecture);
    // The lecture up to the last frame: none once it has grown too long.
    std::string Snapshot() const;
    bool Full() const { return full_; }
    long Number() const { return number_; }

    // A frame's first line.
    static std::string Head(const char* kind, long number, std::uint64_t print);

private:
    std::string start_;
    std::string journal_;     // every event, a line each
    std::string gathered_;    // those since the last frame
    std::size_t framed_ = 0;  // how much of the journal the frames have sent
    std::uint64_t print_ = 0; // the lecture's fingerprint at the last frame
    long number_ = 0;
    bool full_ = false;
};
