#include "session/LessonPlayer.h"

#include "packets/PacketMotion.h"
#include "session/BuiltInLessons.h"

#include "common/Translate.h"

#include <algorithm>

bool LessonPlayer::Record(long now) {
    if (playing_) {
        demonstration_.State().Label2.caption = Translate(
            "Not recording: a lesson is playing (\"Lesson: end it\" in the menu ends it)");
        return false;
    }
    demonstration_.StartRecording(now);
    return true;
}

bool LessonPlayer::Start(const LessonScript& script, long now) {
    if (demonstration_.Recording()) {
        demonstration_.State().Label2.caption = Translate(
            "No lesson started: recording (Ctrl+Shift+R stops it and saves the recording)");
        return false;
    }
    script_ = script;
    demonstration_.StartLesson(script_, now);
    playing_ = true;
    next_ = 0;
    waiting_ = false;
    marks_.clear();
    held_ = false;
    caption_ = script_.title;
    detail_.clear();
    pressEndPosition_ = demonstration_.UndoPosition();
    backs_ = 0;
    return true;
}

void LessonPlayer::Next(long now) {
    if (!playing_) {
        return;
    }
    if (held_) {
        // The lecturer reveals the answer, and the press goes on.
        demonstration_.Reveal(now);
        Answered(now);
        return;
    }
    if (waiting_) {
        Finish(now);
        return;
    }
    if (AtEnd()) {
        if (const std::optional<LessonScript> after = BuiltInLessons::After(script_)) {
            Start(*after, now);
        }
        return;
    }
    marks_.push_back({next_, demonstration_.Here(), caption_, detail_});
    // How the last question fared belongs to the press that asked it.
    demonstration_.ForgetAnswer();
    pressEnd_ = script_.PressEnd(next_);
    backs_ = 0;
    // Each press shows its own caption, or none: never one the screen no longer matches.
    caption_.clear();
    detail_.clear();
    Run(now);
}

bool LessonPlayer::Back(long now) {
    if (!playing_ || marks_.empty()) {
        return false;
    }
    const Mark mark = marks_.back();
    marks_.pop_back();
    waiting_ = false;
    held_ = false;
    demonstration_.GoBack(mark.moment, now);
    next_ = mark.step;
    caption_ = mark.caption;
    detail_ = mark.detail;
    pressEndPosition_ = demonstration_.UndoPosition();
    backs_ = 0;
    return true;
}

bool LessonPlayer::Undo(long now) {
    if (playing_ && !marks_.empty() && demonstration_.UndoPosition() == pressEndPosition_) {
        const long backs = backs_;
        Back(now);
        backs_ = backs + 1;
        return true;
    }
    return demonstration_.Undo(now);
}

bool LessonPlayer::Redo(long now) {
    if (playing_ && backs_ > 0 && demonstration_.UndoPosition() == pressEndPosition_) {
        const long backs = backs_;
        Next(now);
        Finish(now);
        backs_ = backs - 1;
        return true;
    }
    return demonstration_.Redo(now);
}

void LessonPlayer::Run(long now) {
    RunSteps(now);
    pressEndPosition_ = demonstration_.UndoPosition();
}

void LessonPlayer::RunSteps(long now) {
    using Kind = LessonScript::Step::Kind;
    while (next_ < pressEnd_) {
        const LessonScript::Step& step = script_.steps[next_++];
        switch (step.kind) {
        case Kind::Act:
            demonstration_.Act(step.action, now);
            break;
        case Kind::Extra:
            demonstration_.Do(step.extra, step.value, now);
            break;
        case Kind::Caption:
            if (!step.caption.empty()) {
                caption_ = step.caption;
                detail_ = step.detail;
            }
            break;
        case Kind::Predict:
            if (const std::optional<std::string> refused = demonstration_.Ask(step, now)) {
                // Asked where its answer is no fact of the demonstration: the step is a caption
                // saying why (and where the press has a caption of its own, the line under it).
                caption_ = *refused;
                detail_.clear();
                break;
            }
            held_ = true;
            return;
        case Kind::Wait:
            waiting_ = true;
            wait_ = step;
            waitFrom_ = demonstration_.TickNumber();
            if (WaitOver()) {
                waiting_ = false;
                continue;
            }
            return;
        }
    }
}

bool LessonPlayer::WaitOver() const {
    const long waited = demonstration_.TickNumber() - waitFrom_;
    if (wait_.until == LessonScript::Step::Until::Ticks) {
        return waited >= wait_.ticks;
    }
    // One tick at least: what an action owes (a triggered update) is found on the tick after it.
    return (waited > 0 && demonstration_.Quiet()) ||
           waited >= kLongestQuietHops * PacketMotion::kArrivalTick;
}

void LessonPlayer::AfterTick(long now) {
    if (waiting_ && WaitOver()) {
        waiting_ = false;
        Run(now);
    }
}

void LessonPlayer::Finish(long now) {
    while (waiting_) {
        demonstration_.RunTicks(1, now);
        AfterTick(now);
    }
}

void LessonPlayer::Answered(long now) {
    if (held_ && !demonstration_.Asking()) {
        held_ = false;
        Run(now);
    }
}

void LessonPlayer::Settle(long now) {
    if (held_) {
        Answered(now); // where the question went as the window changed under it
        return;
    }
    if (waiting_ && !demonstration_.Paused() && !demonstration_.NextTick(now)) {
        Finish(now);
    }
}

bool LessonPlayer::CanGoOn() const {
    return playing_ && (!AtEnd() || BuiltInLessons::After(script_).has_value());
}

std::string LessonPlayer::Progress() const {
    const std::string title = Shown(script_.title);
    if (AtEnd()) {
        const std::optional<LessonScript> after = BuiltInLessons::After(script_);
        return after ? Translate("{lesson}: the end; next, \"{next}\"",
                                 {{"lesson", title}, {"next", Shown(after->title)}})
                     : Translate("{lesson}: the end", {{"lesson", title}});
    }
    const MessageArguments arguments = {{"lesson", title},
                                        {"step", std::to_string(marks_.size())},
                                        {"steps", std::to_string(script_.Presses())}};
    return held_      ? Translate("{lesson}: step {step} of {steps}, a question", arguments)
           : waiting_ ? Translate("{lesson}: step {step} of {steps}, running", arguments)
                      : Translate("{lesson}: step {step} of {steps}", arguments);
}

std::string LessonPlayer::Shown(const std::string& text) const {
    // A built-in lesson speaks the program's language; a lesson file its lecturer's.
    const std::vector<LessonScript>& builtIn = BuiltInLessons::All();
    return std::find(builtIn.begin(), builtIn.end(), script_) != builtIn.end() ? Translate(text)
                                                                               : text;
}

std::string LessonPlayer::ShownCaption() const {
    return Shown(caption_);
}

std::string LessonPlayer::ShownDetail() const {
    return Shown(detail_);
}
