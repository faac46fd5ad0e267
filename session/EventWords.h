#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The words of one line of a lecture's stream (an event, a frame's head, the start), taken one
// at a time, each checked as it is taken: a number in its range, a text after "=" with every
// byte but letters, digits and "-._~" written as %XX. The first fault found is kept, and every
// later word reads as nothing.
class EventWords {
public:
    EventWords(std::string_view line, std::size_t most);

    // A text as a word: "=" and the text escaped.
    static std::string Escaped(std::string_view text);

    const std::string& Fault() const { return fault_; }
    void Fail(std::string fault);

    std::string_view Next(const char* what);
    long Number(const char* what, long least, long most);
    std::uint64_t Unsigned(const char* what);
    // Sixteen hex digits, as a fingerprint is written.
    std::uint64_t Hex(const char* what);
    std::string Text(const char* what, std::size_t longest);
    // No word may be left over.
    void End();

private:
    std::vector<std::string_view> words_;
    std::size_t next_ = 0;
    std::string fault_;
};
