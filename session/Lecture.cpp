#include "session/Lecture.h"

#include "common/Translate.h"

#include "app/Convergence.h"
#include "app/RipControl.h"
#include "app/Scenarios.h"
#include "files/DemonstrationFile.h"
#include "files/LessonFile.h"
#include "files/TableExport.h"
#include "form/FormState.h"
#include "packets/PacketMotion.h"

#include <cstddef>
#include <iterator>
#include <utility>

Lecture::Next Lecture::Tick(long now) {
    Next next;
    next.tick = demonstration_.Tick(now);
    if (player_.Waiting()) {
        player_.AfterTick(now);
        next.stepsRan = !player_.Waiting();
    }
    if (next.stepsRan || !next.tick) {
        const Next settled = Settle(now);
        if (next.stepsRan || settled.stepsRan) {
            next.tick = settled.tick;
            next.stepsRan = true;
        }
    }
    next.frame = demonstration_.NextFrameChange(now);
    return next;
}

Lecture::Next Lecture::Settle(long now) {
    Next next;
    if (player_.Waiting()) {
        player_.Settle(now);
        next.stepsRan = !player_.Waiting();
    }
    next.tick = demonstration_.NextTick(now);
    next.frame = demonstration_.NextFrameChange(now);
    return next;
}

const char* Lecture::JobName(Job job) {
    static constexpr const char* kNames[] = {"",
                                             "log",
                                             "copy picture",
                                             "save picture",
                                             "enter full screen",
                                             "full screen",
                                             "black screen",
                                             "hold-down time",
                                             "help",
                                             "open",
                                             "save demonstration",
                                             "save recording",
                                             "export log",
                                             "export tables",
                                             "hall follows",
                                             "relay"};
    static_assert(std::size(kNames) == static_cast<std::size_t>(Job::AskRelay) + 1);
    return kNames[static_cast<std::size_t>(job)];
}

std::optional<long> Lecture::Frames(long now) {
    demonstration_.RefreshFrames(now);
    return demonstration_.NextFrameChange(now);
}

namespace {

using Extras::Id;

// The RIP rule an extra switches, if it is one.
std::optional<RipControl::Rule> RuleOf(Id id) {
    using Rule = RipControl::Rule;
    switch (id) {
    case Id::Infinity16:
        return Rule::Infinity;
    case Id::PeriodicUpdates:
        return Rule::Periodic;
    case Id::TriggeredUpdates:
        return Rule::Triggered;
    case Id::HoldDown:
        return Rule::HoldDown;
    case Id::SimpleSplit:
        return Rule::SimpleSplit;
    case Id::TimeoutOnly:
        return Rule::TimeoutOnly;
    default:
        return std::nullopt;
    }
}

// The practice level an extra starts, from 1.
int LevelOf(Id id) {
    return static_cast<int>(id) - static_cast<int>(Id::PracticeLevel1) + 1;
}

// What the front end does for an extra the lecture leaves wholly to it.
Lecture::Job FrontEndsJob(Id id) {
    using Job = Lecture::Job;
    constexpr std::pair<Id, Job> kJobs[] = {
        {Id::Log, Job::ToggleLog},
        {Id::CopyPicture, Job::CopyPicture},
        {Id::SavePicture, Job::SavePicture},
        {Id::EnterFullScreen, Job::EnterFullScreen},
        {Id::FullScreen, Job::ToggleFullScreen},
        {Id::BlackScreen, Job::BlackScreen},
        {Id::HoldDownTime, Job::AskHoldDownTime},
        {Id::Help, Job::Help},
        {Id::OpenFile, Job::AskOpen},
        {Id::SaveDemonstration, Job::AskSaveDemonstration},
        {Id::ExportLog, Job::AskExportLog},
        {Id::ExportTables, Job::AskExportTables},
        {Id::HallFollows, Job::HallFollows},
        {Id::HallRelay, Job::AskRelay},
    };
    for (const auto& [extra, job] : kJobs) {
        if (extra == id) {
            return job;
        }
    }
    return Job::None;
}

} // namespace

Lecture::Job Lecture::Do(Extras::Id id, long now) {
    if (Extras::Recorded(id) && id != Id::Undo && id != Id::Redo) {
        // A switch turns over; a step of ticks is one tick.
        const Extras::Entry& entry = Extras::Of(id);
        const long value = entry.step.value == Extras::Value::Switch  ? (Extra(id).checked ? 0 : 1)
                           : entry.step.value == Extras::Value::Count ? 1
                                                                      : 0;
        demonstration_.Do(id, value, now);
        return Job::None;
    }
    if (const std::optional<RipControl::Rule> rule = RuleOf(id)) {
        demonstration_.SetRule(*rule, !demonstration_.RuleOn(*rule), now);
        return Job::None;
    }
    switch (id) {
    case Id::StepHop:
        demonstration_.Step(PacketMotion::kArrivalTick, now);
        break;
    case Id::AllOfRip:
        demonstration_.SetAllRules(!AllRulesOn(), now);
        break;
    case Id::ThreeRouterLoop:
        demonstration_.Act(Action::Choose(Scenarios::kDemonstrations[0]), now);
        break;
    case Id::HoldDownDemo:
        demonstration_.Act(Action::Choose(Scenarios::kDemonstrations[1]), now);
        break;
    case Id::Undo:
        player_.Undo(now);
        break;
    case Id::Redo:
        player_.Redo(now);
        break;
    case Id::NextStep:
        if (Practising()) {
            PracticeNext(now);
        } else if (player_.Playing()) {
            player_.Next(now);
        } else {
            demonstration_.Reveal(now); // the lecturer's own question
        }
        break;
    case Id::MarkPrediction:
        demonstration_.MarkPrediction(now);
        break;
    case Id::PracticeLevel1:
    case Id::PracticeLevel2:
    case Id::PracticeLevel3:
        // A fresh seed from the time; a shared one comes through the start options.
        Practise(LevelOf(id), 1 + static_cast<std::uint64_t>(now) % Practice::kMostSeed, now);
        break;
    case Id::PreviousStep:
        player_.Back(now);
        break;
    case Id::EndLesson:
        player_.Stop();
        practice_.reset();
        break;
    case Id::RecordLesson:
        if (demonstration_.Recording()) {
            return Job::AskSaveRecording;
        }
        player_.Record(now);
        break;
    default:
        break;
    }
    return FrontEndsJob(id);
}

Lecture::ExtraState Lecture::Extra(Extras::Id id) const {
    ExtraState state;
    state.label = Translate(Extras::kEntries[static_cast<std::size_t>(id)].name);
    if (Extras::Of(id).kind == Extras::Kind::Speed) {
        state.checked = demonstration_.CurrentSpeed() == ::Demonstration::SpeedOf(id);
    } else if (const std::optional<RipControl::Rule> rule = RuleOf(id)) {
        state.checked = demonstration_.RuleOn(*rule);
    }
    switch (id) {
    case Id::Highlight:
        state.label =
            Translate("Highlight changed rows (now {choice})",
                      {{"choice", Translate(ChangeLog::Name(demonstration_.CurrentHighlight()))}});
        break;
    case Id::HoldDownTime:
        state.label = Translate("RIP: hold-down time (now {seconds} s)...",
                                {{"seconds", std::to_string(demonstration_.HoldDownSeconds())}});
        break;
    case Id::RecordLesson:
        state.label =
            demonstration_.Recording() ? Translate("Stop recording") : Translate("Record lesson");
        break;
    case Id::Undo:
        state.enabled = demonstration_.CanUndo();
        break;
    case Id::Redo:
        state.enabled = demonstration_.CanRedo();
        break;
    case Id::NextStep:
        state.enabled = player_.CanGoOn() || Practising() != nullptr || demonstration_.Asking();
        break;
    case Id::PracticeLevel1:
    case Id::PracticeLevel2:
    case Id::PracticeLevel3:
        state.label =
            Translate("{extra}: {level}", {{"extra", state.label},
                                           {"level", Translate(Practice::LevelName(LevelOf(id)))}});
        break;
    case Id::MarkPrediction:
        state.enabled = !demonstration_.Asking();
        break;
    case Id::PreviousStep:
        state.enabled = player_.Playing() && player_.Position() > 0;
        break;
    case Id::EndLesson:
        state.enabled = player_.Playing() || Practising() != nullptr;
        break;
    case Id::AllOfRip:
        state.checked = AllRulesOn();
        break;
    case Id::ShortestPaths:
        state.checked = demonstration_.ShortestPathsShown();
        break;
    case Id::Projector:
        state.checked = demonstration_.Projector();
        break;
    case Id::HallFollows:
        state.checked = hallFollowing_;
        break;
    default:
        break;
    }
    return state;
}

void Lecture::Practise(int level, std::uint64_t seed, long now) {
    player_.Stop();
    practice_.emplace(level, seed);
    practice_->Ask(demonstration_, now);
}

const Practice* Lecture::Practising() const {
    return practice_ && !player_.Playing() ? &*practice_ : nullptr;
}

void Lecture::PracticeNext(long now) {
    if (demonstration_.Asking()) {
        demonstration_.Reveal(now);
        practice_->Revealed();
        demonstration_.HoldAnswer();
    } else {
        practice_->Ask(demonstration_, now);
    }
}

void Lecture::Answer(const std::vector<std::string>& cells, long now) {
    if (!demonstration_.Asking()) {
        return;
    }
    demonstration_.Answer(cells, now);
    if (Practising() && demonstration_.Questions().Graded()) {
        practice_->Count(*demonstration_.Questions().Graded());
        demonstration_.HoldAnswer();
    }
    player_.Answered(now);
}

bool Lecture::AllRulesOn() const {
    for (const RipControl::RuleName& rule : RipControl::kRules) {
        if (!demonstration_.RuleOn(rule.rule)) {
            return false;
        }
    }
    return true;
}

Lecture::NumberQuestion Lecture::HoldDownQuestion() const {
    return {Translate("RIP: hold-down time"),
            Translate("Seconds a route gone unreachable refuses every offer:"),
            demonstration_.HoldDownSeconds(), 1, RipSwitches::kMostHoldDownSeconds};
}

Lecture::Strip Lecture::CaptionStrip(bool page) const {
    Strip strip;
    const Quiz& quiz = demonstration_.Questions();
    const std::string said = quiz.Caption(); // of the question asked, or its answer
    const bool asking = demonstration_.Asking();
    const Practice* practice = Practising();
    if (asking || practice != nullptr) {
        strip.pad = Question::PadKeys();
        strip.answering = asking;
    }
    const std::string reveal = asking ? Translate("Enter checks  \u2022  Page Down: reveal") : "";
    // The student's longer lines are left out in the hall's look.
    const bool hall = demonstration_.Projector();
    if (practice != nullptr) {
        strip.keys = practice->Status() + "  \u2022  " +
                     (asking ? reveal : Translate("Page Down: next question"));
    } else if (player_.Playing()) {
        strip.caption = player_.ShownCaption();
        strip.detail = hall ? "" : player_.ShownDetail();
        strip.keys =
            player_.Progress() + "  \u2022  " +
            (asking              ? reveal
             : player_.CanGoOn() ? Translate("Page Down or \u2192: next   Page Up or \u2190: back")
                                 : Translate("Page Up or \u2190: back"));
    } else if (demonstration_.Recording()) {
        // While recording, the strip says so, lest a lecturer forget it is on.
        const long actions = demonstration_.Recorded().Actions();
        strip.caption = TranslateCount("Recording: {count} action so far",
                                       "Recording: {count} actions so far", actions);
        const Extras::Entry& record = Extras::Of(Id::RecordLesson);
        strip.keys = Translate("{keys} or \u201cStop recording\u201d in the menu saves the lesson",
                               {{"keys", page ? Extras::PageKeys(record) : record.keys}});
    }
    if (!said.empty()) {
        if (asking || !player_.Playing()) {
            // The question, or in practice its grading, in the caption's place.
            strip.caption = said;
            strip.detail = hall && player_.Playing() ? "" : quiz.Detail();
        } else {
            // A lesson goes on to its own caption; how the answer fared stands under it, in the
            // hall's look too (the count revealed is nowhere else on the screen).
            const std::string why = quiz.Detail();
            strip.detail =
                why.empty() ? said : Translate("{answer}. {why}", {{"answer", said}, {"why", why}});
        }
        if (strip.keys.empty()) {
            strip.keys = reveal;
        }
    }
    strip.shown =
        practice != nullptr || player_.Playing() || demonstration_.Recording() || !said.empty();
    return strip;
}

Lecture::Meter Lecture::Corner() const {
    Meter meter;
    const bool paths = demonstration_.ShortestPathsShown();
    meter.rules = RipControl::Summary(demonstration_.State().Rip.on);
    meter.shown = paths || !meter.rules.empty();
    if (paths) {
        const Convergence& convergence = demonstration_.Meter();
        const int since = convergence.TablesSinceChange();
        meter.state = convergence.Converged() ? Translate("Converged") : Translate("Not converged");
        meter.since = TranslateCount("{count} table since a table last changed",
                                     "{count} tables since a table last changed", since);
    }
    return meter;
}

void Lecture::Open(const HopscapeFile::Read& read, const std::string& name, long now) {
    practice_.reset();
    if (read.lesson) {
        player_.Start(*read.lesson, now);
    } else if (read.demonstration) {
        player_.Stop();
        demonstration_.Open(*read.demonstration, now);
    }
    for (const std::string& member : read.ignored) {
        demonstration_.Note(HopscapeFile::IgnoredLine(name, member));
    }
}

std::string Lecture::DemonstrationBytes() const {
    return HopscapeFile::Bytes(DemonstrationFile::ToJson(demonstration_.Capture()));
}

std::string Lecture::RecordingBytes() const {
    return HopscapeFile::Bytes(LessonFile::ToJson(demonstration_.Recorded()));
}

std::string Lecture::LogText() const {
    return TableExport::LogText(demonstration_.LogLines());
}

std::string Lecture::TablesCsv() const {
    return TableExport::Csv(demonstration_.State());
}
