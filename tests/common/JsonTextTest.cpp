#include "common/JsonText.h"
#include "common/JsonWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

std::string Written(double number) {
    return JsonWriter::Write(JsonValue::Array({JsonValue::Number(number)}));
}

} // namespace

// Files saved by every earlier version hold numbers in exactly these forms; a file must re-save
// byte for byte.
TEST(JsonText, NumbersAreWrittenAsFilesHaveAlwaysHadThem) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {80, "80"},
        {-15, "-15"},
        {0.5, "0.5"},
        {1e15, "1000000000000000"},
        {9007199254740992.0, "9007199254740992"},
        {1e16, "1e+16"},
        {1.5e16, "1.5e+16"},
        {123456789012345678.0, "123456789012345680"},
        {0.0001, "1e-04"},
        {0.001, "0.001"},
        {-2.5e-5, "-2.5e-05"},
        {1.0 / 3, "0.3333333333333333"},
        {123456.789, "123456.789"},
        {1e300, "1e+300"},
        {5e-324, "5e-324"},
        {std::numeric_limits<double>::quiet_NaN(), "null"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Written(c.value), std::string("[\n    ") + c.text + "\n]\n") << c.text;
    }
}

TEST(JsonText, WritesIndentedWithSortedKeysAndEscapes) {
    JsonValue inner = JsonValue::Object();
    inner.Set("z", JsonValue::Number(1))
        .Set("a", JsonValue::Array({JsonValue::Array(), JsonValue::Object()}));
    JsonValue document = JsonValue::Object();
    document.Set("text", JsonValue::String("a\"b\\c/d\b\f\n\r\t\x01\x1f\x7f é 🙂"))
        .Set("inner", std::move(inner))
        .Set("b", JsonValue::Bool(true))
        .Set("n", JsonValue());
    EXPECT_EQ(JsonWriter::Write(document),
              "{\n"
              "    \"b\": true,\n"
              "    \"inner\": {\n"
              "        \"a\": [\n"
              "            [\n"
              "            ],\n"
              "            {\n"
              "            }\n"
              "        ],\n"
              "        \"z\": 1\n"
              "    },\n"
              "    \"n\": null,\n"
              "    \"text\": \"a\\\"b\\\\c/d\\b\\f\\n\\r\\t\\u0001\\u001f\x7f é 🙂\"\n"
              "}\n");
}

TEST(JsonText, WritesCompactOnOneLine) {
    JsonValue document = JsonValue::Object();
    document.Set("z", JsonValue::Array({JsonValue::Number(0.5), JsonValue::Array(), JsonValue()}))
        .Set("a", JsonValue::Object().Set("q", JsonValue::String("x\ny")));
    EXPECT_EQ(JsonWriter::WriteCompact(document), "{\"a\":{\"q\":\"x\\ny\"},\"z\":[0.5,[],null]}");
}

// What a lecturer reads when a file is no JSON: the same words and bytes as ever.
TEST(JsonText, FaultsNameWhatAndWhere) {
    const struct {
        std::string text;
        const char* fault;
    } cases[] = {
        {"", "illegal value at byte 0"},
        {"5", "illegal value at byte 1"},
        {"[1] x", "garbage at the end of the document at byte 4"},
        {"[nul]", "illegal value at byte 2"},
        {"{\"a\":1,}", "object is missing after a comma at byte 8"},
        {"{\"a\" 1}", "missing name separator at byte 6"},
        {"[1 2]", "missing value separator at byte 4"},
        {"[01]", "missing value separator at byte 3"},
        {"[\"\xc0\x80\"]", "invalid UTF8 string at byte 2"},
        {"[\"\xed\xa0\x80\"]", "invalid UTF8 string at byte 2"},
        {"[\"\\u12x4\"]", "invalid escape sequence at byte 6"},
        {"[1e999]", "illegal number at byte 6"},
        {"[1e-999]", "illegal number at byte 7"},
        {"[1e]", "illegal number at byte 3"},
        {"[-]", "illegal number at byte 2"},
        {"[\"abc", "unterminated string at byte 6"},
        {"[1", "invalid termination by number at byte 2"},
        {"[,1]", "illegal value at byte 2"},
        {"{\"a\":}", "object is missing after a comma at byte 6"},
        {std::string(65, '[') + std::string(65, ']'), "the document nests more than 64 deep"},
        {"[" + std::string(63, '[') + "1" + std::string(64, ']'),
         "the document nests more than 64 deep"},
    };
    for (const auto& c : cases) {
        const JsonText::Parsed parsed = JsonText::Parse(c.text);
        EXPECT_FALSE(parsed.document) << c.text;
        EXPECT_EQ(parsed.fault, c.fault) << c.text;
    }
    EXPECT_TRUE(JsonText::Parse(std::string(64, '[') + std::string(64, ']')).document);
}

TEST(JsonText, ReadsWhatFilesHaveAlwaysBeenAllowedToHold) {
    const auto first = [](const std::string& text) {
        const JsonText::Parsed parsed = JsonText::Parse(text);
        EXPECT_TRUE(parsed.document) << text << ": " << parsed.fault;
        return parsed.document ? parsed.document->items.at(0) : JsonValue();
    };
    EXPECT_EQ(first("\xEF\xBB\xBF[1]").number, 1) << "a byte order mark is skipped";
    EXPECT_EQ(first("[\"\\u00e9\\ud83d\\ude42\"]").text, "é🙂");
    EXPECT_EQ(first("[\"\\ud800x\"]").text, "?x") << "a lone surrogate";
    EXPECT_EQ(first("[\"\\x\\/\"]").text, "x/") << "an unknown escape is its own byte";
    EXPECT_EQ(first("[1.]").number, 1);
    EXPECT_EQ(first("[-.5]").number, -0.5);
    EXPECT_EQ(first("[2.5e-310]").number, 2.5e-310);
    EXPECT_EQ(first("[1.7976931348623157e308]").number, std::numeric_limits<double>::max());
    EXPECT_EQ(first("[12345678901234567890]").number, 12345678901234567890.0);

    const JsonText::Parsed twice = JsonText::Parse("{\"b\": 1, \"a\": 2, \"b\": 3}");
    ASSERT_TRUE(twice.document);
    ASSERT_EQ(twice.document->members.size(), 3u) << "duplicates are kept for the core to judge";
    EXPECT_EQ(twice.document->members[2].second.number, 3);
}
