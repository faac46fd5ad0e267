#include "session/Event.h"

#include "app/MainForm.h"
#include "common/Letters.h"
#include "form/Layout.h"
#include "form/RipState.h"
#include "session/BuiltInLessons.h"
#include "session/EventWords.h"
#include "session/Practice.h"

#include <algorithm>

namespace {

using Control = Action::Control;

constexpr int kLastControl = static_cast<int>(Control::HoldDownTime);
constexpr std::size_t kLongestScenario = 64;
constexpr std::size_t kLongestName = 256;
constexpr std::size_t kMostWords = 8 + Event::kMostCells;

constexpr std::string_view kKinds[] = {"tick",   "frames",   "act",       "extra", "lesson", "open",
                                       "answer", "practise", "hold-down", "saved", "settle"};

// How far an action's index may go for its control.
int MostIndex(Control control) {
    switch (control) {
    case Control::Router:
        return kRouterCount - 1;
    case Control::Network:
        return kNetworkCount - 1;
    case Control::Break:
        return Layout::kBreakCount - 1;
    case Control::Cost:
        return Layout::kCostLabelCount - 1;
    case Control::Rule:
        return Action::kAllRules;
    default:
        return 0;
    }
}

} // namespace

Event Event::Act(const Action& action, long time) {
    Event event = Plain(Kind::Act, time);
    event.action = action;
    return event;
}

Event Event::Extra(Extras::Id id, long time) {
    Event event = Plain(Kind::Extra, time);
    event.number = static_cast<int>(id);
    return event;
}

Event Event::Lesson(int index, long time) {
    Event event = Plain(Kind::Lesson, time);
    event.number = index;
    return event;
}

Event Event::Open(std::string name, std::string bytes, long time) {
    Event event = Plain(Kind::Open, time);
    event.name = std::move(name);
    event.name.resize(std::min(event.name.size(), kLongestName));
    if (bytes.size() <= kLongestFile) {
        event.bytes = std::move(bytes);
    }
    return event;
}

Event Event::Answer(std::vector<std::string> cells, long time) {
    Event event = Plain(Kind::Answer, time);
    event.cells = std::move(cells);
    event.cells.resize(std::min(event.cells.size(), kMostCells));
    for (std::string& cell : event.cells) {
        cell.resize(std::min(cell.size(), kLongestCell));
    }
    return event;
}

Event Event::Practise(int level, std::uint64_t seed, long time) {
    Event event = Plain(Kind::Practise, time);
    event.number = level;
    event.seed = seed;
    return event;
}

Event Event::HoldDown(int seconds, long time) {
    Event event = Plain(Kind::HoldDown, time);
    event.number = seconds;
    return event;
}

std::string Event::Text() const {
    std::string line(kKinds[static_cast<int>(kind)]);
    const auto add = [&line](const std::string& word) { line += " " + word; };
    switch (kind) {
    case Kind::Tick:
    case Kind::Frames:
    case Kind::Saved:
    case Kind::Settle:
        break;
    case Kind::Act:
        add(std::to_string(static_cast<int>(action.control)));
        add(std::to_string(action.index));
        add(std::to_string(action.button));
        add(action.checked ? "1" : "0");
        add(std::to_string(action.value));
        add(EventWords::Escaped(action.scenario));
        break;
    case Kind::Extra:
    case Kind::Lesson:
    case Kind::HoldDown:
        add(std::to_string(number));
        break;
    case Kind::Open:
        add(EventWords::Escaped(name));
        add(EventWords::Escaped(bytes));
        break;
    case Kind::Answer:
        add(std::to_string(cells.size()));
        for (const std::string& cell : cells) {
            add(EventWords::Escaped(cell));
        }
        break;
    case Kind::Practise:
        add(std::to_string(number));
        add(std::to_string(seed));
        break;
    }
    add(std::to_string(time));
    return line;
}

std::optional<Event> Event::Read(std::string_view line, std::string& fault) {
    if (line.size() > kLongestLine) {
        fault = "line too long";
        return std::nullopt;
    }
    EventWords words(line, kMostWords);
    const std::string_view word = words.Next("event");
    const auto* found = std::find(std::begin(kKinds), std::end(kKinds), word);
    if (found == std::end(kKinds)) {
        fault = words.Fault().empty() ? "unknown event \"" + std::string(word.substr(0, 24)) + "\""
                                      : words.Fault();
        return std::nullopt;
    }
    Event event = Plain(static_cast<Kind>(found - std::begin(kKinds)), 0);
    switch (event.kind) {
    case Kind::Tick:
    case Kind::Frames:
    case Kind::Saved:
    case Kind::Settle:
        break;
    case Kind::Act: {
        event.action.control = static_cast<Control>(words.Number("control", 0, kLastControl));
        event.action.index =
            static_cast<int>(words.Number("index", 0, MostIndex(event.action.control)));
        event.action.button = static_cast<int>(words.Number("button", 1, MouseButton::kMiddle));
        event.action.checked = words.Number("checked", 0, 1) == 1;
        const bool seconds = event.action.control == Control::HoldDownTime;
        event.action.value = static_cast<int>(
            words.Number("value", 0, seconds ? RipSwitches::kMostHoldDownSeconds : 0));
        event.action.scenario = words.Text("scenario", kLongestScenario);
        break;
    }
    case Kind::Extra:
        event.number =
            static_cast<int>(words.Number("extra", 0, static_cast<long>(Extras::Id::Help)));
        break;
    case Kind::Lesson:
        event.number = static_cast<int>(
            words.Number("lesson", 0, static_cast<long>(BuiltInLessons::All().size()) - 1));
        break;
    case Kind::Open:
        event.name = words.Text("name", kLongestName);
        event.bytes = words.Text("bytes", kLongestFile);
        break;
    case Kind::Answer: {
        const long count = words.Number("cells", 0, static_cast<long>(kMostCells));
        for (long cell = 0; cell < count && words.Fault().empty(); ++cell) {
            event.cells.push_back(words.Text("cell", kLongestCell));
        }
        break;
    }
    case Kind::Practise:
        event.number = static_cast<int>(words.Number("level", 1, Practice::kLevels));
        event.seed = words.Unsigned("seed");
        break;
    case Kind::HoldDown:
        event.number =
            static_cast<int>(words.Number("seconds", 1, RipSwitches::kMostHoldDownSeconds));
        break;
    }
    event.time = words.Number("time", 0, kLatest);
    words.End();
    fault = words.Fault();
    if (!fault.empty()) {
        return std::nullopt;
    }
    return event;
}

Event::Outcome Event::Apply(class Lecture& lecture) const {
    class Demonstration& demonstration = lecture.Demonstration();
    switch (kind) {
    case Kind::Tick:
        return {lecture.Tick(time)};
    case Kind::Frames:
        return {Lecture::Next{std::nullopt, lecture.Frames(time), false}};
    case Kind::Act: {
        const auto& scenarios = demonstration.State().cmbSims.items;
        const bool known =
            action.control != Control::Scenario ||
            std::find(scenarios.begin(), scenarios.end(), action.scenario) != scenarios.end();
        if (known && action.OnWindow(demonstration.State())) {
            demonstration.Act(action, time);
        }
        break;
    }
    case Kind::Extra: {
        const Lecture::Job job = lecture.Do(static_cast<Extras::Id>(number), time);
        return {lecture.Settle(time), job};
    }
    case Kind::Lesson:
        lecture.Player().Start(BuiltInLessons::All().at(static_cast<std::size_t>(number)), time);
        break;
    case Kind::Open: {
        const HopscapeFile::Read read = HopscapeFile::FromBytes(bytes);
        if (read.fault.empty()) {
            lecture.Open(read, name, time);
        }
        break;
    }
    case Kind::Answer:
        lecture.Answer(cells, time);
        break;
    case Kind::Practise:
        lecture.Practise(number, seed, time);
        break;
    case Kind::HoldDown:
        demonstration.SetHoldDownSeconds(number, time);
        break;
    case Kind::Saved:
        demonstration.StopRecording();
        break;
    case Kind::Settle:
        break;
    }
    return {lecture.Settle(time)};
}
