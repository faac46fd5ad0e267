// What the page's script calls: the core behind the page, one demonstration a page. Times are
// the page's performance.now() in whole milliseconds, which a 32-bit `long` holds for 24 days.
#include "app/TabOrder.h"
#include "common/Fields.h"
#include "common/JsonText.h"
#include "common/JsonValue.h"
#include "common/JsonWriter.h"
#include "common/NumberText.h"
#include "common/Translate.h"
#include "files/DemonstrationFile.h"
#include "files/Extras.h"
#include "files/HopscapeFile.h"
#include "session/BuiltInLessons.h"
#include "session/Event.h"
#include "session/Hall.h"
#include "session/Help.h"
#include "session/Magnifier.h"
#include "session/Question.h"
#include "session/Relay.h"
#include "session/StartOptions.h"
#include "web/WebControls.h"
#include "web/WebSession.h"

#include <emscripten.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::unique_ptr<WebSession> session;
std::string reply;              // what the last call that answers in text answered
std::optional<long> frameDelay; // when the frame timer fires next, from the last event
double tickDelay = -1;          // when the tick timer fires next, after the last extra or file

// The delay until the tick timer fires, or -1 where it sleeps.
double Delays(const Lecture::Next& next) {
    frameDelay = next.frame;
    return next.tick ? static_cast<double>(*next.tick) : -1.0;
}

// Any event but a timer's: the lecture takes it, and the still layer may have changed; the tick
// timer's delay after it.
double Took(const Event& event) {
    const std::optional<Event::Outcome> outcome = session->Own(event);
    if (!outcome) {
        return -1; // a follower's own controls change nothing
    }
    session->StillChanged();
    tickDelay = Delays(outcome->next);
    return tickDelay;
}

// Lines of text, one a line ("" for none).
std::vector<std::string> Lines(std::string_view text) {
    const std::vector<std::string_view> lines = SplitLines(text);
    return {lines.begin(), lines.end()};
}

// What following did, for the page: {"ask": a snapshot is wanted, "said": why, for the log,
// "rebuilt": a snapshot made the lecture afresh, "changed": events were played, "next": when the
// next event falls due (-1: none waits)}.
const char* Followed(const Follower::Outcome& outcome, long now) {
    const std::optional<long> next = session->NextEvent(now);
    JsonValue all = JsonValue::Object();
    all.Set("ask", JsonValue::Bool(outcome.ask))
        .Set("said", JsonValue::String(outcome.said))
        .Set("rebuilt", JsonValue::Bool(outcome.rebuilt))
        .Set("changed", JsonValue::Bool(outcome.changed))
        .Set("next", JsonValue::Number(next ? static_cast<double>(*next) : -1.0));
    reply = JsonWriter::WriteCompact(all);
    return reply.c_str();
}

} // namespace

extern "C" {

// The language to speak of those `available` (a line each) for a reader of `wanted` (a line each,
// the address's ?lang= alone where it gives one): {"code": "" for English, "fault": why the
// language the address asks for is none there is, or ""}.
EMSCRIPTEN_KEEPALIVE const char* hs_choose_language(const char* wanted, const char* available,
                                                    int asked) {
    const auto lines = [](std::string_view text) {
        std::vector<std::string> all;
        for (const std::string_view line : SplitLines(text)) {
            if (!line.empty()) {
                all.emplace_back(line);
            }
        }
        return all;
    };
    const std::vector<std::string> codes = lines(available);
    const std::vector<std::string> readers = lines(wanted);
    JsonValue all = JsonValue::Object();
    all.Set("code", JsonValue::String(ChooseLanguage(readers, codes)))
        .Set("fault",
             JsonValue::String(asked != 0 ? StartOptions::LanguageFault(
                                                readers.empty() ? "" : readers.front(), codes)
                                          : ""));
    reply = JsonWriter::WriteCompact(all);
    return reply.c_str();
}

// Speaks the language a catalogue holds from now on; answers what is wrong with it, or "".
EMSCRIPTEN_KEEPALIVE const char* hs_use_catalogue(const char* json) {
    reply.clear();
    std::optional<Catalogue> catalogue = Catalogue::Read(json, &reply);
    if (catalogue) {
        reply.clear();
        UseCatalogue(std::move(catalogue));
    }
    return reply.c_str();
}

// A message in the language spoken, its arguments given as a JSON object of texts.
EMSCRIPTEN_KEEPALIVE const char* hs_translate(const char* message, const char* arguments) {
    const JsonText::Parsed parsed = JsonText::Parse(arguments);
    std::vector<MessageArgument> given;
    if (parsed.document && parsed.document->kind == JsonValue::Kind::Object) {
        for (const auto& [name, value] : parsed.document->members) {
            given.push_back({name, value.kind == JsonValue::Kind::String
                                       ? value.text
                                       : std::string(TrimBlanks(NumberText(value.number)))});
        }
    }
    std::string text = Translate(message, std::span<const MessageArgument>(given));
    reply = std::move(text);
    return reply.c_str();
}

// Opens the demonstration as the lines of options ask; where one is wrong, opens it as it
// opens by default and answers what was wrong.
EMSCRIPTEN_KEEPALIVE const char* hs_start(const char* lines) {
    StartOptions options;
    reply = options.SetAll(lines);
    session = std::make_unique<WebSession>(reply.empty() ? options : StartOptions{});
    return reply.c_str();
}

// A click with `button` on the control at `position` in the Tab order.
EMSCRIPTEN_KEEPALIVE double hs_click(int position, int button, double now) {
    const std::vector<TabOrder::Control> controls = TabOrder::Controls();
    if (position >= 0 && position < static_cast<int>(controls.size())) {
        if (const std::optional<Action> action =
                TabOrder::Click(controls[static_cast<std::size_t>(position)], button)) {
            return Took(Event::Act(*action, static_cast<long>(now)));
        }
    }
    return tickDelay;
}

EMSCRIPTEN_KEEPALIVE double hs_choose(const char* scenario, double now) {
    return Took(Event::Act(Action::Choose(scenario), static_cast<long>(now)));
}

EMSCRIPTEN_KEEPALIVE double hs_split(int checked, double now) {
    return Took(Event::Act(Action::Split(checked != 0), static_cast<long>(now)));
}

// The page follows a lecturer: its own controls change nothing from now on.
EMSCRIPTEN_KEEPALIVE void hs_follow() {
    session->Follow();
}

// A frame or snapshot from the lecturer, received at `now`.
EMSCRIPTEN_KEEPALIVE const char* hs_follow_take(const char* frame, double now) {
    return Followed(session->Take(frame, static_cast<long>(now)), static_cast<long>(now));
}

// A follower's answer to the question asked, one cell a line, as the message that takes it to
// the lecturer; "" with no question asked.
EMSCRIPTEN_KEEPALIVE const char* hs_follow_answer(const char* cells) {
    reply = session->Answer(Lines(cells));
    return reply.c_str();
}

// Following through a relay: the subjects of lecture `code` and what the phone says, and how
// often, while it is there, as JSON {"events", "answers", "here", "every"}; "" where `code` is no
// join code.
EMSCRIPTEN_KEEPALIVE const char* hs_relay(const char* code) {
    const std::string_view given(code);
    if (given.size() != Hall::kCodeLength ||
        given.find_first_not_of(Hall::kCodeLetters) != std::string_view::npos) {
        reply.clear();
        return reply.c_str();
    }
    JsonValue all = JsonValue::Object();
    all.Set("events", JsonValue::String(Relay::Events(given)))
        .Set("answers", JsonValue::String(Relay::Answers(given)))
        .Set("here", JsonValue::String(Hall::Here()))
        .Set("every", JsonValue::Number(static_cast<double>(Relay::kHereEvery)));
    reply = JsonWriter::WriteCompact(all);
    return reply.c_str();
}

// The student's own copy of the lecturer's moment: 1 where it was made. The tick's delay is then
// hs_tick_delay().
EMSCRIPTEN_KEEPALIVE int hs_explore(double now) {
    if (!session->Explore(static_cast<long>(now))) {
        return 0;
    }
    tickDelay = Delays(session->Stream().Next());
    return 1;
}

EMSCRIPTEN_KEEPALIVE void hs_follow_again() {
    session->FollowAgain();
}

// How the page's socket stands with the lecturer: 0 joining, 1 following, 2 lost, 3 stopped.
EMSCRIPTEN_KEEPALIVE void hs_follow_link(int link) {
    session->SetLink(static_cast<Hall::Link>(std::clamp(link, 0, 3)));
}

// The lecturer's events whose time has come, played.
EMSCRIPTEN_KEEPALIVE const char* hs_follow_play(double now) {
    return Followed(session->Play(static_cast<long>(now)), static_cast<long>(now));
}

EMSCRIPTEN_KEEPALIVE double hs_tick(double now) {
    const std::optional<Event::Outcome> outcome = session->Own(Event::Tick(static_cast<long>(now)));
    if (!outcome) {
        return -1;
    }
    const Lecture::Next& next = outcome->next;
    if (next.stepsRan) {
        session->StillChanged();
    }
    return Delays(next);
}

// The delay until the frame timer fires, or -1 where it sleeps.
EMSCRIPTEN_KEEPALIVE double hs_frame_delay() {
    return frameDelay ? static_cast<double>(*frameDelay) : -1.0;
}

// The frame timer fired: framed rows whose time is up clear. Answers the next delay, as above.
EMSCRIPTEN_KEEPALIVE double hs_frames(double now) {
    const std::optional<Event::Outcome> outcome =
        session->Own(Event::Frames(static_cast<long>(now)));
    frameDelay = outcome ? outcome->next.frame : std::nullopt;
    return hs_frame_delay();
}

// The page's canvas brought up to date, at `ratio` device pixels to a CSS pixel. Answers 1 where
// it was drawn whole (after anything but a tick that only moved packets and wrote tables), else 0.
EMSCRIPTEN_KEEPALIVE int hs_paint(int width, int height, double ratio) {
    return session->Paint(width, height, ratio) ? 1 : 0;
}

// Magnifies a router's table beside the drawing, or shrinks it back: the page's own view, no
// event of the lecture's.
EMSCRIPTEN_KEEPALIVE void hs_magnify(int router) {
    session->Magnify(router);
    session->StillChanged();
}

// The question's cells answered, one a line, in the order of their cells.
EMSCRIPTEN_KEEPALIVE double hs_answer(const char* cells, double now) {
    return Took(Event::Answer(Lines(cells), static_cast<long>(now)));
}

// A pad key pressed with the cells holding `cells` (one a line) and cell `current` in use, its
// text `selected` whole or not: answers [the cell typed in, what it holds, the cell in use next],
// or [] with no question asked.
EMSCRIPTEN_KEEPALIVE const char* hs_pad(const char* cells, int current, const char* key,
                                        int selected) {
    const std::optional<Question>& asked = session->Demonstration().Questions().Asked();
    if (!asked) {
        reply = "[]";
        return reply.c_str();
    }
    const Question::Pressed pressed = asked->Press(
        Lines(cells), static_cast<std::size_t>(std::max(0, current)), key, selected != 0);
    reply = HopscapeFile::Bytes(JsonValue::Array(
        {JsonValue::Number(static_cast<double>(pressed.cell)), JsonValue::String(pressed.text),
         JsonValue::Number(static_cast<double>(pressed.next))}));
    return reply.c_str();
}

// The next paint draws everything afresh (the page's fonts came late).
EMSCRIPTEN_KEEPALIVE void hs_redraw() {
    session->StillChanged();
}

// The window with its controls, for a picture.
EMSCRIPTEN_KEEPALIVE void hs_picture(int width, int height) {
    session->Picture(width, height);
}

EMSCRIPTEN_KEEPALIVE const char* hs_svg(int width, int height) {
    reply = session->Svg(width, height);
    return reply.c_str();
}

// The whole demonstration as its file would hold it: what a test compares with the desktop's.
EMSCRIPTEN_KEEPALIVE const char* hs_state() {
    reply = HopscapeFile::Bytes(DemonstrationFile::ToJson(session->Demonstration().Capture()));
    return reply.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* hs_controls(int width, int height) {
    reply = WebControls(*session, width, height).Controls();
    return reply.c_str();
}

// The extras as the page's menu and its keys show them: for each its id, label as the lecture
// stands, the page's keys and a second key, how it stands in a menu, whether it is checked and
// can be used, and whether the menu breaks after it; then the built-in lessons' titles, and the
// tables that can be magnified beside the drawing.
EMSCRIPTEN_KEEPALIVE const char* hs_extras() {
    JsonValue extras = JsonValue::Array();
    for (const Extras::Entry& entry : Extras::kEntries) {
        if (!entry.onPage) {
            continue;
        }
        const Lecture::ExtraState state = session->Lecture().Extra(entry.id);
        const char* kinds[] = {"switch", "speed", "plain"};
        JsonValue item = JsonValue::Object();
        item.Set("id", JsonValue::Number(static_cast<double>(entry.id)))
            .Set("label", JsonValue::String(state.label))
            .Set("keys", JsonValue::String(Extras::PageKeys(entry)))
            .Set("desktop keys", JsonValue::String(entry.keys))
            .Set("other keys", JsonValue::String(entry.otherKeys))
            .Set("kind", JsonValue::String(kinds[static_cast<int>(entry.kind)]))
            .Set("checked", JsonValue::Bool(state.checked))
            .Set("enabled", JsonValue::Bool(state.enabled))
            .Set("ends group", JsonValue::Bool(entry.endsGroup))
            // The built-in lessons follow opening a file, and copying a link saving one.
            .Set("lessons after", JsonValue::Bool(entry.id == Extras::Id::OpenFile))
            .Set("link after", JsonValue::Bool(entry.id == Extras::Id::SaveDemonstration));
        extras.items.push_back(std::move(item));
    }
    JsonValue tables = JsonValue::Array();
    const Demonstration& demonstration = session->Demonstration();
    for (int r = 0; r < kRouterCount; ++r) {
        tables.items.push_back(
            JsonValue::Object()
                .Set("label", JsonValue::String(Magnifier::Label(r)))
                .Set("checked", JsonValue::Bool(demonstration.Magnified().Has(r)))
                .Set("enabled", JsonValue::Bool(demonstration.State().RouterTable[r].visible)));
    }
    JsonValue lessons = JsonValue::Array();
    for (const LessonScript& lesson : BuiltInLessons::All()) {
        lessons.items.push_back(JsonValue::String(
            Translate("Lesson: {lesson}", {{"lesson", Translate(lesson.title)}})));
    }
    JsonValue all = JsonValue::Object();
    all.Set("extras", std::move(extras))
        .Set("lessons", std::move(lessons))
        .Set("tables title", JsonValue::String(Translate(Magnifier::kTitle)))
        .Set("tables", std::move(tables));
    reply = HopscapeFile::Bytes(all);
    return reply.c_str();
}

// An extra from the menu or a key: the lecture's part done, what is left to the page, by name
// (Lecture::JobName). The tick's delay is then hs_tick_delay().
EMSCRIPTEN_KEEPALIVE const char* hs_extra(int id, double now) {
    const std::optional<Event::Outcome> outcome =
        session->Own(Event::Extra(static_cast<Extras::Id>(id), static_cast<long>(now)));
    if (!outcome) {
        return Lecture::JobName(Lecture::Job::None);
    }
    session->StillChanged();
    tickDelay = Delays(outcome->next);
    return Lecture::JobName(outcome->job);
}

EMSCRIPTEN_KEEPALIVE double hs_tick_delay() {
    return tickDelay;
}

EMSCRIPTEN_KEEPALIVE double hs_start_lesson(int index, double now) {
    if (index < 0 || index >= static_cast<int>(BuiltInLessons::All().size())) {
        return tickDelay;
    }
    return Took(Event::Lesson(index, static_cast<long>(now)));
}

EMSCRIPTEN_KEEPALIVE double hs_hold_down(int seconds, double now) {
    const Lecture::NumberQuestion asked = session->Lecture().HoldDownQuestion();
    return Took(
        Event::HoldDown(std::clamp(seconds, asked.least, asked.most), static_cast<long>(now)));
}

// What the hold-down time's dialogue asks, as JSON: title, question, value, least, most.
EMSCRIPTEN_KEEPALIVE const char* hs_hold_down_question() {
    const Lecture::NumberQuestion asked = session->Lecture().HoldDownQuestion();
    JsonValue all = JsonValue::Object();
    all.Set("title", JsonValue::String(asked.title))
        .Set("question", JsonValue::String(asked.question))
        .Set("value", JsonValue::Number(asked.value))
        .Set("least", JsonValue::Number(asked.least))
        .Set("most", JsonValue::Number(asked.most));
    reply = HopscapeFile::Bytes(all);
    return reply.c_str();
}

// Texts beside the drawing: the caption strip and the corner's meter, with their places.
// The browser's window is `width` x `height` CSS pixels: held upright on a phone the page is laid
// out for it and scrolls; answers how tall its drawing then is (the canvas), or 0 where it is not.
EMSCRIPTEN_KEEPALIVE int hs_viewport(int width, int height) {
    return session->SetViewport(width, height) ? session->DrawnHeight() : 0;
}

EMSCRIPTEN_KEEPALIVE const char* hs_texts(int width, int height) {
    reply = WebControls(*session, width, height).Texts();
    return reply.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* hs_help() {
    reply = Help::Text(true);
    return reply.c_str();
}

// A file's bytes, as the page read them from a file chosen or dropped: opened, or the fault
// that kept it out, naming the file.
EMSCRIPTEN_KEEPALIVE const char* hs_open(const char* bytes, int length, const char* name,
                                         double now) {
    std::string given(bytes, static_cast<std::size_t>(length));
    const HopscapeFile::Read read = HopscapeFile::FromBytes(given);
    reply = read.fault.empty() ? "" : HopscapeFile::Problem(name, read.fault);
    if (reply.empty()) {
        Took(Event::Open(name, std::move(given), static_cast<long>(now)));
    }
    return reply.c_str();
}

// What a saving extra writes: "demonstration", "recording", "log" or "tables".
EMSCRIPTEN_KEEPALIVE const char* hs_file(const char* what) {
    const std::string_view which = what;
    ::Lecture& lecture = session->Lecture();
    reply = which == "demonstration" ? lecture.DemonstrationBytes()
            : which == "recording"   ? lecture.RecordingBytes()
            : which == "log"         ? lecture.LogText()
                                     : lecture.TablesCsv();
    return reply.c_str();
}

// The recording, once saved, stops.
EMSCRIPTEN_KEEPALIVE void hs_recording_saved(double now) {
    Took(Event::Saved(static_cast<long>(now)));
}

// The lecture's start and every event since, a line each: what a test replays through the
// native core.
EMSCRIPTEN_KEEPALIVE const char* hs_journal() {
    reply = session->Stream().Journal();
    return reply.c_str();
}

EMSCRIPTEN_KEEPALIVE int hs_recording() {
    return session->Demonstration().Recording() ? 1 : 0;
}

// The log's lines as the log window shows them, one a line, from the `from`-th on (counted from
// the first line the demonstration wrote), after a line with the number of the oldest line kept.
EMSCRIPTEN_KEEPALIVE const char* hs_log_since(double from) {
    const std::size_t dropped = session->Demonstration().LogLinesDropped();
    const std::vector<ChangeLog::Line>& lines = session->Demonstration().LogLines();
    reply = std::to_string(dropped) + "\n";
    for (std::size_t i = std::max(dropped, static_cast<std::size_t>(from)) - dropped;
         i < lines.size(); ++i) {
        reply += lines[i].Shown() + "\n";
    }
    return reply.c_str();
}

} // extern "C"
