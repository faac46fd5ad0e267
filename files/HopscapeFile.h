#pragma once

#include "app/Snapshot.h"
#include "common/JsonValue.h"
#include "files/LessonScript.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A file the program saves and opens: a demonstration or a lesson, told apart by the format its
// document names. Reading one gives either, or one line saying what is wrong.
class HopscapeFile {
public:
    struct Read {
        std::optional<Snapshot> demonstration;
        std::optional<LessonScript> lesson;
        std::string fault;
        std::vector<std::string> ignored; // members no reader knows, by path
    };

    static Read FromJson(const JsonValue& document);
    // A file's bytes judged whole: too many, not JSON, or what FromJson finds; the fault names
    // no file.
    static Read FromBytes(std::string_view bytes);
    // The document as a file's bytes: indented UTF-8, the same document the same bytes.
    static std::string Bytes(const JsonValue& document);
    // What the lecturer reads when a file cannot be opened: "FILE: what is wrong".
    static std::string Problem(const std::string& file, const std::string& fault);
    // The log's line for a member no reader knows: "demo.json: packets[2].colour ignored".
    static std::string IgnoredLine(const std::string& file, const std::string& member);
};
