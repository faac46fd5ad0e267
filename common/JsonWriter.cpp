#include "common/JsonWriter.h"

#include "common/NumberText.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

void WriteNumber(double value, std::string& out) {
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    constexpr double kWholeUpTo = 9007199254740992.0; // 2^53: every whole number below is exact
    if (value == std::trunc(value) && std::abs(value) <= kWholeUpTo) {
        out += std::to_string(static_cast<long long>(value));
        return;
    }
    if (value < 0) {
        out += '-';
    }
    const ShortestDigits shortest = Shortest(std::abs(value));
    const std::string& digits = shortest.digits;
    const int count = static_cast<int>(digits.size());
    const int point = shortest.exponent + 1; // digits before the point
    const std::string exponent = std::to_string(std::abs(shortest.exponent));
    const std::string scientific = digits.substr(0, 1) + (count > 1 ? "." + digits.substr(1) : "") +
                                   (shortest.exponent < 0 ? "e-" : "e+") +
                                   (exponent.size() < 2 ? "0" : "") + exponent;
    std::string plain;
    if (point <= 0) {
        plain = "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    } else if (point < count) {
        plain = digits.substr(0, static_cast<std::size_t>(point)) + "." +
                digits.substr(static_cast<std::size_t>(point));
    } else {
        plain = digits + std::string(static_cast<std::size_t>(point - count), '0');
    }
    out += plain.size() <= scientific.size() ? plain : scientific;
}

void WriteString(const std::string& text, std::string& out) {
    out += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\b':
            out += "\\b";
            break;
        case '\f':
            out += "\\f";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr char kHex[] = "0123456789abcdef";
                out += "\\u00";
                out += kHex[(c >> 4) & 0xF];
                out += kHex[c & 0xF];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void WriteValue(const JsonValue& value, int indent, std::string& out) {
    const std::string inside(static_cast<std::size_t>(4 * (indent + 1)), ' ');
    switch (value.kind) {
    case JsonValue::Kind::Null:
        out += "null";
        return;
    case JsonValue::Kind::Bool:
        out += value.boolean ? "true" : "false";
        return;
    case JsonValue::Kind::Number:
        WriteNumber(value.number, out);
        return;
    case JsonValue::Kind::String:
        WriteString(value.text, out);
        return;
    case JsonValue::Kind::Array:
        out += "[\n";
        for (std::size_t k = 0; k < value.items.size(); ++k) {
            out += inside;
            WriteValue(value.items[k], indent + 1, out);
            out += k + 1 < value.items.size() ? ",\n" : "\n";
        }
        out += std::string(static_cast<std::size_t>(4 * indent), ' ') + "]";
        return;
    case JsonValue::Kind::Object: {
        std::vector<const std::pair<std::string, JsonValue>*> members;
        for (const auto& member : value.members) {
            members.push_back(&member);
        }
        std::stable_sort(members.begin(), members.end(),
                         [](auto* a, auto* b) { return a->first < b->first; });
        out += "{\n";
        for (std::size_t k = 0; k < members.size(); ++k) {
            out += inside;
            WriteString(members[k]->first, out);
            out += ": ";
            WriteValue(members[k]->second, indent + 1, out);
            out += k + 1 < members.size() ? ",\n" : "\n";
        }
        out += std::string(static_cast<std::size_t>(4 * indent), ' ') + "}";
        return;
    }
    }
}

} // namespace

namespace JsonWriter {

std::string Write(const JsonValue& document) {
    std::string out;
    WriteValue(document, 0, out);
    out += '\n';
    return out;
}

} // namespace JsonWriter
