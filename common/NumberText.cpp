#include "common/NumberText.h"

#include "common/Fields.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#if HOPSCAPE_NUMBERS_FROM_C_LIBRARY
#include <locale.h>
#endif

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

// Values beyond the double range saturate at the largest finite value, so every number the
// program reads or writes stays a number ("1E999" is huge, not infinite).
double Saturate(double value) {
    return std::isinf(value) ? std::copysign(std::numeric_limits<double>::max(), value) : value;
}

// Whether a decimal number too large or too small for a double is too large: its value is
// 0.d1d2... x 10^E with d1 its first non-zero digit, and it overflows when E is positive.
bool Overflows(std::string_view number) {
    long long exponent = 0;
    const std::size_t e = number.find_first_of("eE");
    if (e != std::string_view::npos) {
        std::string_view digits = number.substr(e + 1);
        const bool negative = !digits.empty() && digits.front() == '-';
        if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
            digits.remove_prefix(1);
        }
        for (char c : digits) {
            exponent = std::min(exponent * 10 + (c - '0'), 1000000000LL);
        }
        exponent = negative ? -exponent : exponent;
        number = number.substr(0, e);
    }
    const std::size_t point = std::min(number.find('.'), number.size());
    const std::size_t first = number.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return false;
    }
    const long long shift = first < point ? static_cast<long long>(point - first)
                                          : -static_cast<long long>(first - point - 1);
    return exponent + shift > 0;
}

// Reads a number without its sign into `value`; true when it lies beyond a double's range, either
// way. Writes a magnitude in the general form with `digits` significant digits; returns its end.
// Writes the shortest scientific form that reads back as the magnitude ("1.5e+20").
bool ReadDigits(std::string_view number, double& value);
char* WriteDigits(double magnitude, int digits, char* buffer, std::size_t size);
char* WriteShortest(double magnitude, char* buffer, std::size_t size);

#if HOPSCAPE_NUMBERS_FROM_C_LIBRARY
// Where the C++ library lacks floating-point to_chars and from_chars (libc++ 13), the C library
// converts instead, with the "C" locale in force on this thread for the call, so the point is a
// point whatever the user's locale.
class ClassicLocale {
public:
    ClassicLocale() : previous_(uselocale(Classic())) {}
    ~ClassicLocale() { uselocale(previous_); }
    ClassicLocale(const ClassicLocale&) = delete;
    ClassicLocale& operator=(const ClassicLocale&) = delete;

private:
    static locale_t Classic() {
        static const locale_t classic = newlocale(LC_ALL_MASK, "C", locale_t{});
        return classic;
    }
    locale_t previous_;
};

bool ReadDigits(std::string_view number, double& value) {
    const std::string text(number);
    const ClassicLocale classic;
    errno = 0;
    value = std::strtod(text.c_str(), nullptr);
    // The C library also calls a subnormal result out of range; from_chars keeps it.
    return errno == ERANGE && (value == 0 || std::isinf(value));
}

char* WriteDigits(double magnitude, int digits, char* buffer, std::size_t size) {
    const ClassicLocale classic;
    const int written = std::snprintf(buffer, size, "%.*g", digits, magnitude);
    return buffer + std::clamp(written, 0, static_cast<int>(size) - 1);
}

// The closest decimal with p digits is the one to keep at the least p that reads back. Where p
// digits read back so do p + 1 (the closest decimal with p + 1 digits lies no further off than the
// one with p, a zero added), so the least p is found by halving: five conversions, not up to 17.
char* WriteShortest(double magnitude, char* buffer, std::size_t size) {
    const ClassicLocale classic;
    const auto write = [&](int digits) {
        const int written = std::snprintf(buffer, size, "%.*e", digits - 1, magnitude);
        return buffer + std::clamp(written, 0, static_cast<int>(size) - 1);
    };
    int low = 1;                                          // fewer digits than this do not read back
    int high = std::numeric_limits<double>::max_digits10; // these always do
    while (low < high) {
        const int middle = (low + high) / 2;
        write(middle);
        if (std::strtod(buffer, nullptr) == magnitude) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return write(high);
}
#else
bool ReadDigits(std::string_view number, double& value) {
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    return error == std::errc::result_out_of_range;
}

char* WriteDigits(double magnitude, int digits, char* buffer, std::size_t size) {
    return std::to_chars(buffer, buffer + size, magnitude, std::chars_format::general, digits).ptr;
}

char* WriteShortest(double magnitude, char* buffer, std::size_t size) {
    return std::to_chars(buffer, buffer + size, magnitude, std::chars_format::scientific).ptr;
}
#endif

// `number` is a complete decimal number as NumberLength found it. Read the same in every locale.
double ParseNumber(std::string_view number) {
    const bool negative = number.front() == '-';
    if (number.front() == '+' || negative) {
        number.remove_prefix(1);
    }
    double value = 0;
    if (ReadDigits(number, value)) {
        value = Overflows(number) ? std::numeric_limits<double>::max() : 0.0;
    }
    return Saturate(negative ? -value : value);
}

// The general form with `digits` significant digits and an upper-case exponent ("1.5E+20"),
// written the same in every locale.
std::string Format(double value, int digits) {
    if (value == 0.0 || std::isnan(value)) {
        return " 0";
    }
    const double magnitude = Saturate(std::abs(value));
    char buffer[64];
    // Whole values that fit the digits are written digit for digit, as the general form would,
    // and faster: router costs and most steps are whole.
    if (digits == 15 && magnitude < 1e15 && magnitude == std::trunc(magnitude)) {
        const auto [end, error] =
            std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(magnitude));
        return (value < 0 ? "-" : " ") + std::string(buffer, end);
    }
    std::string body(buffer, WriteDigits(magnitude, digits, buffer, sizeof buffer));
    for (char& c : body) {
        if (c == 'e') {
            c = 'E';
        }
    }
    // Only the mantissa loses its leading zero: " .5", "-.25".
    if (body.size() > 1 && body[0] == '0' && body[1] == '.') {
        body.erase(0, 1);
    }
    return (value < 0 ? "-" : " ") + body;
}

} // namespace

std::string NumberText(double value) {
    return Format(value, 15);
}

std::string NumberTextSingle(float value) {
    return Format(static_cast<double>(value), 7);
}

ShortestDigits Shortest(double magnitude) {
    char buffer[64];
    const char* end = WriteShortest(magnitude, buffer, sizeof buffer);
    const std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    const std::size_t e = text.find('e');
    ShortestDigits shortest;
    for (char c : text.substr(0, e)) {
        if (IsDigit(c)) {
            shortest.digits += c;
        }
    }
    shortest.exponent = static_cast<int>(std::lround(ReadNumber(text.substr(e + 1))));
    return shortest;
}

std::optional<double> ReadExactNumber(std::string_view number) {
    const bool negative = !number.empty() && number.front() == '-';
    if (!number.empty() && (number.front() == '+' || negative)) {
        number.remove_prefix(1);
    }
    double value = 0;
    const std::size_t length = NumberLength(number);
    if (length == 0 || length != number.size() || ReadDigits(number, value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
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
