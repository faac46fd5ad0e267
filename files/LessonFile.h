#pragma once

#include "common/JsonValue.h"
#include "files/LessonScript.h"

#include <optional>
#include <string>
#include <vector>

// A lesson as a JSON document ("hopscape-lesson", of the same family as demonstrations), and
// every rule of what a valid one is. Each step is an object with one member that says what it
// is, and in two kinds a second that qualifies it ("button", "on"):
//   {"click": "update"}  (also "reset", "one", "many", "pause", "kill")
//   {"router": "A"}  {"network": "c"}  {"break": "A-B"}  {"cost": "A to B", "button": "left"}
//   {"scenario": "Three Routers"}  {"split horizons": true}  {"rule": "infinity", "on": true}
//   {"hold-down seconds": 120}  {"extra": "undo"}  {"extra": "redo"}  {"step ticks": 26}
//   {"speed": "quarter"}  {"highlight": "next"}
//   {"shortest paths": true}  {"caption": "C has lost its route to d"}
//   {"wait": {"ticks": 26}}  {"wait": {"hops": 2}}  {"wait": "quiet"}
class LessonFile {
public:
    static constexpr const char* kFormat = "hopscape-lesson";
    static constexpr std::size_t kMostSteps = 10000;

    struct Read {
        std::optional<LessonScript> lesson;
        std::string fault;
        std::vector<std::string> ignored;
    };

    static JsonValue ToJson(const LessonScript& lesson);
    static Read FromJson(const JsonValue& document);
};
