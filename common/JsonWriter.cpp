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
    // Runs of characters that need no escape are copied whole.
    std::size_t plain = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        const char* escape = nullptr;
        switch (c) {
        case '"':
            escape = "\\\"";
            break;
        case '\\':
            escape = "\\\\";
            break;
        case '\b':
            escape = "\\b";
            break;
        case '\f':
            escape = "\\f";
            break;
        case '\n':
            escape = "\\n";
            break;
        case '\r':
            escape = "\\r";
            break;
        case '\t':
            escape = "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20) {
                continue;
            }
        }
        out.append(text, plain, at - plain);
        plain = at + 1;
        if (escape != nullptr) {
            out += escape;
        } else {
            constexpr char kHex[] = "0123456789abcdef";
            out += "\\u00";
            out += kHex[(c >> 4) & 0xF];
            out += kHex[c & 0xF];
        }
    }
    out.append(text, plain, text.size() - plain);
    out += '"';
}

// Indented by `indent` levels of four blanks, or on one line where `indent` is kCompact.
constexpr std::size_t kCompact = static_cast<std::size_t>(-1);

void WriteValue(const JsonValue& value, std::size_t indent, std::string& out) {
    const bool compact = indent == kCompact;
    const std::size_t inside = compact ? 0 : 4 * (indent + 1);
    const std::size_t next = compact ? kCompact : indent + 1;
    const char* const separator = compact ? "," : ",\n";
    const char* const end = compact ? "" : "\n";
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
        out += '[';
        out += end;
        for (std::size_t k = 0; k < value.items.size(); ++k) {
            out.append(inside, ' ');
            WriteValue(value.items[k], next, out);
            out += k + 1 < value.items.size() ? separator : end;
        }
        out.append(compact ? 0 : 4 * indent, ' ');
        out += ']';
        return;
    case JsonValue::Kind::Object: {
        std::vector<const std::pair<std::string, JsonValue>*> members;
        members.reserve(value.members.size());
        for (const auto& member : value.members) {
            members.push_back(&member);
        }
        std::stable_sort(members.begin(), members.end(),
                         [](auto* a, auto* b) { return a->first < b->first; });
        out += '{';
        out += end;
        for (std::size_t k = 0; k < members.size(); ++k) {
            out.append(inside, ' ');
            WriteString(members[k]->first, out);
            out += compact ? ":" : ": ";
            WriteValue(members[k]->second, next, out);
            out += k + 1 < members.size() ? separator : end;
        }
        out.append(compact ? 0 : 4 * indent, ' ');
        out += '}';
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

std::string WriteCompact(const JsonValue& document) {
    std::string out;
    WriteValue(document, kCompact, out);
    return out;
}

} // namespace JsonWriter
