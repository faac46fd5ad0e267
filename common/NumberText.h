#pragma once

#include <optional>
#include <string>
#include <string_view>

// The one form in which numbers are written into texts: the shortest decimal form, a leading
// blank for zero or more and "-" for negatives, no zero before the point (" .5", "-.25") and no
// point for whole values (" 80"). Doubles keep at most 15 significant digits, singles 7.
std::string NumberText(double value);
std::string NumberTextSingle(float value);

// The fewest significant digits that read back as `magnitude` (positive and finite), closest to it
// where several would: 0.015 is {"15", -2}, 1.5E+20 is {"15", 20}; `exponent` is the first digit's.
struct ShortestDigits {
    std::string digits;
    int exponent = 0;
};
ShortestDigits Shortest(double magnitude);

// Strict reader of one complete decimal number as IsNumeric takes it: nothing where the text is
// no number ("", "-", "1e") or the number lies beyond a double's range, either way (a non-zero
// number that would read as zero included).
std::optional<double> ReadExactNumber(std::string_view number);

// Lenient reader: skips leading blanks and takes the number at the start of the text; a text that
// does not start with a number (blank text included) reads as 0.
double ReadNumber(std::string_view text);

// True when the text, leading and trailing blanks aside, is a decimal number: optional sign,
// digits, optional fraction, optional exponent. " 3", "3" and "-.5" are numeric; "inf", "-", "L"
// and "" are not.
bool IsNumeric(std::string_view text);
