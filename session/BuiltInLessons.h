#pragma once

#include "files/LessonScript.h"

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
    // The lesson after the one given, in the order of All(): the lesson a clicker goes on to at
    // the end of one. None after the last, or after a lesson not built in.
    static std::optional<LessonScript> After(const LessonScript& lesson);
    // Each lesson's title with a line on what it shows, in the order of All().
    static std::vector<std::pair<std::string, std::string>> Lines();
};
