#pragma once

#include "app/Action.h"
#include "app/ChangeLog.h"
#include "app/Convergence.h"
#include "app/History.h"
#include "app/IdleTimer.h"
#include "app/RipControl.h"
#include "app/Snapshot.h"
#include "common/RandomSource.h"
#include "files/LessonScript.h"
#include "session/Magnifier.h"
#include "session/Quiz.h"

#include <optional>
#include <string>
#include <vector>

class FormState;
class MainForm;

// The running demonstration as any front end sees it: the window's behaviour (MainForm) with the
// lecturer's extras round it, the undo history, the message log with its framed rows, and the
// timer that sleeps while nothing moves. A front end hands in what the lecturer does and when
// (milliseconds on any steady clock: time is handed in, never read), draws State(), and fires its
// timer and its frame timer after the delays it is given.
class Demonstration {
public:
    using Speed = IdleTimer::Speed;
    using Highlight = ChangeLog::Highlight;

    explicit Demonstration(MainForm& form);
    Demonstration(const Demonstration&) = delete;
    Demonstration& operator=(const Demonstration&) = delete;

    MainForm& Form() { return form_; }
    FormState& State();
    const FormState& State() const;

    // A click at `now`: the ticks the sleeping timer skipped first, then the window as it stands
    // is kept for undo, then the control's handler runs. A changed cost is written to the log.
    void Act(const Action& action, long now);
    // An extra that a lesson records and plays, as the menu, a key or a lesson's step gives it,
    // with its value (a switch's new state, a step's ticks). Returns false, changing and
    // recording nothing, where it cannot be done (nothing to undo or redo, a step while running).
    bool Do(Extras::Id extra, long value, long now);
    // The speed a speed's extra sets.
    static Speed SpeedOf(Extras::Id extra);
    // Each says on the status line and in the log what it undid or redid ("Undone: Update") and
    // clears the frames; false, changing nothing, when there is nothing to undo or redo.
    bool Undo(long now) { return Do(Extras::Id::Undo, 0, now); }
    bool Redo(long now) { return Do(Extras::Id::Redo, 0, now); }
    // While recording, only what was done since the recording began can be undone and redone: a
    // replay starts where the recording began, with nothing before it.
    bool CanUndo() const { return history_.CanUndo() && (!recording_ || recordedUndos_ > 0); }
    bool CanRedo() const { return history_.CanRedo() && (!recording_ || recordedRedos_ > 0); }
    // While the animation is paused: `ticks` ticks as one undoable action. While it runs, changes
    // nothing (and takes no undo level) and returns false.
    bool Step(int ticks, long now) { return Do(Extras::Id::StepTick, ticks, now); }

    // The timer fired at `now`: one tick. Returns the delay until it should fire next, or none
    // for a timer that stops (paused, or nothing left that a tick could change).
    std::optional<long> Tick(long now);
    // After any other event at `now`: the delay until the timer should fire, or none.
    std::optional<long> NextTick(long now);
    // Ticks fall at the new speed from `now` on.
    void SetSpeed(Speed speed, long now);
    Speed CurrentSpeed() const { return timer_.CurrentSpeed(); }
    // Milliseconds between ticks at the speed chosen.
    long Interval() const { return timer_.Interval(); }

    // The highlighting's next choice in turn (off, until the next tick, for three seconds, until
    // the next change).
    void CycleHighlight(long now) { Do(Extras::Id::Highlight, 0, now); }
    Highlight CurrentHighlight() const { return log_.CurrentHighlight(); }
    // When frames on changed rows run out while no tick will come to clear them (three seconds
    // over, or a tick the sleeping timer skips): the delay from `now`, or none.
    std::optional<long> NextFrameChange(long now) const;
    // Brings the frames up to date at `now`.
    void RefreshFrames(long now);
    // RIP's rules, each switched on or off (or all at once) as an undoable action.
    void SetRule(RipControl::Rule rule, bool on, long now);
    void SetAllRules(bool on, long now);
    void SetHoldDownSeconds(int seconds, long now);
    bool RuleOn(RipControl::Rule rule) const;
    int HoldDownSeconds() const;

    // The true costs beside the tables and the convergence meter, shown or not.
    void ShowShortestPaths(bool on, long now) { Do(Extras::Id::ShortestPaths, on ? 1 : 0, now); }
    bool ShortestPathsShown() const { return convergence_.Shown(); }
    const Convergence& Meter() const { return convergence_; }

    // The demonstration shown now, and opening one: the window shows it exactly, at its speed;
    // opening is one undo level.
    Snapshot Capture() const;
    void Open(const Snapshot& demonstration, long now);
    // Writes a line of the lecturer's own into the log ("ignored: packets[2].colour").
    void Note(std::string text) { log_.Note(std::move(text)); }

    // A lesson's start, as one undoable action: its demonstration, or a clean window (every link
    // mended, no packet, Many off, running at normal speed, highlighting and true costs off, the
    // random source seeded afresh) in its scenario, with the switches the start names.
    void StartLesson(const LessonScript& script, long now);

    // Where a lesson's step began: the window and its undo history, and what undo leaves to run
    // on (the tick, the random source, the speed).
    struct Moment {
        History::Saved history;
        long undoPosition = 0;
        long tick = 0;
        RandomSource::Position random;
        Speed speed = Speed::Normal;
    };
    Moment Here() const;
    // Back to a moment kept before, exactly; the status line says nothing of it, the log says
    // what it undid.
    void GoBack(const Moment& moment, long now);
    void ForgetHistory() { history_.Clear(); }
    // Levels kept for undo, less those undone, counted from the start: two equal positions
    // with nothing done between mean the window is where it was.
    long UndoPosition() const { return undoPosition_; }
    // Runs `ticks` ticks at once, paused or not, as the timer would have run them.
    void RunTicks(long ticks, long now);
    // Runs the ticks until nothing moves and nothing is owed (MainForm::Settle).
    void Settle(long now);
    // Whether no packet is on the screen and RIP owes no table (a clock may still run).
    bool Quiet() const;
    bool Paused() const;
    // The look for a hall's projector: larger, heavier table text, packets outlined.
    bool Projector() const { return projector_; }
    void SetProjector(bool on) { projector_ = on; }
    // The tables magnified beside the drawing, which a lecturer chooses as the look.
    Magnifier& Magnified() { return magnifier_; }
    const Magnifier& Magnified() const { return magnifier_; }
    long TickNumber() const;

    // Recording: from now on every action (undo, redo and steps while paused too), with the
    // ticks between as waits, and every extra the lesson can replay becomes a step, each action
    // followed by the ticks run after it and an empty caption to be written in.
    void StartRecording(long now);
    bool Recording() const { return recording_.has_value(); }
    // What has been recorded so far, the ticks since the last action included, and the same
    // with the recording stopped.
    LessonScript Recorded() const;
    LessonScript StopRecording();

    // Questions for the learners on what a table is about to show. While one is asked the
    // demonstration holds still (no tick falls); an answer, a reveal, or anything done that
    // changes the window closes it, and what it asked is written to the log. The rows answered
    // stay framed right or wrong until the next question, a step back or undo, another start, or
    // ForgetAnswer (a lesson's next press).
    // A lesson's question, asked of the window as it stands: none where it is asked, else why it
    // cannot be ("Not asked: no table is on its way, ..."), which the log keeps and the strip
    // says until the window next changes.
    std::optional<std::string> Ask(const LessonScript::Step& step, long now);
    // A question drawn for practice: false, saying nothing, where there was none to ask.
    bool Ask(std::optional<Question> question, long now);
    const Quiz& Questions() const { return quiz_; }
    bool Asking() const { return quiz_.Asked().has_value(); }
    // The learner's answer, cell by cell: graded, the rows framed right or wrong.
    void Answer(const std::vector<std::string>& cells, long now);
    void Reveal(long now);
    void ForgetAnswer() { quiz_.ClearMarks(); }
    // Practice's answer, once given or revealed, stands still where it was shown: the tables on
    // their way arrive, then no tick falls until the next question or anything done to the
    // window.
    void HoldAnswer();
    bool Held() const { return holdFrom_ && TickNumber() >= *holdFrom_; }
    // While recording: the table the first table on its way goes to becomes a question in the
    // recording, and is asked at once; false, saying why, where no table is on its way.
    bool MarkPrediction(long now);

    const std::vector<ChangeLog::Line>& LogLines() const { return log_.Lines(); }
    // What a row means and why; for a row a learner predicted, how the prediction fared and why.
    std::string ExplainRow(int router, int row) const {
        return quiz_.Explain(router, row).value_or(log_.Explain(router, row));
    }
    std::size_t LogLinesDropped() const { return log_.Dropped(); }

private:
    // Every event first makes up the ticks slept through and sets the log's clock.
    void Begin(long now);
    // After every event: what the frames and the true costs show.
    void Refresh();
    bool Travel(bool undo);

    MainForm& form_;
    History history_;
    ChangeLog log_;
    Convergence convergence_;
    IdleTimer timer_;
    bool projector_ = false;
    Magnifier magnifier_;
    Quiz quiz_;
    std::optional<long> holdFrom_; // the tick from which an answer shown holds still
    std::optional<LessonScript> recording_;
    long recordedTick_ = 0; // the tick of the last step recorded
    // Levels that undo and redo may reach since the recording began.
    long recordedUndos_ = 0;
    long recordedRedos_ = 0;
    long undoPosition_ = 0;
    // Keeps an undo level for an action about to change the window.
    void KeepForUndo(std::string what);
    // The question asked and the rows framed go as the window changes.
    void CloseQuestion();
    // Records a step, after the ticks since the last one as a wait.
    void Record(LessonScript::Step step);
    // Adds the ticks since the last step recorded to a recording, as a wait.
    void AddWait(LessonScript& script) const;
};
