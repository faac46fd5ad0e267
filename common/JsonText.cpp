#include "common/JsonText.h"

#include "common/NumberText.h"

#include <cstdint>

namespace {

// Reads one document; the first fault stops it. Faults are named, and placed at the byte where the
// reading stopped, as files have always had them, and what was lenient stays lenient: an unknown
// escape stands for its own byte ("\x" is "x"), "1." and ".5" are numbers.
class Reader {
public:
    explicit Reader(std::string_view bytes) : text_(bytes) {}

    JsonText::Parsed Document() {
        JsonText::Parsed parsed;
        constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
        if (text_.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
            at_ = kByteOrderMark.size();
        }
        JsonValue document;
        const char first = Token();
        bool ok = (first == '[' || first == '{') && Deep(1) &&
                  (first == '[' ? Array(document, 1) : Object(document, 1));
        if (first != '[' && first != '{') {
            ok = Fail("illegal value");
        }
        if (ok && SkipBlanks()) {
            ok = Fail("garbage at the end of the document");
        }
        if (!ok) {
            parsed.fault = fault_;
            return parsed;
        }
        parsed.document = std::move(document);
        return parsed;
    }

private:
    bool Fail(const std::string& what) {
        if (fault_.empty()) {
            fault_ = what + " at byte " + std::to_string(at_);
        }
        return false;
    }

    bool Deep(int depth) {
        if (depth > JsonText::kDeepest && fault_.empty()) {
            fault_ = "the document nests more than " + std::to_string(JsonText::kDeepest) + " deep";
        }
        return depth <= JsonText::kDeepest;
    }

    // True while there is more to read.
    bool SkipBlanks() {
        while (at_ < text_.size() && (text_[at_] == ' ' || text_[at_] == '\t' ||
                                      text_[at_] == '\n' || text_[at_] == '\r')) {
            ++at_;
        }
        return at_ < text_.size();
    }

    // Takes the next character after blanks: a bracket, brace, colon, comma or quote; '\0' for
    // anything else, which is taken all the same, or for the end.
    char Token() {
        if (!SkipBlanks()) {
            return '\0';
        }
        const char token = text_[at_++];
        return std::string_view("[{:,]}\"").find(token) == std::string_view::npos ? '\0' : token;
    }

    bool Value(JsonValue& value, int depth) {
        if (!Deep(depth)) {
            return false;
        }
        const char c = text_[at_++];
        switch (c) {
        case '{':
            return Object(value, depth);
        case '[':
            return Array(value, depth);
        case '"':
            value = JsonValue::String({});
            return String(value.text);
        case 't':
            return Word("rue", JsonValue::Bool(true), value);
        case 'f':
            return Word("alse", JsonValue::Bool(false), value);
        case 'n':
            return Word("ull", JsonValue(), value);
        case ']':
        case '}':
            return Fail("object is missing after a comma");
        case ',':
            return Fail("illegal value");
        default:
            --at_;
            return Number(value);
        }
    }

    // The rest of a word after its first letter; a value is never the last byte of a document.
    bool Word(std::string_view rest, JsonValue meaning, JsonValue& value) {
        if (text_.size() - at_ <= rest.size()) {
            return Fail("illegal value");
        }
        for (char c : rest) {
            if (text_[at_++] != c) {
                return Fail("illegal value");
            }
        }
        value = std::move(meaning);
        return true;
    }

    bool Object(JsonValue& object, int depth) {
        object = JsonValue::Object();
        char token = Token();
        while (token == '"') {
            std::string key;
            if (!String(key)) {
                return false;
            }
            if (Token() != ':') {
                return Fail("missing name separator");
            }
            if (!SkipBlanks()) {
                return Fail("unterminated object");
            }
            object.members.emplace_back(std::move(key), JsonValue());
            if (!Value(object.members.back().second, depth + 1)) {
                return false;
            }
            token = Token();
            if (token != ',') {
                break;
            }
            token = Token();
            if (token == '}') {
                return Fail("object is missing after a comma");
            }
        }
        return token == '}' || Fail("unterminated object");
    }

    bool Array(JsonValue& array, int depth) {
        array = JsonValue::Array();
        if (!SkipBlanks()) {
            return Fail("unterminated array");
        }
        if (text_[at_] == ']') {
            Token();
            return true;
        }
        while (true) {
            if (!SkipBlanks()) {
                return Fail("unterminated array");
            }
            array.items.emplace_back();
            if (!Value(array.items.back(), depth + 1)) {
                return false;
            }
            const char token = Token();
            if (token == ']') {
                return true;
            }
            if (token != ',') {
                return Fail(SkipBlanks() ? "missing value separator" : "unterminated array");
            }
        }
    }

    bool Number(JsonValue& value) {
        // Takes what may belong to a number; the number reader judges whether it is one.
        const std::size_t start = at_;
        const auto take = [&](std::string_view these) {
            while (at_ < text_.size() && these.find(text_[at_]) != std::string_view::npos) {
                ++at_;
            }
        };
        if (at_ < text_.size() && text_[at_] == '-') {
            ++at_;
        }
        if (at_ < text_.size() && text_[at_] == '0') {
            ++at_; // a number's leading zero stands alone
        } else {
            take("0123456789");
        }
        if (at_ < text_.size() && text_[at_] == '.') {
            ++at_;
            take("0123456789");
        }
        if (at_ < text_.size() && (text_[at_] == 'e' || text_[at_] == 'E')) {
            ++at_;
            if (at_ < text_.size() && (text_[at_] == '+' || text_[at_] == '-')) {
                ++at_;
            }
            take("0123456789");
        }
        if (at_ >= text_.size()) {
            return Fail("invalid termination by number");
        }
        const std::optional<double> read = ReadExactNumber(text_.substr(start, at_ - start));
        if (!read) {
            return Fail("illegal number");
        }
        value = JsonValue::Number(*read == 0 ? 0.0 : *read);
        return true;
    }

    bool String(std::string& out) {
        bool escaped = false;
        while (at_ < text_.size() && text_[at_] != '"') {
            if (text_[at_] != '\\') {
                if (!Character(out)) {
                    return Fail("invalid UTF8 string");
                }
            } else if (!escaped && at_ + 1 >= text_.size()) {
                ++at_;
                return Fail("unterminated string");
            } else if (escaped = true; !Escape(out)) {
                return Fail("invalid escape sequence");
            }
        }
        ++at_;
        return at_ < text_.size() || Fail("unterminated string");
    }

    // An escape from its backslash on.
    bool Escape(std::string& out) {
        if (++at_ >= text_.size()) {
            return false;
        }
        const char c = text_[at_++];
        constexpr std::string_view kFrom = "\"\\/bfnrt";
        constexpr std::string_view kTo = "\"\\/\b\f\n\r\t";
        if (c != 'u') {
            const std::size_t k = kFrom.find(c);
            Append(out, k != std::string_view::npos ? static_cast<unsigned char>(kTo[k])
                                                    : static_cast<unsigned char>(c));
            return true;
        }
        std::uint32_t unit = 0;
        if (!Hex(unit)) {
            return false;
        }
        // A pair of surrogates is one character; a surrogate alone is written "?".
        if (unit >= 0xD800 && unit < 0xDC00 && text_.substr(at_, 2) == "\\u") {
            const std::size_t before = at_;
            at_ += 2;
            std::uint32_t low = 0;
            if (Hex(low) && low >= 0xDC00 && low < 0xE000) {
                Append(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                return true;
            }
            at_ = before;
        }
        Append(out, unit >= 0xD800 && unit < 0xE000 ? '?' : unit);
        return true;
    }

    bool Hex(std::uint32_t& unit) {
        if (text_.size() - at_ < 4) {
            return false;
        }
        for (int i = 0; i < 4; ++i) {
            const char c = text_[at_];
            const int digit = c >= '0' && c <= '9'   ? c - '0'
                              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                              : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                     : -1;
            if (digit < 0) {
                return false;
            }
            unit = unit * 16 + static_cast<std::uint32_t>(digit);
            ++at_;
        }
        return true;
    }

    // One UTF-8 character, copied as it stands; false for bytes that are not one (overlong forms,
    // surrogates and values past U+10FFFF included).
    bool Character(std::string& out) {
        const auto byte = [&](std::size_t k) {
            return at_ + k < text_.size() ? static_cast<unsigned char>(text_[at_ + k]) : 0u;
        };
        const unsigned lead = byte(0);
        std::size_t length = 1;
        std::uint32_t code = lead;
        std::uint32_t least = 0;
        if (lead >= 0x80) {
            length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
            if (length == 0 || lead >= 0xF8) {
                return false;
            }
            code = lead & (0x7Fu >> length);
            least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
            for (std::size_t k = 1; k < length; ++k) {
                if ((byte(k) & 0xC0) != 0x80) {
                    return false;
                }
                code = (code << 6) | (byte(k) & 0x3F);
            }
            if (code < least || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
                return false;
            }
        }
        out.append(text_.substr(at_, length));
        at_ += length;
        return true;
    }

    static void Append(std::string& out, std::uint32_t code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::string fault_;
};

} // namespace

JsonText::Parsed JsonText::Parse(std::string_view bytes) {
    return Reader(bytes).Document();
}
