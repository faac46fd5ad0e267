// Prints, as part of the translators' template, the messages the core keeps in tables rather than
// in calls: the controls' captions, the scenarios, the lecturer's extras, and the built-in
// lessons' titles, captions and students' lines. `po/catalogue.py template` joins them to what it
// finds in the code.
#include "app/RipControl.h"
#include "common/SeededRandom.h"
#include "files/Extras.h"
#include "form/FormState.h"
#include "form/Layout.h"
#include "session/BuiltInLessons.h"
#include "session/Practice.h"

#include <iostream>
#include <set>
#include <string>
#include <vector>

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (c == '\n') {
            quoted += "\\n";
        } else {
            quoted += c;
        }
    }
    return quoted + "\"";
}

} // namespace

int main() {
    std::vector<std::pair<std::string, std::string>> messages; // text, where it comes from
    SeededRandom random(1);
    const FormState form(random);
    for (const std::string& caption :
         {form.Command1.caption, form.Command2.caption, form.Command3.caption,
          form.Command4.caption, form.Command5.caption, form.Command7.caption,
          form.chkSplit.caption}) {
        messages.emplace_back(caption, "control");
    }
    for (const char* caption : {Layout::kPause, Layout::kResume, Layout::kMany, Layout::kStop}) {
        messages.emplace_back(caption, "control");
    }
    for (const RipControl::RuleName& rule : RipControl::kRules) {
        messages.emplace_back(rule.name, "rule");
        messages.emplace_back(rule.option, "rule, short");
    }
    for (int level = 1; level <= Practice::kLevels; ++level) {
        messages.emplace_back(Practice::LevelName(level), "practice level");
    }
    for (const char* scenario : Layout::kScenarioNames) {
        messages.emplace_back(scenario, "scenario");
    }
    for (const Extras::Entry& entry : Extras::kEntries) {
        messages.emplace_back(entry.name, "menu");
    }
    for (const LessonScript& lesson : BuiltInLessons::All()) {
        messages.emplace_back(lesson.title, "built-in lesson");
        for (const LessonScript::Step& step : lesson.steps) {
            messages.emplace_back(step.caption, "built-in lesson");
            messages.emplace_back(step.detail, "built-in lesson");
        }
    }
    for (const auto& [title, line] : BuiltInLessons::Lines()) {
        messages.emplace_back(line, "built-in lesson");
    }
    std::set<std::string> written;
    for (const auto& [text, where] : messages) {
        if (text.empty() || !written.insert(text).second) {
            continue;
        }
        std::cout << "#. " << where << "\nmsgid " << Quoted(text) << "\nmsgstr \"\"\n\n";
    }
    return 0;
}
