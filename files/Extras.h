#pragma once

#include "files/FileWords.h"
#include "packets/PacketMotion.h"

#include <array>
#include <cstddef>

// The lecturer's extras: the one table the window's context menu, its keys, its help (F1), a
// lesson's recording and a lesson file are made from. No key is one a focused control uses
// (Space and Return press the focused button, arrows and +/- step a focused cost or move in the
// scenario list).
namespace Extras {

enum class Id {
    QuarterSpeed,
    HalfSpeed,
    NormalSpeed,
    DoubleSpeed,
    StepTick,
    StepHop,
    Undo,
    Redo,
    Highlight,
    Log,
    ShortestPaths,
    AllOfRip,
    Infinity16,
    PeriodicUpdates,
    TriggeredUpdates,
    HoldDown,
    SimpleSplit,
    TimeoutOnly,
    HoldDownTime,
    ThreeRouterLoop,
    HoldDownDemo,
    CopyPicture,
    SavePicture,
    OpenFile,
    SaveDemonstration,
    NextStep,
    PreviousStep,
    EndLesson,
    RecordLesson,
    MarkPrediction,
    PracticeLevel1,
    PracticeLevel2,
    PracticeLevel3,
    ExportLog,
    ExportTables,
    Projector,
    FullScreen,
    EnterFullScreen,
    BlackScreen,
    HallFollows,
    HallRelay,
    Help,
};

// How an extra stands in a menu: switched on and off with a tick, one of the speeds of which one
// is chosen, or done each time.
enum class Kind { Switch, Speed, Plain };

// How a lesson file writes an extra a lesson records and plays: the member that names the step,
// and its value: a fixed word, on or off (true or false), or a count from 1 to `most`.
enum class Value { Word, Switch, Count };
struct Step {
    const char* member = ""; // empty: the extra is not a step of a lesson
    Value value = Value::Word;
    const char* word = "";
    long most = 0;
};

struct Entry {
    Id id;
    const char* name;
    const char* keys = "";      // in the form QKeySequence reads ("Ctrl+Shift+Z"); empty for none
    const char* otherKeys = ""; // a second key that does the same (what a clicker sends)
    // The key in a web page where a browser keeps `keys` for itself (Ctrl+1 to Ctrl+4 switch
    // tabs, Ctrl+T opens one, Ctrl+R reloads); empty where the page takes `keys` too.
    const char* pageKeys = "";
    Kind kind = Kind::Plain;
    bool endsGroup = false; // the menu draws a separator after it
    Step step{};
    bool acts = false;  // as a step, it changes the window as a click does (an undo level)
    bool onPage = true; // the page offers it too (a hall is served by the desktop's program)
};

inline constexpr std::array<Entry, 42> kEntries{{
    {.id = Id::QuarterSpeed,
     .name = "Quarter speed",
     .keys = "Ctrl+1",
     .pageKeys = "Alt+1",
     .kind = Kind::Speed,
     .step = {"speed", Value::Word, FileWords::kSpeeds[0].data()}},
    {.id = Id::HalfSpeed,
     .name = "Half speed",
     .keys = "Ctrl+2",
     .pageKeys = "Alt+2",
     .kind = Kind::Speed,
     .step = {"speed", Value::Word, FileWords::kSpeeds[1].data()}},
    {.id = Id::NormalSpeed,
     .name = "Normal speed",
     .keys = "Ctrl+3",
     .pageKeys = "Alt+3",
     .kind = Kind::Speed,
     .step = {"speed", Value::Word, FileWords::kSpeeds[2].data()}},
    {.id = Id::DoubleSpeed,
     .name = "Double speed",
     .keys = "Ctrl+4",
     .pageKeys = "Alt+4",
     .kind = Kind::Speed,
     .endsGroup = true,
     .step = {"speed", Value::Word, FileWords::kSpeeds[3].data()}},
    {.id = Id::StepTick,
     .name = "Step one tick (while paused)",
     .keys = "Ctrl+Right",
     .step = {"step ticks", Value::Count, "", PacketMotion::kArrivalTick},
     .acts = true},
    {.id = Id::StepHop,
     .name = "Step one hop, 26 ticks (while paused)",
     .keys = "Ctrl+Shift+Right",
     .endsGroup = true},
    {.id = Id::Undo,
     .name = "Undo",
     .keys = "Ctrl+Z",
     .step = {"extra", Value::Word, "undo"},
     .acts = true},
    {.id = Id::Redo,
     .name = "Redo",
     .keys = "Ctrl+Shift+Z",
     .endsGroup = true,
     .step = {"extra", Value::Word, "redo"},
     .acts = true},
    {.id = Id::Highlight,
     .name = "Highlight changed rows: off, until the next tick, for three seconds, until the next "
             "change",
     .keys = "Ctrl+H",
     .step = {"highlight", Value::Word, "next"}},
    {.id = Id::Log,
     .name = "Message log (open or close): every router message and why routes changed",
     .keys = "Ctrl+L",
     .endsGroup = true},
    {.id = Id::ShortestPaths,
     .name = "Shortest paths beside the tables, and whether they have converged",
     .keys = "Ctrl+G",
     .kind = Kind::Switch,
     .endsGroup = true,
     .step = {"shortest paths", Value::Switch}},
    {.id = Id::AllOfRip,
     .name = "All of RIP's rules",
     .keys = "Ctrl+R",
     .pageKeys = "Alt+R",
     .kind = Kind::Switch},
    {.id = Id::Infinity16, .name = "RIP: infinity is 16", .keys = "Ctrl+I", .kind = Kind::Switch},
    {.id = Id::PeriodicUpdates,
     .name = "RIP: periodic updates every 30 s, routes time out",
     .keys = "Ctrl+P",
     .kind = Kind::Switch},
    {.id = Id::TriggeredUpdates,
     .name = "RIP: triggered updates",
     .keys = "Ctrl+T",
     .pageKeys = "Alt+T",
     .kind = Kind::Switch},
    {.id = Id::HoldDown, .name = "RIP: hold-down", .keys = "Ctrl+D", .kind = Kind::Switch},
    {.id = Id::SimpleSplit,
     .name = "RIP: simple split horizon instead of poisoned reverse",
     .keys = "Ctrl+J",
     .kind = Kind::Switch},
    {.id = Id::TimeoutOnly,
     .name = "RIP: a break is found only by timeout",
     .keys = "Ctrl+E",
     .kind = Kind::Switch},
    {.id = Id::HoldDownTime, .name = "RIP: hold-down time...", .endsGroup = true},
    {.id = Id::ThreeRouterLoop, .name = "Demonstration: Three-Router Loop"},
    {.id = Id::HoldDownDemo,
     .name = "Demonstration: Hold-Down Delays Good News",
     .endsGroup = true},
    {.id = Id::CopyPicture, .name = "Copy the window's picture", .keys = "Ctrl+C"},
    {.id = Id::SavePicture,
     .name = "Save the window's picture as PNG or SVG...",
     .keys = "Ctrl+S",
     .endsGroup = true},
    {.id = Id::OpenFile, .name = "Open a demonstration or a lesson...", .keys = "Ctrl+O"},
    {.id = Id::SaveDemonstration,
     .name = "Save the demonstration...",
     .keys = "Ctrl+Shift+S",
     .endsGroup = true},
    {.id = Id::NextStep, .name = "Lesson: next step", .keys = "PgDown", .otherKeys = "Right"},
    {.id = Id::PreviousStep, .name = "Lesson: back one step", .keys = "PgUp", .otherKeys = "Left"},
    {.id = Id::EndLesson, .name = "Lesson: end it"},
    {.id = Id::RecordLesson,
     .name = "Record lesson (again: stop recording and save it)",
     .keys = "Ctrl+Shift+R",
     .pageKeys = "Alt+Shift+R"},
    {.id = Id::MarkPrediction,
     .name = "Ask to predict the table on its way (while recording, a question in the lesson)",
     .keys = "Ctrl+K",
     .pageKeys = "Alt+K",
     .endsGroup = true},
    {.id = Id::PracticeLevel1, .name = "Practice, level 1"},
    {.id = Id::PracticeLevel2, .name = "Practice, level 2"},
    {.id = Id::PracticeLevel3, .name = "Practice, level 3", .endsGroup = true},
    {.id = Id::ExportLog, .name = "Export the message log as text..."},
    {.id = Id::ExportTables, .name = "Export the tables as CSV...", .endsGroup = true},
    {.id = Id::Projector,
     .name = "Projector look: larger table text, outlined packets",
     .keys = "Ctrl+Shift+P",
     .kind = Kind::Switch,
     .step = {"projector", Value::Switch}},
    {.id = Id::FullScreen, .name = "Full screen", .keys = "F11"},
    {.id = Id::EnterFullScreen,
     .name = "Full screen, as a presentation starts (the lesson goes on)",
     .keys = "F5",
     .otherKeys = "Shift+F5"},
    {.id = Id::BlackScreen,
     .name = "Black screen until the next key or click",
     .keys = "B",
     .otherKeys = "."},
    {.id = Id::HallFollows,
     .name = "Let the hall follow",
     .keys = "Ctrl+Shift+H",
     .kind = Kind::Switch,
     .onPage = false},
    {.id = Id::HallRelay, .name = "Follow through a relay...", .endsGroup = true, .onPage = false},
    {.id = Id::Help, .name = "This list", .keys = "F1"},
}};

// The table lists every extra once, in the order of Id.
inline constexpr bool InOrder() {
    for (std::size_t k = 0; k < kEntries.size(); ++k) {
        if (static_cast<std::size_t>(kEntries[k].id) != k) {
            return false;
        }
    }
    return kEntries.size() == static_cast<std::size_t>(Id::Help) + 1;
}
static_assert(InOrder(), "kEntries lists the extras in the order of Id");

inline constexpr const Entry& Of(Id id) {
    return kEntries[static_cast<std::size_t>(id)];
}
inline constexpr const char* PageKeys(const Entry& entry) {
    return *entry.pageKeys != 0 ? entry.pageKeys : entry.keys;
}
inline constexpr bool Recorded(Id id) {
    return *Of(id).step.member != 0;
}

} // namespace Extras
