#include "session/Follower.h"

#include "common/Fields.h"

#include "session/EventWords.h"
#include "session/Fingerprint.h"
#include "session/Hall.h"
#include "session/Quiz.h"
#include "session/Stream.h"

#include <vector>

Follower::Outcome Follower::Ask(std::string said) {
    Outcome outcome;
    outcome.said = std::move(said);
    outcome.ask = !asked_;
    asked_ = true;
    return outcome;
}

Follower::Outcome Follower::Take(std::string_view frame, long now) {
    const std::vector<std::string_view> lines = SplitLines(frame);
    if (lines.empty()) {
        return Ask("an empty frame");
    }
    EventWords head(lines.front(), 3);
    const std::string_view kind = head.Next("frame");
    const long number = head.Number("number", 0, Event::kLatest);
    const std::uint64_t print = head.Hex("fingerprint");
    head.End();
    if (head.Fault().empty() && kind != "frame" && kind != "snapshot") {
        head.Fail("unknown frame \"" + std::string(kind.substr(0, 24)) + "\"");
    }
    if (!head.Fault().empty()) {
        return Ask("a frame refused: " + head.Fault());
    }
    if (kind == "snapshot") {
        return Rebuild(frame, number, print, now);
    }
    if (!copy_ || number <= number_) {
        return {}; // before the first snapshot, or one already taken
    }
    if (number != number_ + 1) {
        return Ask("frame " + std::to_string(number) + " came after frame " +
                   std::to_string(number_));
    }
    std::vector<Event> events;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string fault;
        std::optional<Event> event = Event::Read(lines[i], fault);
        if (!event) {
            return Ask("frame " + std::to_string(number) + " refused: " + fault);
        }
        events.push_back(std::move(*event));
    }
    if (!events.empty() && events.front().time + offset_ < now - kFarBehind) {
        // Far behind (a phone asleep, a network that stalled): what waits plays at once.
        offset_ = now - events.front().time;
    }
    number_ = number;
    for (Event& event : events) {
        lastTime_ = event.time;
        const long time = event.time;
        waiting_.push_back({time, std::move(event), std::nullopt, number});
    }
    if (events.empty()) {
        waiting_.push_back({lastTime_, std::nullopt, print, number});
    } else {
        waiting_.back().print = print;
    }
    return {};
}

Follower::Outcome Follower::Rebuild(std::string_view snapshot, long number, std::uint64_t print,
                                    long now) {
    const std::vector<std::string_view> lines = SplitLines(snapshot);
    if (lines.size() < 2) {
        return Ask("a snapshot without its start");
    }
    const Replica::Start start = Replica::ReadStart(lines[1]);
    if (!start.fault.empty()) {
        return Ask("a snapshot refused: " + start.fault);
    }
    std::vector<Event> events;
    for (std::size_t i = 2; i < lines.size(); ++i) {
        std::string fault;
        std::optional<Event> event = Event::Read(lines[i], fault);
        if (!event) {
            return Ask("a snapshot refused: " + fault);
        }
        events.push_back(std::move(*event));
    }
    auto copy = std::make_unique<Replica>(start.options, start.seed, messages_);
    played_.assign(lines[1].data(), snapshot.data() + snapshot.size());
    if (played_.back() != '\n') {
        played_ += '\n';
    }
    for (const Event& event : events) {
        event.Apply(copy->Lecture());
        lastTime_ = event.time;
    }
    if (events.empty()) {
        lastTime_ = 0;
    }
    copy_ = std::move(copy);
    waiting_.clear();
    number_ = number;
    offset_ = now - lastTime_ + kBehind;
    asked_ = false;
    Outcome outcome;
    outcome.rebuilt = true;
    outcome.changed = true;
    if (Fingerprint::Of(copy_->Lecture()) != print) {
        outcome.said = "the snapshot replayed differs from the lecturer's";
    }
    return outcome;
}

Follower::Outcome Follower::Play(long now) {
    Outcome outcome;
    while (!waiting_.empty() && waiting_.front().time + offset_ <= now) {
        const Waiting next = std::move(waiting_.front());
        waiting_.pop_front();
        if (next.event) {
            const Event::Outcome applied = next.event->Apply(copy_->Lecture());
            Played(*next.event);
            outcome.changed = true;
            const bool timer =
                next.event->kind == Event::Kind::Tick || next.event->kind == Event::Kind::Frames;
            outcome.still = outcome.still || !timer || applied.next.stepsRan;
        }
        if (next.print && Fingerprint::Of(copy_->Lecture()) != *next.print) {
            waiting_.clear();
            Outcome asked = Ask("after frame " + std::to_string(next.frame) +
                                " this copy differs from the lecturer's");
            asked.changed = outcome.changed;
            asked.still = outcome.still;
            return asked;
        }
    }
    return outcome;
}

std::optional<long> Follower::Next(long now) const {
    if (waiting_.empty()) {
        return std::nullopt;
    }
    const long due = waiting_.front().time + offset_ - now;
    return due > 0 ? due : 0;
}

void Follower::Played(const Event& event) {
    if (played_.empty()) {
        return; // grown too long: no copy is made of the moment any more
    }
    played_ += event.Text();
    played_ += '\n';
    if (played_.size() > Stream::kLongest) {
        played_.clear();
    }
}

std::string Follower::Answer(std::vector<std::string> cells) {
    const Quiz* quiz = copy_ ? &copy_->Demonstration().Questions() : nullptr;
    if (quiz == nullptr || !quiz->Asked()) {
        return {};
    }
    answered_ = quiz->Number();
    given_ = std::move(cells);
    return Hall::Answer(answered_, given_);
}

Lecture::Strip Follower::Strip() const {
    if (!copy_) {
        return {};
    }
    const Lecture& lecture = copy_->Lecture();
    Lecture::Strip strip = lecture.CaptionStrip(true);
    const Quiz& quiz = copy_->Demonstration().Questions();
    const bool playing = lecture.Player().Playing();
    strip.keys = strip.answering ? "Check sends your answer to the lecturer"
                 : playing       ? lecture.Player().Progress()
                                 : "";
    if (answered_ != quiz.Number() || answered_ == 0) {
        return strip;
    }
    if (quiz.Asked()) {
        strip.keys = "Sent: yours is graded when the lecturer shows the answer; the last one you "
                     "send counts";
        return strip;
    }
    const std::optional<Question>& shown = quiz.Answered();
    if (!shown) {
        return strip;
    }
    const Question::Result graded = shown->Grade(given_);
    std::string said = "Yours: " + Quiz::Caption(*shown, graded);
    std::string why;
    for (const std::string& wrong : graded.wrong) {
        why += (why.empty() ? "" : ". ") + wrong;
    }
    if (playing) {
        // A lesson keeps its caption; how the student's answer fared stands under it.
        strip.detail = said + (why.empty() ? "" : ". " + why);
    } else {
        strip.caption = std::move(said);
        strip.detail = std::move(why);
    }
    strip.shown = true;
    return strip;
}
