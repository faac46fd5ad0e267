#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits at every ":"; empty fields count, so the field count is the number of ":" plus one.
std::vector<std::string> SplitFields(std::string_view text);

// Joins fields with ":" between them.
std::string JoinFields(const std::vector<std::string>& fields);

// Splits at every line's end; a last line's end adds no empty line, and "" gives none.
std::vector<std::string_view> SplitLines(std::string_view text);

// The text without its leading and trailing blanks.
std::string_view TrimBlanks(std::string_view text);
