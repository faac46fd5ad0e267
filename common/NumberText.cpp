#include "common/NumberText.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the decimal number at the start of text (sign, digits, point, digits, exponent), or 0
// when the text does not start with one.
std::size_t NumberLength(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            while (j < text.size() && IsDigit(text[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

// Values beyond the double range saturate at the largest finite value, so every number the
// program reads or writes stays a number ("1E999" is huge, not infinite).
double Saturate(double value) {
    return std::isinf(value) ? std::copysign(std::numeric_limits<double>::max(), value) : value;
}

// `number` is a complete decimal number as NumberLength found it.
double ParseNumber(std::string_view number) {
    const bool negative = number.front() == '-';
    if (number.front() == '+' || negative) {
        number.remove_prefix(1);
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Rare: let the C library tell overflow (saturated below) from underflow (zero).
        value = std::strtod(std::string(number).c_str(), nullptr);
    }
    return Saturate(negative ? -value : value);
}

std::string Format(double value, int digits) {
    if (value == 0.0 || std::isnan(value)) {
        return " 0";
    }
    // Whole values that fit the digits are written digit for digit, as the general form would.
    if (digits == 15 && std::abs(value) < 1e15 && value == std::trunc(value)) {
        char buffer[24];
        buffer[0] = value < 0 ? '-' : ' ';
        const auto whole = static_cast<long long>(std::abs(value));
        const auto [end, error] = std::to_chars(buffer + 1, buffer + sizeof buffer, whole);
        return std::string(buffer, end);
    }
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", digits, Saturate(value));
    std::string text(buffer);
    // "E+05" is written "E+05" as is; only the mantissa loses its leading zero.
    const bool negative = text.front() == '-';
    std::string body = negative ? text.substr(1) : text;
    if (body.size() > 1 && body[0] == '0' && body[1] == '.') {
        body.erase(0, 1);
    }
    return (negative ? "-" : " ") + body;
}

} // namespace

std::string NumberText(double value) {
    return Format(value, 15);
}

std::string NumberTextSingle(float value) {
    return Format(static_cast<double>(value), 7);
}

double ReadNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    const std::size_t length = NumberLength(text);
    return length == 0 ? 0.0 : ParseNumber(text.substr(0, length));
}

bool IsNumeric(std::string_view text) {
    text = TrimBlanks(text);
    return !text.empty() && NumberLength(text) == text.size();
}
