#include "app/Lesson.h"

#include "app/AccessibleText.h"
#include "app/MainForm.h"

#include <algorithm>

Lesson::Lesson(MainForm& form)
    : form_(form), history_(form.State()), log_(form.State(), form.Runtime()),
      convergence_(form.State(), form.Runtime()), timer_(form) {}

void Lesson::Refresh() {
    log_.Refresh();
    convergence_.Refresh();
}

void Lesson::SetRule(RipControl::Rule rule, bool on, long now) {
    Act(Action::Rule(static_cast<int>(rule), on), now);
}

void Lesson::SetAllRules(bool on, long now) {
    Act(Action::Rule(Action::kAllRules, on), now);
}

void Lesson::SetHoldDownSeconds(int seconds, long now) {
    Act(Action::HoldDown(seconds), now);
}

bool Lesson::RuleOn(RipControl::Rule rule) const {
    return RipControl::IsOn(State().Rip.on, rule);
}

int Lesson::HoldDownSeconds() const {
    return State().Rip.on.holdDownSeconds;
}

void Lesson::ShowShortestPaths(bool on, long now) {
    Begin(now);
    convergence_.Show(on);
}

FormState& Lesson::State() {
    return form_.State();
}

const FormState& Lesson::State() const {
    return form_.State();
}

void Lesson::Begin(long now) {
    timer_.CatchUp(now);
    log_.SetNow(now);
}

void Lesson::Act(const Action& action, long now) {
    Begin(now);
    history_.BeforeAction(action.Describe(State()));
    const bool cost = action.control == Action::Control::Cost;
    const std::string before = cost ? State().lblCost[action.index].caption : std::string();
    action.Perform(form_);
    if (cost && State().lblCost[action.index].caption != before) {
        log_.Note(AccessibleText::CostName(action.index) +
                  (action.button == 1 ? " raised to " : " lowered to ") +
                  AccessibleText::CostValue(State().lblCost[action.index].caption));
    }
    Refresh();
}

bool Lesson::Undo(long now) {
    return Travel(true, now);
}

bool Lesson::Redo(long now) {
    return Travel(false, now);
}

bool Lesson::Travel(bool undo, long now) {
    Begin(now);
    const std::optional<std::string> what = undo ? history_.Undo() : history_.Redo();
    if (!what) {
        return false;
    }
    const std::string said = (undo ? "Undone: " : "Redone: ") + *what;
    State().Label2.caption = said;
    log_.Note(said);
    log_.ClearMarks();
    convergence_.Refresh();
    return true;
}

bool Lesson::Step(int ticks, long now) {
    Begin(now);
    if (!form_.CanStep()) {
        return false;
    }
    history_.BeforeAction(ticks == 1 ? "step of one tick"
                                     : "step of " + std::to_string(ticks) + " ticks");
    form_.StepTicks(ticks);
    Refresh();
    return true;
}

std::optional<long> Lesson::Tick(long now) {
    log_.SetNow(now);
    const bool running = timer_.Fire(now);
    Refresh();
    return running ? std::optional<long>(timer_.Interval()) : std::nullopt;
}

std::optional<long> Lesson::NextTick(long now) {
    const long next = timer_.Next(now);
    return next < 0 ? std::nullopt : std::optional<long>(std::max(0L, next));
}

std::optional<long> Lesson::SetSpeed(Speed speed, long now) {
    log_.SetNow(now);
    const long next = timer_.SetSpeed(speed, now);
    return next < 0 ? std::nullopt : std::optional<long>(next);
}

void Lesson::CycleHighlight(long now) {
    Begin(now);
    log_.SetHighlight(ChangeLog::Next(log_.CurrentHighlight()));
}

std::optional<long> Lesson::NextFrameChange(long now) const {
    std::optional<long> at = log_.MarksRunOutAt();
    if (log_.CurrentHighlight() == Highlight::UntilNextTick && log_.HasMarks()) {
        if (const std::optional<long> tick = timer_.NextSleptTick()) {
            at = at ? std::min(*at, *tick) : *tick;
        }
    }
    return at ? std::optional<long>(std::max(0L, *at - now)) : std::nullopt;
}

void Lesson::RefreshFrames(long now) {
    Begin(now);
    Refresh();
}
