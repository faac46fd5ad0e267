#pragma once

#include "files/Extras.h"
#include "files/HopscapeFile.h"
#include "session/Demonstration.h"
#include "session/LessonPlayer.h"
#include "session/Practice.h"

#include <optional>
#include <string>

// What a front end holds: the running demonstration, the lesson player on it, and the order of
// calls that decides when a lesson's wait ends. A front end fires two timers at the delays these
// calls return, hands every other event to the demonstration or the player, then calls Settle.
class Lecture {
public:
    explicit Lecture(class Demonstration& demonstration)
        : demonstration_(demonstration), player_(demonstration) {}

    class Demonstration& Demonstration() {
        return demonstration_;
    }
    const class Demonstration& Demonstration() const { return demonstration_; }
    LessonPlayer& Player() { return player_; }
    const LessonPlayer& Player() const { return player_; }

    // Practice at a level from 1 to 3, its first question from `seed`; a lesson playing stops.
    void Practise(int level, std::uint64_t seed, long now);
    // The practice under way, none while a lesson plays.
    const Practice* Practising() const;
    // The question asked now (of a lesson, a practice or the lecturer), and its cells answered,
    // as Question::Cells orders them: graded, the rows framed right or wrong, and the lesson's
    // press or the practice goes on.
    void Answer(const std::vector<std::string>& cells, long now);

    // When the timers fire next, in milliseconds from now; none where one sleeps.
    struct Next {
        std::optional<long> tick;  // the demonstration's next tick
        std::optional<long> frame; // the next framed row to clear
        bool stepsRan = false;     // a wait ended and the lesson's steps after it ran
    };
    // The tick timer fired: one tick, then a lesson's wait it ended lets the steps go on, and a
    // wait that nothing can end any more (nothing moves, nothing owed) ends at once.
    Next Tick(long now);
    // After any other event: a wait nothing can end any more ends at once. The tick comes one
    // interval after the last.
    Next Settle(long now);
    // The frame timer fired: framed rows whose time is up clear.
    std::optional<long> Frames(long now);

    // What an extra leaves to the front end once the lecture has done its own part: a window,
    // a dialogue, the clipboard, the screen; None where the lecture did all of it.
    enum class Job {
        None,
        ToggleLog,
        CopyPicture,
        SavePicture,
        EnterFullScreen,
        ToggleFullScreen,
        BlackScreen,
        AskHoldDownTime,
        Help,
        AskOpen,
        AskSaveDemonstration,
        AskSaveRecording,
        AskExportLog,
        AskExportTables,
        HallFollows,
        AskRelay,
    };
    Job Do(Extras::Id id, long now);
    // A job by name, for a front end that speaks text (the page's script): "" for None, then
    // "log", "copy picture", "save picture", "enter full screen", "full screen", "black screen",
    // "hold-down time", "help", "open", "save demonstration", "save recording", "export log",
    // "export tables", "hall follows", "relay".
    static const char* JobName(Job job);
    // How an extra reads in a menu as the lecture stands: its label ("Highlight changed rows (now
    // off)"), whether a switch is on or the speed chosen, and whether it can be used.
    struct ExtraState {
        std::string label;
        bool checked = false;
        bool enabled = true;
        bool operator==(const ExtraState&) const = default;
    };
    ExtraState Extra(Extras::Id id) const;
    // Whether the front end lets a hall follow now, which the menu says.
    void SetHallFollowing(bool following) { hallFollowing_ = following; }

    // A file read whole and valid (its fault, if any, the front end shows instead): a lesson
    // starts, a demonstration opens in place of any lesson; what the file held that no reader
    // knows is written to the log, by the file's `name`.
    void Open(const HopscapeFile::Read& read, const std::string& name, long now);
    // What the front end writes to a file for each saving extra: the demonstration, the recorded
    // lesson, the log as text and the tables as CSV.
    std::string DemonstrationBytes() const;
    std::string RecordingBytes() const;
    std::string LogText() const;
    std::string TablesCsv() const;

    // What the hold-down time's dialogue asks: its title, its question, the seconds now and the
    // range it takes.
    struct NumberQuestion {
        std::string title;
        std::string question;
        int value = 0;
        int least = 0;
        int most = 0;
    };
    NumberQuestion HoldDownQuestion() const;

    // The strip under the drawing: a lesson's caption, or how much a recording holds.
    struct Strip {
        bool shown = false;
        std::string caption;
        std::string detail; // the caption's longer line for a student
        std::string keys;   // where the lesson stands, and the keys that go on and back
        // While a question is asked, and all through practice, the pad's keys
        // (Question::PadKeys) in a row under the strip; they answer only while one is asked.
        std::vector<std::string> pad;
        bool answering = false;
    };
    // On a web `page`, with the page's keys.
    Strip CaptionStrip(bool page = false) const;
    // The corner: RIP's rules that are on, and while the true costs are shown, whether the tables
    // have converged ("Converged") and "3 tables since a table last changed".
    struct Meter {
        bool shown = false;
        std::string rules;
        std::string state;
        std::string since;
        bool operator==(const Meter&) const = default;
    };
    Meter Corner() const;

private:
    bool AllRulesOn() const;
    // Page Down in practice: the answer revealed, or the next question.
    void PracticeNext(long now);

    class Demonstration& demonstration_;
    LessonPlayer player_;
    std::optional<Practice> practice_;
    bool hallFollowing_ = false;
};
