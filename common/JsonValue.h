#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// A JSON document as plain data: what a front end reads from a file and hands to the core, and
// what the core hands back to be written. Objects keep their members in order, and keep
// duplicate keys, so that the core can judge them.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };

    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    static JsonValue Bool(bool value);
    static JsonValue Number(double value);
    static JsonValue String(std::string value);
    static JsonValue Array(std::vector<JsonValue> items = {});
    static JsonValue Object();

    // Adds a member to an object.
    JsonValue& Set(std::string key, JsonValue value);
    // The first member of an object called `key`, or nothing.
    const JsonValue* Find(std::string_view key) const;
    // How deep the document nests: 0 for a number, 1 for an empty array, ...
    std::size_t Depth() const;
    bool operator==(const JsonValue&) const = default;
};
