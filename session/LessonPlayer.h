#pragma once

#include "app/MainForm.h"
#include "files/LessonScript.h"
#include "session/Demonstration.h"

#include <cstddef>
#include <string>
#include <vector>

// Plays a lesson on the running demonstration, as a presenter's clicker asks. Next runs the next
// action and what follows it, up to the action after it or up to and including a caption, so
// that an action's caption shows once what it set moving has played out; it waits on the way
// where a wait step says (the lesson's ticks run meanwhile, and AfterTick goes on once the wait
// is over; a press during a wait runs the rest of it at once). Back returns exactly to where
// the press before began, through the undo history.
class LessonPlayer {
public:
    // A wait for quiet gives up after this many hops (continuous sending never stops).
    static constexpr long kLongestQuietHops = MainForm::kLongestQuietHops;

    explicit LessonPlayer(Demonstration& demonstration) : demonstration_(demonstration) {}

    // Sets the lesson's start up as one undoable action; the caption is the lesson's title.
    // Refused while a recording runs, saying so on the status line: a recording of a lesson
    // being played would record its presses under its captions.
    bool Start(const LessonScript& script, long now);
    // Starts recording, refused the same way while a lesson plays.
    bool Record(long now);
    void Stop() { playing_ = false; }
    bool Playing() const { return playing_; }
    const LessonScript& Script() const { return script_; }
    const std::string& Caption() const { return caption_; }
    // The caption's longer line for a student, empty where it has none.
    const std::string& Detail() const { return detail_; }
    // The caption and its line as they are shown: a built-in lesson's in the program's language,
    // a lesson file's as its lecturer wrote them.
    std::string ShownCaption() const;
    std::string ShownDetail() const;
    // The next press; at the end of a built-in lesson, the start of the one after it.
    void Next(long now);
    // Whether Next would do anything.
    bool CanGoOn() const;
    // False where there is no step before to go back to.
    bool Back(long now);
    // Ctrl+Z and Ctrl+Y while a lesson plays: undoing what the last press did is a step back,
    // exactly as Page Up, and redoing it the press again; the lecturer's own actions between
    // presses undo and redo as ever. With no lesson playing, plain undo and redo.
    bool Undo(long now);
    bool Redo(long now);
    bool Waiting() const { return waiting_; }
    // Whether the lesson stands at a question: the press goes on once it is answered (then call
    // Answered) or the lecturer presses Next, which reveals it.
    bool Held() const { return held_; }
    void Answered(long now);
    // After every tick of the lesson: a wait that is over lets the steps go on.
    void AfterTick(long now);
    // The wait under way, run to its end at once, and the steps after it up to the next stop.
    void Finish(long now);
    // After any event: a wait with the timer asleep (nothing moves, nothing owed) would never
    // end by itself, and is run to its end at once; while paused it waits for the lecturer.
    void Settle(long now);
    bool AtEnd() const { return next_ >= script_.steps.size() && !waiting_; }
    // Steps run so far, out of Script().steps.size().
    std::size_t Position() const { return next_; }
    // Where the lesson stands, for the lecturer: "Count to infinity: step 3 of 14".
    std::string Progress() const;

private:
    std::string Shown(const std::string& text) const;
    // Where a press began: its first step, the lesson's moment and the caption before it.
    struct Mark {
        std::size_t step;
        Demonstration::Moment moment;
        std::string caption;
        std::string detail;
    };
    // Runs the press's steps up to its end or a wait, and notes where that left undo.
    void Run(long now);
    void RunSteps(long now);
    bool WaitOver() const;

    Demonstration& demonstration_;
    LessonScript script_;
    bool playing_ = false;
    std::size_t next_ = 0;
    std::string caption_;
    std::string detail_;
    bool waiting_ = false;
    bool held_ = false;
    LessonScript::Step wait_;
    long waitFrom_ = 0;        // the tick the wait began at
    std::size_t pressEnd_ = 0; // the step this press stops before
    std::vector<Mark> marks_;
    long pressEndPosition_ = 0; // the undo position the last press (or step back) left
    long backs_ = 0;            // presses undone with Ctrl+Z that Ctrl+Y may press again
};
