#include "common/JsonReader.h"

#include "common/Fields.h"
#include "common/NumberText.h"
#include "common/Translate.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

const JsonValue kNull;
const std::vector<JsonValue> kNoItems;

std::string Said(double value) {
    return std::string(TrimBlanks(NumberText(value)));
}

} // namespace

std::string JsonReader::At(const std::string& path, std::size_t index) {
    return path + "[" + std::to_string(index) + "]";
}

std::string JsonReader::At(const std::string& path, std::string_view key) {
    return path.empty() ? std::string(key) : path + "." + std::string(key);
}

void JsonReader::Fail(const std::string& path, const std::string& what) {
    if (fault_.empty()) {
        fault_ = Translate(
            "{where}: {fault}",
            {{"where", path.empty() ? Translate("the document") : path}, {"fault", what}});
    }
}

bool JsonReader::Expect(const JsonValue& value, const std::string& path, JsonValue::Kind kind,
                        const char* what) {
    if (!fault_.empty()) {
        return false;
    }
    if (value.kind != kind) {
        Fail(path, Translate("is not {kind}", {{"kind", Translate(what)}}));
        return false;
    }
    return true;
}

void JsonReader::Members(const JsonValue& object, const std::string& path,
                         std::initializer_list<std::string_view> known) {
    Members(object, path, std::vector<std::string_view>(known));
}

void JsonReader::Members(const JsonValue& object, const std::string& path,
                         const std::vector<std::string_view>& known) {
    if (!Expect(object, path, JsonValue::Kind::Object, Message("an object").data())) {
        return;
    }
    for (std::size_t i = 0; i < object.members.size(); ++i) {
        const std::string& key = object.members[i].first;
        for (std::size_t j = 0; j < i; ++j) {
            if (object.members[j].first == key) {
                Fail(At(path, key), Translate("is given twice"));
                return;
            }
        }
        if (std::find(known.begin(), known.end(), key) == known.end()) {
            ignored_.push_back(At(path, key));
        }
    }
}

const JsonValue& JsonReader::Member(const JsonValue& object, const std::string& path,
                                    std::string_view key) {
    if (!Expect(object, path, JsonValue::Kind::Object, Message("an object").data())) {
        return kNull;
    }
    if (const JsonValue* member = object.Find(key)) {
        return *member;
    }
    Fail(At(path, key), Translate("is missing"));
    return kNull;
}

const std::vector<JsonValue>& JsonReader::Array(const JsonValue& value, const std::string& path,
                                                std::size_t count) {
    if (!Expect(value, path, JsonValue::Kind::Array, Message("a list").data())) {
        return kNoItems;
    }
    if (count != std::string::npos && value.items.size() != count) {
        Fail(path, Translate("has {items} items, not {count}",
                             {{"items", std::to_string(value.items.size())},
                              {"count", std::to_string(count)}}));
        return kNoItems;
    }
    return value.items;
}

bool JsonReader::Bool(const JsonValue& value, const std::string& path) {
    return Expect(value, path, JsonValue::Kind::Bool, Message("true or false").data()) &&
           value.boolean;
}

std::string JsonReader::String(const JsonValue& value, const std::string& path) {
    return Expect(value, path, JsonValue::Kind::String, Message("a text").data()) ? value.text
                                                                                  : std::string();
}

long long JsonReader::Integer(const JsonValue& value, const std::string& path, long long lo,
                              long long hi) {
    if (!Expect(value, path, JsonValue::Kind::Number, Message("a number").data())) {
        return lo;
    }
    const double number = value.number;
    if (!std::isfinite(number) || number != std::trunc(number)) {
        Fail(path, Translate("{number} is not a whole number", {{"number", Said(number)}}));
        return lo;
    }
    if (number < static_cast<double>(lo) || number > static_cast<double>(hi)) {
        Fail(path, Translate("{number} is not from {lo} to {hi}", {{"number", Said(number)},
                                                                   {"lo", std::to_string(lo)},
                                                                   {"hi", std::to_string(hi)}}));
        return lo;
    }
    return static_cast<long long>(number);
}

double JsonReader::Number(const JsonValue& value, const std::string& path, double lo, double hi) {
    if (!Expect(value, path, JsonValue::Kind::Number, Message("a number").data())) {
        return lo;
    }
    if (!std::isfinite(value.number) || value.number < lo || value.number > hi) {
        Fail(path, Translate("{number} is not from {lo} to {hi}",
                             {{"number", Said(value.number)}, {"lo", Said(lo)}, {"hi", Said(hi)}}));
        return lo;
    }
    return value.number;
}

std::uint64_t JsonReader::Unsigned(const JsonValue& value, const std::string& path) {
    const std::string text = String(value, path);
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (Ok() && (text.empty() || error != std::errc() || end != text.data() + text.size())) {
        Fail(path, Translate("{value} is not a whole number from 0 to {most}",
                             {{"value", Quote(text)}, {"most", "18446744073709551615"}}));
    }
    return number;
}

int JsonReader::Choice(const JsonValue& value, const std::string& path,
                       std::initializer_list<std::string_view> choices) {
    return Choice(value, path, std::span(choices.begin(), choices.size()));
}

int JsonReader::Choice(const JsonValue& value, const std::string& path,
                       std::span<const std::string_view> choices) {
    const std::string text = String(value, path);
    int index = 0;
    for (std::string_view choice : choices) {
        if (text == choice) {
            return index;
        }
        ++index;
    }
    std::string listed;
    for (std::string_view choice : choices) {
        listed += (listed.empty() ? "\"" : ", \"") + std::string(choice) + "\"";
    }
    if (Ok()) {
        Fail(path, Translate("{value} is none of {choices}",
                             {{"value", Quote(text)}, {"choices", listed}}));
    }
    return 0;
}

std::string JsonReader::Quote(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    if (text.size() <= kLongest) {
        return "\"" + std::string(text) + "\"";
    }
    // Cut at a character's start, never inside one written in several UTF-8 bytes.
    std::size_t cut = kLongest;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return Translate("\"{start}...\" ({bytes} bytes)", {{"start", std::string(text.substr(0, cut))},
                                                        {"bytes", std::to_string(text.size())}});
}
