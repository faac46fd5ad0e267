#pragma once

#include "app/Snapshot.h"
#include "files/LessonScript.h"
#include "form/RipState.h"
#include "session/Hall.h"
#include "session/Relay.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class MainForm;
class RandomSource;

// How the lecturer asked the program to open, from its command line: a scenario to open in
// instead of "Random 1", a fixed seed for the random source instead of the clock (so random and
// flooding runs repeat from one lecture to the next), full screen, RIP's rules, a demonstration
// or a lesson to open, practice, and the projector look. With none given the program opens exactly
// as it always does.
struct StartOptions {
    std::optional<std::string> scenario;
    std::optional<std::uint64_t> seed;
    bool fullScreen = false;
    RipSwitches rip;                       // RIP's rules to switch on
    std::optional<Snapshot> demonstration; // a demonstration to open, read from its file
    std::optional<LessonScript> lesson;    // a lesson to start
    bool projector = false;                // the look for a hall's projector
    std::optional<int> practice;           // practice at a level from 1 to 3
    std::optional<Hall::Place> serve;      // where a hall that follows is served
    std::optional<Relay::Place> relay;     // or the relay it follows through
    std::string relayPage;                 // and the page phones open to, with the relay's address
    std::optional<std::string> language;   // the language to speak, by its code ("en", "de")
    std::vector<std::string> notes;        // for the log: what a file held that was ignored
    // The options taken, one "name=value" a line as SetAll reads them, and the file opened by
    // its name and bytes: enough to open the same again elsewhere (Replica::StartLine).
    std::string given;
    std::string fileName;
    std::string fileBytes;

    // The options by name, with the word for a value they take (empty for a switch) and what
    // they do: a command line's help is made from them. "open" takes a demonstration's or
    // lesson's file, and "lessons" asks for the built-in lessons' titles.
    struct Option {
        std::string name;
        std::string value;
        std::string text;
    };
    static std::vector<Option> Options();
    // Takes one option as a command line or a page's address gives it, by its name without
    // dashes, with its value: "scenario", "seed", "rip", "lesson" (a built-in lesson's title),
    // "practice" (a level) and the switches "fullscreen" and "projector" (their value "", "1" or
    // "0"). Returns what is wrong, as one sentence, and changes nothing then, or the empty text; a
    // scenario is judged later, by Problem().
    std::string Set(std::string_view name, std::string_view value);
    // Takes the options a page's address gives, one "name=value" a line (a name alone is a switch
    // on); returns every fault, one a line, with what Problem() finds.
    std::string SetAll(std::string_view lines);
    // RIP's rules by the names Set takes: "infinity, periodic, ..., timeout-only".
    static std::string RuleNames();
    // The built-in lessons' titles, one a line.
    static std::string LessonTitles();

    // Opens a demonstration's or lesson's file by its name and bytes (`lessonOnly`: a lesson's
    // alone), as "open" and "lesson" do. Returns what is wrong, as HopscapeFile::Problem says
    // it, and changes nothing then, or the empty text.
    std::string TakeFile(const std::string& name, std::string bytes, bool lessonOnly);

    // Why the language asked for by name cannot be spoken: "No language is called 'it'; there
    // are en, de, es, fr." (`available` the codes of the catalogues there are), or the empty text
    // when there is its catalogue or it is English, spoken without one.
    static std::string LanguageFault(const std::string& asked,
                                     const std::vector<std::string>& available);

    // Reads a seed written as decimal digits only, the same in every locale.
    static std::optional<std::uint64_t> ReadSeed(std::string_view text);
    // Reads RIP's rules: "all", or names separated by commas ("infinity,hold-down"). Returns the
    // first name it does not know (an empty one too, as in "" or "infinity,,periodic"), or none
    // when every name is known.
    static std::optional<std::string> ReadRules(std::string_view text, RipSwitches& rules);
    // What is wrong with the options ("no scenario is called ..."), or the empty text.
    std::string Problem() const;
    // Start-up, then what the options ask for, as if the lecturer had picked the scenario and
    // switched the rules on.
    void Start(MainForm& form, RandomSource& random) const;

private:
    // Set, without keeping what was given.
    std::string Take(std::string_view name, std::string_view value);
};
