#pragma once

#include "common/JsonValue.h"

#include <optional>
#include <string>
#include <string_view>

// JSON text to the core's plain JsonValue (JsonWriter writes it back). Parsing knows no rule of
// what a document may hold beyond JSON's own (an object or array at the top, UTF-8 text); the
// core judges what comes out, duplicate keys included, which are kept in order.
class JsonText {
public:
    // Documents nest no deeper than this before the core sees them: the top is 1, a value in it 2.
    static constexpr int kDeepest = 64;

    struct Parsed {
        std::optional<JsonValue> document;
        std::string fault; // what is wrong, and where ("invalid UTF8 string at byte 120")
    };
    static Parsed Parse(std::string_view bytes);
};
