#include "files/ActionWords.h"

#include "app/RipControl.h"
#include "app/Scenarios.h"
#include "common/JsonReader.h"
#include "common/Letters.h"
#include "common/Translate.h"
#include "files/FileWords.h"
#include "form/Layout.h"

#include <algorithm>
#include <iterator>

namespace {

using Json = JsonValue;
using Control = Action::Control;

constexpr std::string_view kCommands[] = {"update", "reset", "one", "many", "pause", "kill"};
constexpr Control kCommandControls[] = {Control::Update, Control::Reset, Control::One,
                                        Control::Many,   Control::Pause, Control::Kill};
constexpr std::string_view kButtons[] = {"left", "right", "middle"};
constexpr int kButtonNumbers[] = {MouseButton::kLeft, MouseButton::kRight, MouseButton::kMiddle};
// The members that name an action's step.
constexpr std::string_view kKinds[] = {
    "click",          "router", "network",           "break", "cost", "scenario",
    "split horizons", "rule",   "hold-down seconds",
};

int Letter(JsonReader& r, const Json& value, const std::string& path, char first, int count,
           const char* what) {
    const std::string text = r.String(value, path);
    if (r.Ok() && (text.size() != 1 || text[0] < first || text[0] >= first + count)) {
        r.Fail(path, Translate(what, {{"value", JsonReader::Quote(text)}}));
        return 0;
    }
    return text.empty() ? 0 : text[0] - first;
}

} // namespace

bool ActionWords::Names(std::string_view member) {
    return std::find(std::begin(kKinds), std::end(kKinds), member) != std::end(kKinds);
}

JsonValue ActionWords::Write(const Action& a) {
    Json step = Json::Object();
    switch (a.control) {
    case Control::Router:
        return step.Set("router", Json::String(RouterLetter(a.index)));
    case Control::Network:
        return step.Set("network", Json::String(NetworkLetter(a.index)));
    case Control::Break:
        return step.Set("break", Json::String(FileWords::LinkName(a.index)));
    case Control::Cost: {
        const int button = static_cast<int>(
            std::find(std::begin(kButtonNumbers), std::end(kButtonNumbers) - 1, a.button) -
            std::begin(kButtonNumbers));
        return step.Set("cost", Json::String(FileWords::CostName(a.index)))
            .Set("button", Json::String(std::string(kButtons[button])));
    }
    case Control::Scenario:
        return step.Set("scenario", Json::String(a.scenario));
    case Control::Split:
        return step.Set("split horizons", Json::Bool(a.checked));
    case Control::Rule: {
        const std::string rule = a.index == Action::kAllRules
                                     ? "all"
                                     : RipControl::kRules[static_cast<std::size_t>(a.index)].option;
        return step.Set("rule", Json::String(rule)).Set("on", Json::Bool(a.checked));
    }
    case Control::HoldDownTime:
        return step.Set("hold-down seconds", Json::Number(a.value));
    default:
        break;
    }
    for (std::size_t c = 0; c < std::size(kCommandControls); ++c) {
        if (kCommandControls[c] == a.control) {
            step.Set("click", Json::String(std::string(kCommands[c])));
        }
    }
    return step;
}

Action ActionWords::Read(JsonReader& r, const JsonValue& value, const std::string& path,
                         const std::string& kind) {
    const Json& first = *value.Find(kind);
    const std::string at = JsonReader::At(path, kind);
    if (kind == "click") {
        r.Members(value, path, {"click"});
        const int c = r.Choice(
            first, at,
            {kCommands[0], kCommands[1], kCommands[2], kCommands[3], kCommands[4], kCommands[5]});
        return (Action::Click(kCommandControls[c]));
    }
    if (kind == "router" || kind == "network") {
        r.Members(value, path, {kind});
        const bool router = kind == "router";
        const int index = Letter(r, first, at, router ? 'A' : 'a', kRouterCount,
                                 router ? Message("{value} is no router of the window").data()
                                        : Message("{value} is no network of the window").data());
        return (Action::Click(router ? Control::Router : Control::Network, index));
    }
    if (kind == "break") {
        r.Members(value, path, {"break"});
        const std::string name = r.String(first, at);
        for (int b = 0; b < Layout::kBreakCount; ++b) {
            if (FileWords::LinkName(b) == name) {
                return (Action::Click(Control::Break, b));
            }
        }
        r.Fail(at,
               Translate("{value} is no link of the window", {{"value", JsonReader::Quote(name)}}));
        return {};
    }
    if (kind == "cost") {
        r.Members(value, path, {"cost", "button"});
        const std::string name = r.String(first, at);
        const int button =
            kButtonNumbers[r.Choice(r.Member(value, path, "button"), JsonReader::At(path, "button"),
                                    {kButtons[0], kButtons[1], kButtons[2]})];
        for (int c = 0; c < Layout::kCostLabelCount; ++c) {
            if (FileWords::CostName(c) == name) {
                return (Action::CostPress(c, button));
            }
        }
        r.Fail(at, Translate("{value} is no cost of the window (\"A to B\", say)",
                             {{"value", JsonReader::Quote(name)}}));
        return {};
    }
    if (kind == "scenario") {
        r.Members(value, path, {"scenario"});
        const std::string name = r.String(first, at);
        if (r.Ok() && !Scenarios::Known(name)) {
            r.Fail(at, Translate("no scenario is called {value}",
                                 {{"value", JsonReader::Quote(name)}}));
        }
        return (Action::Choose(name));
    }
    if (kind == "split horizons") {
        r.Members(value, path, {"split horizons"});
        return (Action::Split(r.Bool(first, at)));
    }
    if (kind == "rule") {
        r.Members(value, path, {"rule", "on"});
        const std::string name = r.String(first, at);
        const bool on = r.Bool(r.Member(value, path, "on"), JsonReader::At(path, "on"));
        if (name == "all") {
            return (Action::Rule(Action::kAllRules, on));
        }
        for (std::size_t i = 0; i < RipControl::kRules.size(); ++i) {
            if (name == RipControl::kRules[i].option) {
                return (Action::Rule(static_cast<int>(i), on));
            }
        }
        r.Fail(at, Translate("no RIP rule is called \"{name}\"", {{"name", name}}));
        return {};
    }
    if (kind == "hold-down seconds") {
        r.Members(value, path, {"hold-down seconds"});
        return (Action::HoldDown(
            static_cast<int>(r.Integer(first, at, 1, RipSwitches::kMostHoldDownSeconds))));
    }
    return {};
}
