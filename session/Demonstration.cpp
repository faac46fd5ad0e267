#include "session/Demonstration.h"

#include "app/AccessibleText.h"
#include "app/MainForm.h"
#include "common/Translate.h"
#include "files/FileWords.h"
#include "form/Layout.h"
#include "packets/PacketRecord.h"

#include <algorithm>

Demonstration::Demonstration(MainForm& form)
    : form_(form), history_(form.State()), log_(form.State(), form.Runtime()),
      convergence_(form.State(), form.Runtime()), timer_(form), quiz_(form.State()) {}

void Demonstration::Refresh() {
    log_.Refresh();
    convergence_.Refresh();
}

void Demonstration::SetRule(RipControl::Rule rule, bool on, long now) {
    Act(Action::Rule(static_cast<int>(rule), on), now);
}

void Demonstration::SetAllRules(bool on, long now) {
    Act(Action::Rule(Action::kAllRules, on), now);
}

void Demonstration::SetHoldDownSeconds(int seconds, long now) {
    Act(Action::HoldDown(seconds), now);
}

bool Demonstration::RuleOn(RipControl::Rule rule) const {
    return RipControl::IsOn(State().Rip.on, rule);
}

int Demonstration::HoldDownSeconds() const {
    return State().Rip.on.holdDownSeconds;
}

Snapshot Demonstration::Capture() const {
    return Snapshot::Capture(form_, timer_.CurrentSpeed());
}

void Demonstration::Open(const Snapshot& demonstration, long now) {
    Begin(now);
    CloseQuestion();
    quiz_.ClearMarks();
    KeepForUndo(Translate("opening of a demonstration"));
    demonstration.ApplyTo(form_);
    timer_.Restart(demonstration.speed, now);
    log_.ClearMarks();
    Refresh();
}

void Demonstration::StartLesson(const LessonScript& script, long now) {
    Begin(now);
    CloseQuestion();
    quiz_.ClearMarks();
    KeepForUndo(Translate("start of lesson \"{lesson}\"", {{"lesson", script.title}}));
    if (script.demonstration) {
        script.demonstration->ApplyTo(form_);
        timer_.Restart(script.demonstration->speed, now);
    } else {
        form_.LoadAfresh();
        form_.Random().Seed(LessonScript::kSeed);
        State().cmbSims.text = script.scenario;
        form_.cmbSims_Click();
        if (script.splitHorizons) {
            Action::Split(true).Perform(form_);
        }
        for (const RipControl::RuleName& rule : RipControl::kRules) {
            if (RipControl::IsOn(script.rules, rule.rule)) {
                form_.Rip().Set(rule.rule, true);
            }
        }
        State().Rip.on.holdDownSeconds = script.rules.holdDownSeconds;
        // The record of what came before is no part of the lesson.
        State().Label2.caption.clear();
        timer_.Restart(Speed::Normal, now);
    }
    log_.SetHighlight(Highlight::Off);
    log_.ClearMarks();
    convergence_.Show(false);
    Refresh();
}

FormState& Demonstration::State() {
    return form_.State();
}

const FormState& Demonstration::State() const {
    return form_.State();
}

void Demonstration::Begin(long now) {
    timer_.CatchUp(now);
    log_.SetNow(now);
}

void Demonstration::Act(const Action& action, long now) {
    Begin(now);
    CloseQuestion();
    Record(LessonScript::Step::Do(action));
    KeepForUndo(action.Describe(State()));
    const bool cost = action.control == Action::Control::Cost;
    const std::string before = cost ? State().lblCost[action.index].caption : std::string();
    action.Perform(form_);
    if (cost && State().lblCost[action.index].caption != before) {
        const MessageArguments change = {
            {"cost", AccessibleText::CostName(action.index)},
            {"value", AccessibleText::CostValue(State().lblCost[action.index].caption)}};
        log_.Note(action.button == MouseButton::kLeft
                      ? Translate("{cost} raised to {value}", change)
                      : Translate("{cost} lowered to {value}", change));
    }
    Refresh();
}

void Demonstration::KeepForUndo(std::string what) {
    history_.BeforeAction(std::move(what));
    ++undoPosition_;
    ++recordedUndos_;
    recordedRedos_ = 0;
}

bool Demonstration::Travel(bool undo) {
    const std::optional<std::string> what = undo ? history_.Undo() : history_.Redo();
    if (!what) {
        return false;
    }
    undoPosition_ += undo ? -1 : 1;
    recordedUndos_ += undo ? -1 : 1;
    recordedRedos_ += undo ? 1 : -1;
    const std::string said = undo ? Translate("Undone: {action}", {{"action", *what}})
                                  : Translate("Redone: {action}", {{"action", *what}});
    State().Label2.caption = said;
    log_.Note(said);
    log_.ClearMarks();
    quiz_.ClearMarks();
    convergence_.Refresh();
    return true;
}

Demonstration::Speed Demonstration::SpeedOf(Extras::Id extra) {
    const std::string_view word = Extras::Of(extra).step.word;
    for (std::size_t i = 0; i < FileWords::kSpeeds.size(); ++i) {
        if (FileWords::kSpeeds[i] == word) {
            return FileWords::kSpeedValues[i];
        }
    }
    return Speed::Normal;
}

bool Demonstration::Do(Extras::Id extra, long value, long now) {
    using Id = Extras::Id;
    const bool speed = Extras::Of(extra).kind == Extras::Kind::Speed;
    if (speed) {
        log_.SetNow(now); // the timer makes up the ticks skipped at the old speed itself
    } else {
        Begin(now);
    }
    const bool can = extra == Id::Undo       ? CanUndo()
                     : extra == Id::Redo     ? CanRedo()
                     : extra == Id::StepTick ? form_.CanStep()
                                             : Extras::Recorded(extra);
    if (!can) {
        return false;
    }
    if (Extras::Of(extra).acts) {
        CloseQuestion();
    }
    Record(LessonScript::Step::Of(extra, value));
    if (speed) {
        timer_.SetSpeed(SpeedOf(extra), now);
        return true;
    }
    switch (extra) {
    case Id::Undo:
    case Id::Redo:
        return Travel(extra == Id::Undo);
    case Id::StepTick:
        KeepForUndo(value == 1
                        ? Translate("step of one tick")
                        : TranslateCount("step of {count} tick", "step of {count} ticks", value));
        form_.StepTicks(static_cast<int>(value));
        // The ticks stepped are the step's own, not a wait before the next.
        recordedTick_ = TickNumber();
        Refresh();
        break;
    case Id::Highlight:
        log_.SetHighlight(ChangeLog::Next(log_.CurrentHighlight()));
        break;
    case Id::ShortestPaths:
        convergence_.Show(value != 0);
        break;
    case Id::Projector:
        projector_ = value != 0;
        break;
    default:
        break;
    }
    return true;
}

std::optional<long> Demonstration::Tick(long now) {
    log_.SetNow(now);
    if (Asking() || Held()) {
        return std::nullopt;
    }
    const bool running = timer_.Fire(now);
    Refresh();
    return running ? std::optional<long>(timer_.Interval()) : std::nullopt;
}

std::optional<long> Demonstration::NextTick(long now) {
    if (Asking() || Held()) {
        return std::nullopt;
    }
    return timer_.Next(now);
}

void Demonstration::SetSpeed(Speed speed, long now) {
    for (const Extras::Entry& entry : Extras::kEntries) {
        if (entry.kind == Extras::Kind::Speed && SpeedOf(entry.id) == speed) {
            Do(entry.id, 0, now);
        }
    }
}

std::optional<long> Demonstration::NextFrameChange(long now) const {
    std::optional<long> at = log_.MarksRunOutAt();
    if (log_.CurrentHighlight() == Highlight::UntilNextTick && log_.HasMarks()) {
        if (const std::optional<long> tick = timer_.NextSleptTick()) {
            at = at ? std::min(*at, *tick) : *tick;
        }
    }
    return at ? std::optional<long>(std::max(0L, *at - now)) : std::nullopt;
}

void Demonstration::RefreshFrames(long now) {
    Begin(now);
    Refresh();
}

Demonstration::Moment Demonstration::Here() const {
    return {history_.Save(), undoPosition_, TickNumber(), form_.Random().Where(),
            timer_.CurrentSpeed()};
}

void Demonstration::GoBack(const Moment& moment, long now) {
    Begin(now);
    CloseQuestion();
    // The log says what going back undid.
    const long undone = undoPosition_ - moment.undoPosition;
    const std::vector<std::string> whats =
        history_.Newest(static_cast<std::size_t>(std::max(0L, undone)));
    std::string undoneList;
    for (const std::string& what : whats) {
        undoneList += (undoneList.empty() ? "" : ", ") + what;
    }
    log_.Note(whats.empty()
                  ? Translate("Back one step")
                  : Translate("Back one step: undone {actions}", {{"actions", undoneList}}));
    history_.Restore(moment.history);
    quiz_.ClearMarks();
    undoPosition_ = moment.undoPosition;
    form_.Runtime().TickNumber = moment.tick;
    form_.Random().GoTo(moment.random);
    timer_.Restart(moment.speed, now);
    log_.ClearMarks();
    Refresh();
}

void Demonstration::RunTicks(long ticks, long now) {
    Begin(now);
    form_.Advance(ticks);
    Refresh();
}

void Demonstration::Settle(long now) {
    Begin(now);
    form_.Settle();
    Refresh();
}

bool Demonstration::Quiet() const {
    return form_.Quiet();
}

bool Demonstration::Paused() const {
    return State().Command3.caption == Layout::kResume;
}

long Demonstration::TickNumber() const {
    return form_.Runtime().TickNumber;
}

void Demonstration::StartRecording(long now) {
    Begin(now);
    recording_ = LessonScript{};
    recording_->title = "Recorded lesson";
    recording_->demonstration = Capture();
    recording_->scenario = State().cmbSims.text;
    recordedTick_ = TickNumber();
    recordedUndos_ = 0;
    recordedRedos_ = 0;
}

void Demonstration::Record(LessonScript::Step step) {
    if (!recording_) {
        return;
    }
    AddWait(*recording_);
    recordedTick_ = TickNumber();
    const bool acts = step.Acts();
    recording_->steps.push_back(std::move(step));
    if (acts) {
        // A caption to be written in by hand, for what the action shows.
        recording_->steps.push_back(LessonScript::Step::Say(""));
    }
}

void Demonstration::AddWait(LessonScript& script) const {
    const long ticks = TickNumber() - recordedTick_;
    if (ticks <= 0) {
        return;
    }
    // The ticks the lecturer let run after an action belong to it: its caption comes after
    // them, so that a replay shows the caption once what the action set moving has played out.
    std::vector<LessonScript::Step>& steps = script.steps;
    const bool captionLast =
        !steps.empty() && steps.back().kind == LessonScript::Step::Kind::Caption;
    steps.insert(captionLast ? steps.end() - 1 : steps.end(), LessonScript::Step::WaitTicks(ticks));
}

LessonScript Demonstration::Recorded() const {
    if (!recording_) {
        return {};
    }
    LessonScript recorded = *recording_;
    AddWait(recorded);
    return recorded;
}

LessonScript Demonstration::StopRecording() {
    LessonScript recorded = Recorded();
    recording_.reset();
    return recorded;
}

void Demonstration::HoldAnswer() {
    const std::optional<Question>& shown = quiz_.Answered();
    holdFrom_ = TickNumber() + (shown ? shown->Arrives() : 0);
}

void Demonstration::CloseQuestion() {
    holdFrom_.reset();
    if (quiz_.Drop()) {
        log_.Note(Translate("Question left unanswered"));
    }
}

std::optional<std::string> Demonstration::Ask(const LessonScript::Step& step, long now) {
    std::vector<int> networks;
    for (const char letter : step.networks) {
        networks.push_back(letter - 'a');
    }
    Question::Attempt attempt =
        step.rounds ? Question::Rounds(form_, step.router, networks.empty() ? 0 : networks.front())
                    : Question::Table(form_, step.router, std::move(networks));
    if (Ask(std::move(attempt.question), now)) {
        return std::nullopt;
    }
    log_.Note(attempt.refused);
    quiz_.Refuse(attempt.refused);
    return attempt.refused;
}

bool Demonstration::Ask(std::optional<Question> question, long now) {
    Begin(now);
    CloseQuestion();
    if (!question) {
        return false;
    }
    log_.Note(Translate("Asked: {question}", {{"question", question->Prompt()}}));
    quiz_.Ask(std::move(*question));
    return true;
}

void Demonstration::Answer(const std::vector<std::string>& cells, long now) {
    Begin(now);
    for (std::string& line : quiz_.Answer(cells)) {
        log_.Note(std::move(line));
    }
    timer_.Restart(timer_.CurrentSpeed(), now);
}

void Demonstration::Reveal(long now) {
    Begin(now);
    for (std::string& line : quiz_.Reveal()) {
        log_.Note(std::move(line));
    }
    timer_.Restart(timer_.CurrentSpeed(), now);
}

bool Demonstration::MarkPrediction(long now) {
    for (const ShapeControl& marker : State().shpPacket) {
        const PacketRecord record = PacketRecord::Parse(marker.tag);
        if (marker.visible && record.kind == PacketRecord::kTable) {
            const int router = RouterIndex(record.destination);
            if (router < 0) {
                continue;
            }
            const LessonScript::Step step = LessonScript::Step::Predict(router);
            if (Ask(step, now)) {
                return false;
            }
            Record(step);
            return true;
        }
    }
    Begin(now);
    CloseQuestion();
    const std::string why = Translate("Not asked: no table is on its way to predict");
    log_.Note(why);
    quiz_.Refuse(why);
    return false;
}
