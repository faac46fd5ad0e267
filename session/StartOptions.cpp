#include "session/StartOptions.h"

#include "app/MainForm.h"
#include "app/RipControl.h"
#include "app/Scenarios.h"
#include "common/RandomSource.h"
#include "common/Translate.h"
#include "files/HopscapeFile.h"
#include "session/BuiltInLessons.h"

#include <algorithm>
#include <charconv>

std::vector<StartOptions::Option> StartOptions::Options() {
    return {
        {"scenario", "name", Translate("Open in the scenario called <name>.")},
        {"seed", "n",
         Translate("Seed the random source with <n> instead of the clock, so that random and "
                   "flooding runs repeat.")},
        {"fullscreen", "", Translate("Open full screen.")},
        {"rip", "rules",
         Translate("Switch RIP's rules on: all, or a comma-separated list of {rules}.",
                   {{"rules", RuleNames()}})},
        {"open", "file", Translate("Open the demonstration (or lesson) saved in <file>.")},
        {"lesson", "name|file",
         Translate("Start the built-in lesson called <name>, or the lesson in a file.")},
        {"lessons", "", Translate("Print the built-in lessons' names.")},
        {"projector", "",
         Translate(
             "Open in the look for a hall's projector: larger table text, outlined packets.")},
        {"practice", "level",
         Translate("Practise predicting the tables at <level>, 1, 2 or 3; with a seed, the first "
                   "question is the one that seed draws.")},
        {"serve", "[address][:port]",
         Translate("Let the hall follow: serve the page and the lecture to phones at <address> "
                   "(all the machine's where none is given) and <port> (8321 where none is "
                   "given, 0 for any free one), and print the address they open.")},
        {"relay", "nats://[user:password@]host[:port]",
         Translate("Let the hall follow through a relay (a NATS server) rather than from this "
                   "machine, and print the address phones open.")},
        {"lang", "code",
         Translate("Show every text in the language <code> (en for English) rather than the "
                   "system's.")},
        {"relay-page", "address",
         Translate(
             "The page phones open with the relay's WebSocket address, as {example} (the "
             "page hosted with the relay where none is given).",
             {{"example", "https://course.example.edu/hopscape/?relay=wss://relay.example.edu"}})},
    };
}

std::string StartOptions::Set(std::string_view name, std::string_view value) {
    std::string fault = Take(name, value);
    // Where a hall follows is no part of the lecture (and a relay's address may hold a
    // password): it is not given on to the followers.
    // Nor is the language: every follower reads its own.
    if (fault.empty() && name != "serve" && name != "relay" && name != "relay-page" &&
        name != "lang") {
        given += std::string(name) + "=" + std::string(value) + "\n";
    }
    return fault;
}

std::string StartOptions::TakeFile(const std::string& name, std::string bytes, bool lessonOnly) {
    HopscapeFile::Read read = HopscapeFile::FromBytes(bytes);
    if (read.fault.empty() && lessonOnly && !read.lesson) {
        read.fault = "holds a demonstration, not a lesson; open it with --open";
    }
    if (!read.fault.empty()) {
        return HopscapeFile::Problem(name, read.fault);
    }
    if (!lessonOnly) {
        demonstration = std::move(read.demonstration);
    }
    lesson = std::move(read.lesson);
    for (const std::string& member : read.ignored) {
        notes.push_back(HopscapeFile::IgnoredLine(name, member));
    }
    fileName = name;
    fileBytes = std::move(bytes);
    return "";
}

std::string StartOptions::Take(std::string_view name, std::string_view value) {
    const std::string quoted = "'" + std::string(value) + "'";
    if (name == "scenario") {
        scenario = std::string(value);
        return "";
    }
    if (name == "seed") {
        const std::optional<std::uint64_t> read = ReadSeed(value);
        seed = read ? read : seed;
        return read ? ""
                    : "The seed must be a whole number from 0 to 18446744073709551615, not " +
                          quoted + ".";
    }
    if (name == "rip") {
        const std::optional<std::string> unknown = ReadRules(value, rip);
        return unknown ? "No RIP rule is called '" + *unknown + "'; the rules are all, " +
                             RuleNames() + "."
                       : "";
    }
    if (name == "lesson") {
        std::optional<LessonScript> named = BuiltInLessons::Named(std::string(value));
        if (named) {
            lesson = std::move(named);
            return "";
        }
        std::string titles;
        for (const LessonScript& lesson : BuiltInLessons::All()) {
            titles += (titles.empty() ? "\"" : ", \"") + lesson.title + "\"";
        }
        return "No built-in lesson is called " + quoted + ", and no file either; the lessons are " +
               titles + ".";
    }
    if (name == "serve") {
        std::string fault;
        serve = Hall::ReadPlace(value, fault);
        return fault;
    }
    if (name == "relay") {
        std::string fault;
        relay = Relay::Read(value, fault);
        return fault;
    }
    if (name == "lang") {
        const bool code =
            !value.empty() && value.size() <= 16 &&
            std::all_of(value.begin(), value.end(), [](char c) {
                return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '-' || c == '_';
            });
        if (code) {
            language = std::string(value);
        }
        return code ? ""
                    : Translate("A language is a code such as de or pt-BR, not {value}.",
                                {{"value", quoted}});
    }
    if (name == "relay-page") {
        std::string fault = Relay::PageFault(value);
        if (fault.empty()) {
            relayPage = std::string(value);
        }
        return fault;
    }
    if (name == "practice") {
        if (value == "1" || value == "2" || value == "3") {
            practice = value.front() - '0';
            return "";
        }
        return "The practice's level is 1, 2 or 3, not " + quoted + ".";
    }
    bool* const on = name == "fullscreen"  ? &fullScreen
                     : name == "projector" ? &projector
                                           : nullptr;
    if (on == nullptr) {
        return "No option is called '" + std::string(name) + "'.";
    }
    if (value != "" && value != "1" && value != "0") {
        return "'" + std::string(name) + "' is on (1) or off (0), not " + quoted + ".";
    }
    *on = value != "0";
    return "";
}

std::string StartOptions::SetAll(std::string_view lines) {
    std::string faults;
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        const std::string_view line = lines.substr(0, end);
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
        const std::size_t equals = line.find('=');
        const std::string fault =
            Set(line.substr(0, equals),
                equals == std::string_view::npos ? "" : line.substr(equals + 1));
        if (!fault.empty()) {
            faults += (faults.empty() ? "" : "\n") + fault;
        }
    }
    const std::string problem = Problem();
    return faults.empty() || problem.empty() ? faults + problem : faults + "\n" + problem;
}

std::string StartOptions::RuleNames() {
    std::string names;
    for (const RipControl::RuleName& rule : RipControl::kRules) {
        names += (names.empty() ? "" : ", ") + std::string(rule.option);
    }
    return names;
}

std::string StartOptions::LessonTitles() {
    std::string titles;
    for (const LessonScript& lesson : BuiltInLessons::All()) {
        titles += lesson.title + "\n";
    }
    return titles;
}

std::optional<std::uint64_t> StartOptions::ReadSeed(std::string_view text) {
    std::uint64_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return seed;
}

std::optional<std::string> StartOptions::ReadRules(std::string_view text, RipSwitches& rules) {
    RipSwitches read = rules;
    while (true) {
        const std::size_t comma = text.find(',');
        const std::string_view name = text.substr(0, comma);
        bool known = name == "all";
        for (const RipControl::RuleName& rule : RipControl::kRules) {
            if (name == rule.option || name == "all") {
                known = true;
                RipControl::Switch(read, rule.rule, true);
            }
        }
        if (!known) {
            return std::string(name);
        }
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
    }
    rules = read;
    return std::nullopt;
}

std::string StartOptions::Problem() const {
    if (serve && relay) {
        return "A hall follows either from this machine (--serve) or through a relay (--relay), "
               "not both";
    }
    if (scenario && !Scenarios::Known(*scenario)) {
        std::string names;
        for (const char* name : Scenarios::kNames) {
            names += std::string(names.empty() ? "" : ", ") + "\"" + name + "\"";
        }
        for (const char* name : Scenarios::kDemonstrations) {
            names += ", \"" + std::string(name) + "\"";
        }
        return "No scenario is called \"" + *scenario + "\"; the scenarios are " + names;
    }
    return "";
}

void StartOptions::Start(MainForm& form, RandomSource& random) const {
    form.Form_Load();
    // Start-up draws no random number, so seeding after it is seeding in its place.
    if (seed) {
        random.Seed(*seed);
    }
    if (scenario) {
        form.State().cmbSims.text = *scenario;
        form.cmbSims_Click();
    }
    for (const RipControl::RuleName& rule : RipControl::kRules) {
        if (RipControl::IsOn(rip, rule.rule)) {
            form.Rip().Set(rule.rule, true);
        }
    }
}

std::string StartOptions::LanguageFault(const std::string& asked,
                                        const std::vector<std::string>& available) {
    if (IsEnglish(asked) || !ChooseLanguage({asked}, available).empty()) {
        return "";
    }
    std::string codes = "en";
    for (const std::string& language : available) {
        codes += ", " + language;
    }
    return Translate("No language is called '{code}'; there are {codes}.",
                     {{"code", asked}, {"codes", codes}});
}
