#pragma once

#include "common/JsonValue.h"

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Reads typed values out of a JSON document, each from a place named by its path
// ("packets[3].record"), and keeps the first fault it meets as one line that names the place and
// what is wrong with it ("routers[1].height: 99999 is not from 0 to 10000"). Once a fault is
// kept every read gives a harmless default, so a caller reads on and looks at Fault() once.
// Members no reader asked for are listed as ignored.
class JsonReader {
public:
    const std::string& Fault() const { return fault_; }
    bool Ok() const { return fault_.empty(); }
    const std::vector<std::string>& Ignored() const { return ignored_; }
    void Fail(const std::string& path, const std::string& what);

    // The object's members must be among `known`, each at most once; others are ignored.
    void Members(const JsonValue& object, const std::string& path,
                 std::initializer_list<std::string_view> known);
    void Members(const JsonValue& object, const std::string& path,
                 const std::vector<std::string_view>& known);
    // A member that must be there (a fault otherwise, and a null value to read on).
    const JsonValue& Member(const JsonValue& object, const std::string& path, std::string_view key);
    // An array of exactly `count` items (any count with `count` npos).
    const std::vector<JsonValue>& Array(const JsonValue& value, const std::string& path,
                                        std::size_t count);
    bool Bool(const JsonValue& value, const std::string& path);
    std::string String(const JsonValue& value, const std::string& path);
    // A whole number from lo to hi.
    long long Integer(const JsonValue& value, const std::string& path, long long lo, long long hi);
    // A number from lo to hi.
    double Number(const JsonValue& value, const std::string& path, double lo, double hi);
    // A whole number from 0 to 2^64 - 1, written as decimal digits in a string (JSON's numbers
    // cannot hold it exactly).
    std::uint64_t Unsigned(const JsonValue& value, const std::string& path);
    // One of the texts given; returns its index.
    int Choice(const JsonValue& value, const std::string& path,
               std::initializer_list<std::string_view> choices);
    int Choice(const JsonValue& value, const std::string& path,
               std::span<const std::string_view> choices);

    // A value read from a file, in quotes, cut short where it runs long: a fault line echoes what
    // it found without echoing a hostile file whole.
    static std::string Quote(std::string_view text);
    static std::string At(const std::string& path, std::size_t index);
    static std::string At(const std::string& path, std::string_view key);

private:
    bool Expect(const JsonValue& value, const std::string& path, JsonValue::Kind kind,
                const char* what);

    std::string fault_;
    std::vector<std::string> ignored_;
};
