#pragma once

#include <array>
#include <cstddef>
#include <string>

// The lecturer's extras, with the keys that reach them: the one list the window's context menu
// and its help (F1) are made from. No key is one a focused control uses (Space and Return press
// the focused button, arrows and +/- step a focused cost or move in the scenario list).
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
    ExportLog,
    ExportTables,
    Projector,
    FullScreen,
    EnterFullScreen,
    BlackScreen,
    Help,
};

struct Entry {
    Id id;
    const char* name;
    const char* keys;           // in the form QKeySequence reads ("Ctrl+Shift+Z"); empty for none
    const char* otherKeys = ""; // a second key that does the same (what a clicker sends)
};

inline constexpr std::array<Entry, 36> kEntries{{
    {Id::QuarterSpeed, "Quarter speed", "Ctrl+1"},
    {Id::HalfSpeed, "Half speed", "Ctrl+2"},
    {Id::NormalSpeed, "Normal speed", "Ctrl+3"},
    {Id::DoubleSpeed, "Double speed", "Ctrl+4"},
    {Id::StepTick, "Step one tick (while paused)", "Ctrl+Right"},
    {Id::StepHop, "Step one hop, 26 ticks (while paused)", "Ctrl+Shift+Right"},
    {Id::Undo, "Undo", "Ctrl+Z"},
    {Id::Redo, "Redo", "Ctrl+Shift+Z"},
    {Id::Highlight,
     "Highlight changed rows: off, until the next tick, for three seconds, "
     "until the next change",
     "Ctrl+H"},
    {Id::Log, "Message log (open or close): every router message and why routes changed", "Ctrl+L"},
    {Id::ShortestPaths, "Shortest paths beside the tables, and whether they have converged",
     "Ctrl+G"},
    {Id::AllOfRip, "All of RIP's rules", "Ctrl+R"},
    {Id::Infinity16, "RIP: infinity is 16", "Ctrl+I"},
    {Id::PeriodicUpdates, "RIP: periodic updates every 30 s, routes time out", "Ctrl+P"},
    {Id::TriggeredUpdates, "RIP: triggered updates", "Ctrl+T"},
    {Id::HoldDown, "RIP: hold-down", "Ctrl+D"},
    {Id::SimpleSplit, "RIP: simple split horizon instead of poisoned reverse", "Ctrl+J"},
    {Id::TimeoutOnly, "RIP: a break is found only by timeout", "Ctrl+E"},
    {Id::HoldDownTime, "RIP: hold-down time...", ""},
    {Id::ThreeRouterLoop, "Demonstration: Three-Router Loop", ""},
    {Id::HoldDownDemo, "Demonstration: Hold-Down Delays Good News", ""},
    {Id::CopyPicture, "Copy the window's picture", "Ctrl+C"},
    {Id::SavePicture, "Save the window's picture as PNG or SVG...", "Ctrl+S"},
    {Id::OpenFile, "Open a demonstration or a lesson...", "Ctrl+O"},
    {Id::SaveDemonstration, "Save the demonstration...", "Ctrl+Shift+S"},
    {Id::NextStep, "Lesson: next step", "PgDown", "Right"},
    {Id::PreviousStep, "Lesson: back one step", "PgUp", "Left"},
    {Id::EndLesson, "Lesson: end it", ""},
    {Id::RecordLesson, "Record lesson (again: stop recording and save it)", "Ctrl+Shift+R"},
    {Id::ExportLog, "Export the message log as text...", ""},
    {Id::ExportTables, "Export the tables as CSV...", ""},
    {Id::Projector, "Projector look: larger table text, outlined packets", "Ctrl+Shift+P"},
    {Id::FullScreen, "Full screen", "F11"},
    {Id::EnterFullScreen, "Full screen, as a presentation starts (the lesson goes on)", "F5",
     "Shift+F5"},
    {Id::BlackScreen, "Black screen until the next key or click", "B", "."},
    {Id::Help, "This list", "F1"},
}};

// How an extra stands in a menu: switched on and off with a tick, one of the speeds of which one
// is chosen, or done each time.
enum class Kind { Switch, Speed, Plain };
Kind KindOf(Id id);
// Whether the menu draws a separator after the extra.
bool EndsGroup(Id id);

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

// The list as the help window shows it, one extra a line: "Ctrl+1 - Quarter speed".
std::string HelpText();

} // namespace Extras
