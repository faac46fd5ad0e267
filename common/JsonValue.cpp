#include "common/JsonValue.h"

#include <algorithm>

JsonValue JsonValue::Bool(bool value) {
    JsonValue v;
    v.kind = Kind::Bool;
    v.boolean = value;
    return v;
}

JsonValue JsonValue::Number(double value) {
    JsonValue v;
    v.kind = Kind::Number;
    v.number = value;
    return v;
}

JsonValue JsonValue::String(std::string value) {
    JsonValue v;
    v.kind = Kind::String;
    v.text = std::move(value);
    return v;
}

JsonValue JsonValue::Array(std::vector<JsonValue> items) {
    JsonValue v;
    v.kind = Kind::Array;
    v.items = std::move(items);
    return v;
}

JsonValue JsonValue::Object() {
    JsonValue v;
    v.kind = Kind::Object;
    return v;
}

JsonValue& JsonValue::Set(std::string key, JsonValue value) {
    members.emplace_back(std::move(key), std::move(value));
    return *this;
}

const JsonValue* JsonValue::Find(std::string_view key) const {
    for (const auto& [name, value] : members) {
        if (name == key) {
            return &value;
        }
    }
    return nullptr;
}

std::size_t JsonValue::Depth() const {
    std::size_t deepest = 0;
    for (const JsonValue& item : items) {
        deepest = std::max(deepest, item.Depth());
    }
    for (const auto& member : members) {
        deepest = std::max(deepest, member.second.Depth());
    }
    return kind == Kind::Array || kind == Kind::Object ? deepest + 1 : 0;
}
