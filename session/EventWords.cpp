#include "session/EventWords.h"

#include <charconv>

namespace {

bool Plain(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

std::string Quoted(std::string_view word) {
    return std::string(word.substr(0, 24)) + (word.size() > 24 ? "..." : "");
}

} // namespace

EventWords::EventWords(std::string_view line, std::size_t most) {
    while (!line.empty() && words_.size() <= most) {
        const std::size_t end = line.find(' ');
        words_.push_back(line.substr(0, end));
        line = end == std::string_view::npos ? std::string_view() : line.substr(end + 1);
    }
    if (words_.size() > most) {
        Fail("too many words");
    }
}

std::string EventWords::Escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string word = "=";
    word.reserve(text.size() + 1);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (Plain(byte)) {
            word += c;
        } else {
            word += '%';
            word += kHex[byte >> 4];
            word += kHex[byte & 15];
        }
    }
    return word;
}

void EventWords::Fail(std::string fault) {
    if (fault_.empty()) {
        fault_ = std::move(fault);
    }
}

std::string_view EventWords::Next(const char* what) {
    if (!fault_.empty()) {
        return {};
    }
    if (next_ >= words_.size()) {
        Fail(std::string(what) + " missing");
        return {};
    }
    return words_[next_++];
}

long EventWords::Number(const char* what, long least, long most) {
    const std::string_view word = Next(what);
    if (!fault_.empty()) {
        return least;
    }
    long value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || word.empty() ||
        word.front() == '-' || value < least || value > most) {
        Fail(std::string(what) + " " + Quoted(word) + " out of range");
        return least;
    }
    return value;
}

std::uint64_t EventWords::Unsigned(const char* what) {
    const std::string_view word = Next(what);
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (fault_.empty() &&
        (error != std::errc() || end != word.data() + word.size() || word.empty())) {
        Fail(std::string(what) + " " + Quoted(word) + " is no number");
    }
    return value;
}

std::uint64_t EventWords::Hex(const char* what) {
    const std::string_view word = Next(what);
    std::uint64_t value = 0;
    if (fault_.empty() && (word.size() != 16 ||
                           word.find_first_not_of("0123456789abcdef") != std::string_view::npos)) {
        Fail(std::string(what) + " " + Quoted(word) + " is not sixteen hex digits");
    }
    if (fault_.empty()) {
        std::from_chars(word.data(), word.data() + word.size(), value, 16);
    }
    return value;
}

std::string EventWords::Text(const char* what, std::size_t longest) {
    const std::string_view word = Next(what);
    if (!fault_.empty()) {
        return {};
    }
    if (word.empty() || word.front() != '=') {
        Fail(std::string(what) + " must begin with =");
        return {};
    }
    if (word.size() - 1 > 3 * longest) {
        Fail(std::string(what) + " too long");
        return {};
    }
    std::string text;
    text.reserve(word.size());
    for (std::size_t i = 1; i < word.size(); ++i) {
        if (word[i] == '%') {
            const int high = i + 2 < word.size() ? HexDigit(word[i + 1]) : -1;
            const int low = high >= 0 ? HexDigit(word[i + 2]) : -1;
            if (low < 0) {
                Fail(std::string(what) + ": % without two capital hex digits");
                return {};
            }
            text += static_cast<char>(high * 16 + low);
            i += 2;
        } else if (Plain(static_cast<unsigned char>(word[i]))) {
            text += word[i];
        } else {
            Fail(std::string(what) + ": a byte not escaped");
            return {};
        }
    }
    if (text.size() > longest) {
        Fail(std::string(what) + " too long");
        return {};
    }
    return text;
}

void EventWords::End() {
    if (fault_.empty() && next_ < words_.size()) {
        Fail("words left over");
    }
}
