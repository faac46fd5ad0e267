#pragma once

#include "app/LessonScript.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

// The lessons shipped with the program: the recipes for the lecturer, told step by step.
class BuiltInLessons {
public:
    static const std::vector<LessonScript>& All();
    // The lesson of that title, or none.
    static std::optional<LessonScript> Named(const std::string& title);
    // Each lesson's title with a line on what it shows, in the order of All().
    static std::vector<std::pair<std::string, std::string>> Lines();
};
