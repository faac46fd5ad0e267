#pragma once

#include "app/Action.h"
#include "files/DemonstrationFile.h"
#include "session/Lecture.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One thing that happened to a lecture, with its time in milliseconds: a timer that fired, a
// click, an extra, a lesson started, a file opened, a question answered, practice begun, the
// recorded lesson saved. Every
// front end hands its events to a lecture through Apply, so a lecture replayed from the same
// events, in another program or on another machine, ends exactly where the first did.
//
// As text an event is one line of words, its time last:
//   tick T | frames T | act CONTROL INDEX BUTTON CHECKED VALUE =SCENARIO T | extra ID T |
//   lesson INDEX T | open =NAME =BYTES T | answer COUNT =CELL... T | practise LEVEL SEED T |
//   hold-down SECONDS T | saved T | settle T
// where a word after "=" is written with every byte but letters, digits and "-._~" as %XX.
struct Event {
    enum class Kind {
        Tick,
        Frames,
        Act,
        Extra,
        Lesson,
        Open,
        Answer,
        Practise,
        HoldDown,
        Saved,
        Settle
    };

    Kind kind = Kind::Tick;
    long time = 0;
    Action action;                  // act
    int number = 0;                 // extra's id, lesson's index, practice's level, seconds
    std::uint64_t seed = 0;         // practise
    std::string name;               // open: the file's name
    std::string bytes;              // open: the file's bytes
    std::vector<std::string> cells; // answer

    // The most a line may hold: a file of 1 MiB with every byte escaped, and room besides.
    static constexpr std::size_t kLongestLine = 3u * 1024u * 1024u + 4096u;
    static constexpr std::size_t kLongestFile = DemonstrationFile::kMostBytes;
    static constexpr std::size_t kMostCells = 64;
    static constexpr std::size_t kLongestCell = 16;
    // A time no lecture reaches: a 32-bit `long` holds 24 days of milliseconds.
    static constexpr long kLatest = 2'000'000'000L;

    static Event Tick(long time) { return Plain(Kind::Tick, time); }
    static Event Frames(long time) { return Plain(Kind::Frames, time); }
    static Event Act(const Action& action, long time);
    static Event Extra(Extras::Id id, long time);
    static Event Lesson(int index, long time);
    // A file longer than any that opens is kept as an empty one: neither opens.
    static Event Open(std::string name, std::string bytes, long time);
    // Cells past the most a question has, and a cell's text past the longest, are left out: they
    // could be no answer.
    static Event Answer(std::vector<std::string> cells, long time);
    static Event Practise(int level, std::uint64_t seed, long time);
    static Event HoldDown(int seconds, long time);
    // The recorded lesson was saved: recording stops.
    static Event Saved(long time) { return Plain(Kind::Saved, time); }
    // Nothing but the lecture settling: the desktop's window, opened, starts its timers so.
    static Event Settle(long time) { return Plain(Kind::Settle, time); }

    // The event as its line, without the line's end.
    std::string Text() const;
    // An event from its line, or none and why in `fault`: "unknown event \"jump\"", "time
    // missing", "index 9 out of range" ... Nothing out of range, too long or left over is taken.
    static std::optional<Event> Read(std::string_view line, std::string& fault);

    // The event happens to the lecture, which settles after any but a timer's: answers when the
    // timers fire next (after a frame timer's event, only the frame timer: the tick timer runs
    // on as it was set) and, for an extra, what it leaves to the front end. A file that cannot be
    // opened changes nothing.
    struct Outcome {
        Lecture::Next next;
        Lecture::Job job = Lecture::Job::None;
    };
    Outcome Apply(class Lecture& lecture) const;

    bool operator==(const Event&) const = default;

private:
    static Event Plain(Kind kind, long time) {
        Event event;
        event.kind = kind;
        event.time = time;
        return event;
    }
};
