#include "files/LessonFile.h"

#include "app/RipControl.h"
#include "app/Scenarios.h"
#include "common/JsonReader.h"
#include "common/Letters.h"
#include "common/SeededRandom.h"
#include "common/Translate.h"
#include "files/ActionWords.h"
#include "files/DemonstrationFile.h"
#include "files/Extras.h"
#include "files/FileWords.h"
#include "form/FormRuntime.h"
#include "form/FormState.h"
#include "packets/PacketMotion.h"

#include <algorithm>
#include <iterator>
#include <span>
#include <vector>

namespace {

using Json = JsonValue;
using Step = LessonScript::Step;
using Control = Action::Control;

constexpr long long kLongestWait = 100000; // ticks

Json StepJson(const Step& s) {
    switch (s.kind) {
    case Step::Kind::Act:
        return ActionWords::Write(s.action);
    case Step::Kind::Extra: {
        const Extras::Step& words = Extras::Of(s.extra).step;
        const Json value = words.value == Extras::Value::Word ? Json::String(words.word)
                           : words.value == Extras::Value::Switch
                               ? Json::Bool(s.value != 0)
                               : Json::Number(static_cast<double>(s.value));
        return Json::Object().Set(words.member, value);
    }
    case Step::Kind::Caption: {
        Json caption = Json::Object().Set("caption", Json::String(s.caption));
        if (!s.detail.empty()) {
            caption.Set("detail", Json::String(s.detail));
        }
        return caption;
    }
    case Step::Kind::Predict: {
        Json asked = Json::Object().Set("router", Json::String(RouterLetter(s.router)));
        if (!s.networks.empty()) {
            asked.Set(s.rounds ? "rounds to inf" : "networks", Json::String(s.networks));
        }
        return Json::Object().Set("predict", asked);
    }
    case Step::Kind::Wait:
        if (s.until == Step::Until::Quiet) {
            return Json::Object().Set("wait", Json::String("quiet"));
        }
        return Json::Object().Set(
            "wait", Json::Object().Set("ticks", Json::Number(static_cast<double>(s.ticks))));
    }
    return Json::Object();
}

// An extra's step: among the extras its member names, the one its word names, or the one whose
// switch or count it gives.
Step ReadExtra(JsonReader& r, const Json& value, const std::string& path,
               const std::string& member) {
    r.Members(value, path, {member});
    const std::string at = JsonReader::At(path, member);
    const Json& given = *value.Find(member);
    std::vector<const Extras::Entry*> named;
    std::vector<std::string_view> words;
    for (const Extras::Entry& entry : Extras::kEntries) {
        if (member == entry.step.member) {
            named.push_back(&entry);
            words.emplace_back(entry.step.word);
        }
    }
    const Extras::Step& step = named.front()->step;
    switch (step.value) {
    case Extras::Value::Word:
        return Step::Of(named[static_cast<std::size_t>(r.Choice(given, at, words))]->id);
    case Extras::Value::Switch:
        return Step::Of(named.front()->id, r.Bool(given, at) ? 1 : 0);
    case Extras::Value::Count:
        return Step::Of(named.front()->id, static_cast<long>(r.Integer(given, at, 1, step.most)));
    }
    return {};
}

// A caption, or a wait, named by `kind`.
Step ReadSayOrWait(JsonReader& r, const Json& value, const std::string& path,
                   const std::string& kind) {
    const Json& first = *value.Find(kind);
    const std::string at = JsonReader::At(path, kind);
    if (kind == "caption") {
        r.Members(value, path, {"caption", "detail"});
        std::string caption = r.String(first, at);
        const auto detail = std::find_if(value.members.begin(), value.members.end(),
                                         [](const auto& m) { return m.first == "detail"; });
        return Step::Say(std::move(caption),
                         detail == value.members.end()
                             ? std::string()
                             : r.String(detail->second, JsonReader::At(path, "detail")));
    }
    r.Members(value, path, {"wait"});
    if (first.kind == Json::Kind::String) {
        r.Choice(first, at, {"quiet"});
        return Step::WaitQuiet();
    }
    r.Members(first, at, {"ticks", "hops"});
    if (const Json* hops = first.Find("hops")) {
        return Step::WaitTicks(PacketMotion::kArrivalTick *
                               r.Integer(*hops, JsonReader::At(at, "hops"), 0,
                                         kLongestWait / PacketMotion::kArrivalTick));
    }
    return Step::WaitTicks(
        r.Integer(r.Member(first, at, "ticks"), JsonReader::At(at, "ticks"), 0, kLongestWait));
}

// A question on a router's table: its router, and the networks asked (each once) or the one
// network whose rounds to inf are asked.
Step ReadPredict(JsonReader& r, const Json& value, const std::string& path) {
    r.Members(value, path, {"predict"});
    const std::string at = JsonReader::At(path, "predict");
    const Json& asked = *value.Find("predict");
    r.Members(asked, at, {"router", "networks", "rounds to inf"});
    static constexpr std::string_view kRouters[] = {"A", "B", "C", "D", "E", "F"};
    const int router = r.Choice(r.Member(asked, at, "router"), JsonReader::At(at, "router"),
                                std::span<const std::string_view>(kRouters));
    const Json* networks = asked.Find("networks");
    const Json* rounds = asked.Find("rounds to inf");
    if (networks != nullptr && rounds != nullptr) {
        r.Fail(at, Translate("asks for networks and for rounds to inf at once"));
        return {};
    }
    if (networks == nullptr && rounds == nullptr) {
        return Step::Predict(router);
    }
    const std::string where = JsonReader::At(at, rounds ? "rounds to inf" : "networks");
    const std::string letters = r.String(rounds ? *rounds : *networks, where);
    for (std::size_t i = 0; i < letters.size() && r.Ok(); ++i) {
        if (letters[i] < 'a' || letters[i] > 'f' || letters.find(letters[i]) != i) {
            r.Fail(where, Translate("{value} is not network letters from a to f, each at most once",
                                    {{"value", JsonReader::Quote(letters)}}));
        }
    }
    if (r.Ok() && (letters.empty() || (rounds != nullptr && letters.size() != 1))) {
        const MessageArguments given = {{"value", JsonReader::Quote(letters)}};
        r.Fail(where, rounds ? Translate("{value} is not one network letter", given)
                             : Translate("{value} names no network", given));
    }
    return rounds ? Step::PredictRounds(router, letters.empty() ? 'a' : letters.front())
                  : Step::Predict(router, letters);
}

Step ReadStep(JsonReader& r, const Json& value, const std::string& path) {
    if (value.kind != Json::Kind::Object || value.members.empty()) {
        r.Fail(path, Translate("is not a step (an object naming what to do)"));
        return {};
    }
    // The member that names the kind of step; others ("button", "on") qualify it.
    const auto named = std::find_if(value.members.begin(), value.members.end(), [](const auto& m) {
        return m.first == "caption" || m.first == "wait" || m.first == "predict" ||
               ActionWords::Names(m.first) ||
               std::any_of(Extras::kEntries.begin(), Extras::kEntries.end(),
                           [&](const Extras::Entry& e) { return m.first == e.step.member; });
    });
    if (named == value.members.end()) {
        r.Fail(path, Translate("names no kind of step"));
        return {};
    }
    const std::string& kind = named->first;
    if (kind == "caption" || kind == "wait") {
        return ReadSayOrWait(r, value, path, kind);
    }
    if (kind == "predict") {
        return ReadPredict(r, value, path);
    }
    if (ActionWords::Names(kind)) {
        return Step::Do(ActionWords::Read(r, value, path, kind));
    }
    return ReadExtra(r, value, path, kind);
}

// "split horizons" ticked and "rules" switched on from a scenario's start.
void ReadStartSwitches(JsonReader& r, const Json& start, LessonScript& lesson) {
    if (const Json* split = start.Find("split horizons")) {
        lesson.splitHorizons = r.Bool(*split, "start.split horizons");
    }
    const Json* rules = start.Find("rules");
    if (rules == nullptr) {
        return;
    }
    std::vector<std::string_view> names;
    for (const RipControl::RuleName& rule : RipControl::kRules) {
        names.push_back(rule.option);
    }
    const auto& items = r.Array(*rules, "start.rules", std::string::npos);
    for (std::size_t i = 0; i < items.size() && r.Ok(); ++i) {
        const int chosen = r.Choice(items[i], JsonReader::At("start.rules", i), names);
        if (r.Ok()) {
            RipControl::Switch(lesson.rules, RipControl::kRules[chosen].rule, true);
        }
    }
}

// Whether the control an action clicks is on the window in the scenario given.
bool Shown(const std::string& scenario, const Action& action) {
    SeededRandom random(0);
    FormState state(random);
    FormRuntime runtime(state);
    state.cmbSims.text = scenario;
    Scenarios(state, runtime).Show();
    return action.OnWindow(state);
}

// What a click the scenario shown hides names: the step's member, the message saying so, and the
// router, network, link or cost by its name, as the message's argument.
struct Hidden {
    const char* member;
    std::string_view message;
    MessageArgument named;
};

Hidden HiddenBy(const Action& action) {
    switch (action.control) {
    case Control::Break:
        return {"break",
                Message("link {link} is not in the scenario \"{scenario}\""),
                {"link", FileWords::LinkName(action.index)}};
    case Control::Cost:
        return {"cost",
                Message("the cost from {cost} is not in the scenario \"{scenario}\""),
                {"cost", FileWords::CostName(action.index)}};
    case Control::Router:
        return {"router",
                Message("router {router} is not in the scenario \"{scenario}\""),
                {"router", RouterLetter(action.index)}};
    default:
        return {"network",
                Message("network {network} is not in the scenario \"{scenario}\""),
                {"network", NetworkLetter(action.index)}};
    }
}

// A click on a router, network, link or cost the scenario then shown hides would do nothing:
// the lesson is refused at that step. After an undo or redo the scenario is not known until the
// next one is chosen, and nothing is refused meanwhile.
void CheckClicksShown(JsonReader& r, const LessonScript& lesson) {
    std::optional<std::string> scenario = lesson.scenario;
    for (std::size_t i = 0; i < lesson.steps.size() && r.Ok(); ++i) {
        const Step& step = lesson.steps[i];
        if (step.kind == Step::Kind::Extra &&
            (step.extra == Extras::Id::Undo || step.extra == Extras::Id::Redo)) {
            scenario.reset();
        } else if (step.kind == Step::Kind::Act && step.action.control == Control::Scenario) {
            scenario = step.action.scenario;
        } else if (step.kind == Step::Kind::Predict && scenario &&
                   !Shown(*scenario, Action::Click(Control::Router, step.router))) {
            const Hidden hidden = HiddenBy(Action::Click(Control::Router, step.router));
            r.Fail(JsonReader::At(JsonReader::At(JsonReader::At("steps", i), "predict"),
                                  hidden.member),
                   Translate(hidden.message, {hidden.named, {"scenario", *scenario}}));
        } else if (step.kind == Step::Kind::Act && scenario && !Shown(*scenario, step.action)) {
            const Hidden hidden = HiddenBy(step.action);
            r.Fail(JsonReader::At(JsonReader::At("steps", i), hidden.member),
                   Translate(hidden.message, {hidden.named, {"scenario", *scenario}}));
        }
    }
}

} // namespace

JsonValue LessonFile::ToJson(const LessonScript& lesson) {
    Json start = Json::Object();
    if (lesson.demonstration) {
        start.Set("demonstration", DemonstrationFile::ToJson(*lesson.demonstration));
    } else {
        start.Set("scenario", Json::String(lesson.scenario));
        if (lesson.splitHorizons) {
            start.Set("split horizons", Json::Bool(true));
        }
        if (lesson.rules.Any()) {
            Json rules = Json::Array();
            for (const RipControl::RuleName& rule : RipControl::kRules) {
                if (RipControl::IsOn(lesson.rules, rule.rule)) {
                    rules.items.push_back(Json::String(rule.option));
                }
            }
            start.Set("rules", rules);
        }
    }
    Json steps = Json::Array();
    for (const Step& step : lesson.steps) {
        steps.items.push_back(StepJson(step));
    }
    return Json::Object()
        .Set("format", Json::String(kFormat))
        .Set("version", Json::Number(DemonstrationFile::kVersion))
        .Set("title", Json::String(lesson.title))
        .Set("start", start)
        .Set("steps", steps);
}

LessonFile::Read LessonFile::FromJson(const JsonValue& document) {
    Read read;
    // A start that holds a demonstration nests two deeper than the demonstration.
    const std::size_t deepest = DemonstrationFile::kDeepest + 2;
    if (document.Depth() > deepest) {
        read.fault = Translate(
            "the document nests {depth} deep; a lesson nests at most {most}",
            {{"depth", std::to_string(document.Depth())}, {"most", std::to_string(deepest)}});
        return read;
    }
    JsonReader r;
    DemonstrationFile::CheckFormat(r, document, kFormat);
    r.Members(document, "", {"format", "version", "title", "start", "steps"});
    LessonScript lesson;
    lesson.title = r.String(r.Member(document, "", "title"), "title");
    const Json& start = r.Member(document, "", "start");
    r.Members(start, "start", {"scenario", "demonstration", "split horizons", "rules"});
    if (const Json* demonstration = start.Find("demonstration")) {
        for (const char* member : {"split horizons", "rules"}) {
            if (start.Find(member) != nullptr) {
                r.Fail(JsonReader::At("start", member),
                       Translate("goes with a scenario; a demonstration holds its own"));
            }
        }
        DemonstrationFile::CheckFormat(r, *demonstration, DemonstrationFile::kFormat);
        lesson.demonstration =
            DemonstrationFile::ReadDemonstration(r, *demonstration, "start.demonstration");
        lesson.scenario = lesson.demonstration->scenario;
    } else {
        lesson.scenario = r.String(r.Member(start, "start", "scenario"), "start.scenario");
        if (r.Ok() && !Scenarios::Known(lesson.scenario)) {
            r.Fail("start.scenario", Translate("no scenario is called {value}",
                                               {{"value", JsonReader::Quote(lesson.scenario)}}));
        }
        ReadStartSwitches(r, start, lesson);
    }
    const auto& steps = r.Array(r.Member(document, "", "steps"), "steps", std::string::npos);
    if (steps.size() > kMostSteps) {
        r.Fail("steps", Translate("has {steps} steps; a lesson has at most {most}",
                                  {{"steps", std::to_string(steps.size())},
                                   {"most", std::to_string(kMostSteps)}}));
    }
    for (std::size_t i = 0; i < steps.size() && r.Ok(); ++i) {
        lesson.steps.push_back(ReadStep(r, steps[i], JsonReader::At("steps", i)));
    }
    CheckClicksShown(r, lesson);
    read.fault = r.Fault();
    read.ignored = r.Ignored();
    if (r.Ok()) {
        read.lesson = std::move(lesson);
    }
    return read;
}
