#include "common/NumberText.h"
#include "common/Fields.h"
#include "common/Letters.h"
#include "common/SeededRandom.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

struct NumberCase {
    double value;
    const char* text;
};

class NumberTextForm : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberTextForm, WritesShortestSignedForm) {
    EXPECT_EQ(NumberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Examples, NumberTextForm,
                         testing::Values(NumberCase{80, " 80"}, NumberCase{-15, "-15"},
                                         NumberCase{0.5, " .5"}, NumberCase{-0.25, "-.25"},
                                         NumberCase{0, " 0"}, NumberCase{-0.0, " 0"},
                                         NumberCase{12, " 12"},
                                         NumberCase{1.0 / 3, " .333333333333333"},
                                         NumberCase{2.0 / 3, " .666666666666667"},
                                         NumberCase{123456789012345678.0, " 1.23456789012346E+17"},
                                         NumberCase{-1e-5, "-1E-05"}));

TEST(NumberText, SinglePrecisionKeepsSevenDigits) {
    EXPECT_EQ(NumberTextSingle(45.0f), " 45");
    EXPECT_EQ(NumberTextSingle(-15.0f), "-15");
    EXPECT_EQ(NumberTextSingle(1.0f / 3.0f), " .3333333");
    EXPECT_EQ(NumberTextSingle(-35.0f / 24.0f), "-1.458333");
}

TEST(NumberText, ReaderIsLenient) {
    EXPECT_EQ(ReadNumber(" 80"), 80);
    EXPECT_EQ(ReadNumber("-15"), -15);
    EXPECT_EQ(ReadNumber(" .5"), 0.5);
    EXPECT_EQ(ReadNumber("-.25"), -0.25);
    EXPECT_EQ(ReadNumber("  7abc"), 7);
    EXPECT_EQ(ReadNumber(""), 0);
    EXPECT_EQ(ReadNumber("   "), 0);
    EXPECT_EQ(ReadNumber("inf"), 0);
    EXPECT_EQ(ReadNumber("nan"), 0);
    EXPECT_EQ(ReadNumber("0x10"), 0);
    EXPECT_EQ(ReadNumber("-"), 0);
    EXPECT_EQ(ReadNumber("1E+20"), 1e20);
    EXPECT_EQ(ReadNumber("3e"), 3);
}

TEST(NumberText, EveryWrittenNumberReadsBackAndIsNumeric) {
    for (double v : {0.0, 1.0, -1.0, 0.5, -0.25, 1e20, 1e-5, 123456.789, -9.0 / 7}) {
        const std::string text = NumberText(v);
        EXPECT_TRUE(IsNumeric(text)) << text;
        EXPECT_NEAR(ReadNumber(text), v, std::abs(v) * 1e-14) << text;
    }
}

// Shortest is exact where the C library writes the digits as well as where the C++ library does:
// the digits read back, and one fewer, rounded, would not.
TEST(NumberText, ShortestDigitsAreTheFewestThatReadBack) {
    SeededRandom random(7);
    std::vector<double> values{
        0.1,       0.015, 5e-324, 1.7976931348623157e308, 9007199254740993.0, 123.456, 2.0 / 3,
        0.3 + 0.6, 1e23,  4.35};
    for (int i = 0; i < 2000; ++i) {
        // Pixel places as a page computes them, and doubles of every size.
        values.push_back(std::round(random.Next() * 1e5) / 64 + random.Next() * (i % 3 == 0));
        values.push_back(
            std::ldexp(random.Next() + 0.5, static_cast<int>(random.Next() * 200) - 100));
    }
    for (const double value : values) {
        const ShortestDigits shortest = Shortest(value);
        const std::string written =
            shortest.digits + "e" +
            std::to_string(shortest.exponent - static_cast<int>(shortest.digits.size()) + 1);
        EXPECT_EQ(std::strtod(written.c_str(), nullptr), value) << written;
        if (shortest.digits.size() > 1) {
            char fewer[64];
            std::snprintf(fewer, sizeof fewer, "%.*e", static_cast<int>(shortest.digits.size()) - 2,
                          value);
            EXPECT_NE(std::strtod(fewer, nullptr), value) << fewer << " for " << written;
        }
    }
}

// Qt adopts the user's locale for the C library, so under German settings a locale-bound
// writer gives " 0,5" and a locale-bound reader stops at the ".". Numbers must not notice.
TEST(NumberText, SameTextsUnderAGermanLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the German locale is missing; scripts/deps.sh generates it";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    EXPECT_STREQ(probe, "0,5") << "the locale is in force for the C library";

    EXPECT_EQ(NumberText(0.5), " .5");
    EXPECT_EQ(NumberText(12.5), " 12.5");
    EXPECT_EQ(NumberText(-0.25), "-.25");
    EXPECT_EQ(NumberText(123456789012345678.0), " 1.23456789012346E+17");
    EXPECT_EQ(NumberTextSingle(-35.0f / 24.0f), "-1.458333");
    EXPECT_EQ(ReadNumber(" .5"), 0.5);
    EXPECT_EQ(ReadNumber(" 12.5"), 12.5);
    EXPECT_EQ(ReadNumber("-1.458333"), -1.458333);
    EXPECT_EQ(ReadNumber("1.5E+400"), std::numeric_limits<double>::max());
    EXPECT_EQ(ReadNumber("-2.5E+400"), -std::numeric_limits<double>::max());
    EXPECT_EQ(ReadNumber("2.5E-400"), 0);
    EXPECT_EQ(ReadNumber("12,5"), 12) << "a comma is never a decimal point";
    EXPECT_TRUE(IsNumeric(" 12.5"));
    EXPECT_FALSE(IsNumeric(" 12,5"));
    std::setlocale(LC_ALL, previous.c_str());
}

TEST(NumberText, HugeValuesSaturateInsteadOfBecomingInfinite) {
    const double max = std::numeric_limits<double>::max();
    EXPECT_EQ(ReadNumber("1E999"), max);
    EXPECT_EQ(ReadNumber("-1E999"), -max);
    EXPECT_EQ(ReadNumber(std::string(400, '9')), max);
    EXPECT_EQ(ReadNumber("1E-999"), 0);
    EXPECT_EQ(ReadNumber("999.9E306"), max) << "past the range only through its digits";
    EXPECT_EQ(ReadNumber("000.5E309"), max);
    EXPECT_EQ(ReadNumber("0.0005E-400"), 0);
    EXPECT_EQ(ReadNumber("50000E-400"), 0);
    EXPECT_EQ(ReadNumber("2.5E-310"), 2.5e-310) << "subnormal, yet in range";
    EXPECT_EQ(NumberText(5e-320), " 4.99994433591342E-320");
    EXPECT_EQ(NumberText(1e15), " 1E+15");
    EXPECT_EQ(NumberText(max + max), " 1.79769313486232E+308");
    EXPECT_EQ(NumberText(-max * 2), "-1.79769313486232E+308");
    EXPECT_EQ(NumberTextSingle(1e38f * 10), " 1.797693E+308");
    EXPECT_TRUE(IsNumeric(NumberText(max + max)));
    EXPECT_EQ(NumberText(std::numeric_limits<double>::quiet_NaN()), " 0");
}

TEST(NumberText, StrictReaderTakesOnlyAWholeNumberInRange) {
    for (const char* no : {"", "-", ".", "1e", "1x", " 1", "1E999", "1E-999"}) {
        EXPECT_FALSE(ReadExactNumber(no).has_value()) << "'" << no << "'";
    }
    EXPECT_EQ(ReadExactNumber("-.5"), -0.5);
    EXPECT_EQ(ReadExactNumber("1."), 1.0);
    EXPECT_EQ(ReadExactNumber("2.5E-310"), 2.5e-310);
}

TEST(NumberText, NumericTest) {
    for (const char* yes : {" 3", "3", "0", "-2", "+2", " .5", "5.", "1.25 ", "1E+05"}) {
        EXPECT_TRUE(IsNumeric(yes)) << yes;
    }
    for (const char* no : {"inf", "-", "L", "", "  ", ".", "3x", "x3", "1 2", "nan", "0x1"}) {
        EXPECT_FALSE(IsNumeric(no)) << no;
    }
}

TEST(Fields, SplitKeepsEmptyFieldsAndJoinRestores) {
    EXPECT_EQ(SplitFields(""), std::vector<std::string>{""});
    EXPECT_EQ(SplitFields("Q:"), (std::vector<std::string>{"Q", ""}));
    EXPECT_EQ(SplitFields("R:0:A: 4:inf"), (std::vector<std::string>{"R", "0", "A", " 4", "inf"}));
    EXPECT_EQ(SplitFields("::").size(), 3u);
    for (const char* text : {"", ":", "a::b:", "0:T:B:B:A: 80: 10"}) {
        EXPECT_EQ(JoinFields(SplitFields(text)), text);
    }
}

TEST(Letters, RouterAndNetworkLetters) {
    EXPECT_EQ(RouterLetter(0), "A");
    EXPECT_EQ(RouterLetter(5), "F");
    EXPECT_EQ(NetworkLetter(2), "c");
    EXPECT_EQ(RouterIndex("C"), 2);
    EXPECT_EQ(RouterIndex("Fx"), 5);
    EXPECT_EQ(RouterIndex("L"), -1);
    EXPECT_EQ(RouterIndex("a"), -1);
    EXPECT_EQ(RouterIndex(""), -1);
}

TEST(SeededRandom, SameSeedSameSequenceWithinUnitInterval) {
    SeededRandom a(42);
    SeededRandom b(42);
    SeededRandom c(43);
    bool differs = false;
    for (int i = 0; i < 1000; ++i) {
        const double x = a.Next();
        EXPECT_EQ(x, b.Next());
        EXPECT_GE(x, 0.0);
        EXPECT_LT(x, 1.0);
        differs = differs || x != c.Next();
    }
    EXPECT_TRUE(differs);
}
