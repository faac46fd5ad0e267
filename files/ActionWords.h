#pragma once

#include "app/Action.h"
#include "common/JsonValue.h"

#include <string>
#include <string_view>

class JsonReader;

// How a lesson file writes a click on a control, a scenario chosen and a rule switched: one member
// naming what ({"router": "A"}, {"cost": "A to B", "button": "left"}, {"rule": "infinity",
// "on": true}).
class ActionWords {
public:
    // Whether the member names an action's step.
    static bool Names(std::string_view member);
    static JsonValue Write(const Action& action);
    // The action the step whose member `kind` names holds; a fault in `r` where it holds none.
    static Action Read(JsonReader& r, const JsonValue& value, const std::string& path,
                       const std::string& kind);
};
