// The order of calls a front end follows: when a lesson's wait ends, and the texts of the strip
// and the corner.
#include "session/Lecture.h"
#include "files/HopscapeFile.h"
#include "session/BuiltInLessons.h"
#include "session/Help.h"

#include "app/MainForm.h"
#include "common/SeededRandom.h"
#include "support/FakePlatform.h"
#include <algorithm>

#include <gtest/gtest.h>

namespace {

struct Room {
    FakePlatform platform{7};
    SeededRandom random{3};
    MainForm form{platform, random};
    Demonstration demonstration{form};
    Lecture lecture{demonstration};
    Room() { form.Form_Load(); }
};

LessonScript Script(std::vector<LessonScript::Step> steps) {
    LessonScript script;
    script.title = "Two rounds";
    script.scenario = "Example 1";
    script.steps = std::move(steps);
    return script;
}

} // namespace

TEST(Lecture, AWaitEndsOnTheTickThatEndsItOrAtOnceWhereNothingMoves) {
    Room hall;
    LessonPlayer& player = hall.lecture.Player();
    ASSERT_TRUE(player.Start(
        Script({LessonScript::Step::Do(Action::Click(Action::Control::Update)),
                LessonScript::Step::WaitTicks(3), LessonScript::Step::Say("After three ticks"),
                LessonScript::Step::WaitTicks(50), LessonScript::Step::Say("Nothing moved")}),
        0));
    player.Next(0);
    ASSERT_TRUE(player.Waiting()) << "Update sends tables that take ticks to arrive";
    long now = 0;
    int ticks = 0;
    Lecture::Next next = hall.lecture.Settle(now);
    ASSERT_TRUE(next.tick);
    while (!next.stepsRan && ticks < 10) {
        now += *next.tick;
        next = hall.lecture.Tick(now);
        ++ticks;
    }
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(player.Caption(), "After three ticks");

    // The next wait counts ticks, but once the tables have arrived the timer sleeps: the wait is
    // run out at once rather than never.
    player.Next(now);
    next = hall.lecture.Settle(now);
    int more = 0;
    // As a front end runs it: the tick timer fires while it is set, and nothing else happens.
    while (!next.stepsRan && next.tick && more < 100) {
        next = hall.lecture.Tick(now += *next.tick);
        ++more;
    }
    EXPECT_LT(more, 50) << "not all fifty ticks were waited for";
    EXPECT_TRUE(next.stepsRan);
    EXPECT_FALSE(player.Waiting());
    EXPECT_EQ(player.Caption(), "Nothing moved");
}

TEST(Lecture, TheStripAndTheCornerSayWhereTheLectureStands) {
    Room hall;
    EXPECT_FALSE(hall.lecture.CaptionStrip().shown);
    EXPECT_EQ(hall.lecture.Corner(), Lecture::Meter{});

    ASSERT_TRUE(hall.lecture.Player().Start(
        Script({LessonScript::Step::Say("One", "Longer"), LessonScript::Step::Say("Two")}), 0));
    hall.lecture.Player().Next(0);
    const Lecture::Strip playing = hall.lecture.CaptionStrip();
    EXPECT_TRUE(playing.shown);
    EXPECT_EQ(playing.caption, "One");
    EXPECT_EQ(playing.detail, "Longer");
    EXPECT_EQ(
        playing.keys,
        "Two rounds: step 1 of 2  \u2022  Page Down or \u2192: next   Page Up or \u2190: back");
    hall.lecture.Player().Stop();

    hall.demonstration.StartRecording(0);
    hall.demonstration.Act(Action::Click(Action::Control::Update), 0);
    EXPECT_EQ(hall.lecture.CaptionStrip().caption, "Recording: 1 action so far");

    hall.demonstration.ShowShortestPaths(true, 0);
    hall.form.Rip().Set(RipControl::Rule::Infinity, true);
    const Lecture::Meter corner = hall.lecture.Corner();
    EXPECT_TRUE(corner.shown);
    EXPECT_EQ(corner.rules, "RIP: infinity 16");
    EXPECT_EQ(corner.state, "Not converged");
    EXPECT_EQ(corner.since, "0 tables since a table last changed");
}

// The extras as a menu shows them and what each leaves to the front end, in the order a
// lecturer would meet them.
TEST(Lecture, ExtrasDoTheirPartAndSayWhatIsLeft) {
    using Extras::Id;
    using Job = Lecture::Job;
    Room hall;
    Lecture& lecture = hall.lecture;
    EXPECT_EQ(lecture.Extra(Id::Highlight).label, "Highlight changed rows (now off)");
    EXPECT_EQ(lecture.Extra(Id::HoldDownTime).label, "RIP: hold-down time (now 180 s)...");
    EXPECT_EQ(lecture.Extra(Id::RecordLesson).label, "Record lesson");
    EXPECT_EQ(lecture.Extra(Id::QuarterSpeed).label, "Quarter speed");
    EXPECT_TRUE(lecture.Extra(Id::NormalSpeed).checked);
    EXPECT_FALSE(lecture.Extra(Id::Undo).enabled);
    EXPECT_FALSE(lecture.Extra(Id::NextStep).enabled) << "no lesson plays";

    EXPECT_EQ(lecture.Do(Id::QuarterSpeed, 0), Job::None);
    EXPECT_TRUE(lecture.Extra(Id::QuarterSpeed).checked);
    EXPECT_FALSE(lecture.Extra(Id::NormalSpeed).checked);
    EXPECT_EQ(lecture.Do(Id::Highlight, 0), Job::None);
    EXPECT_EQ(lecture.Extra(Id::Highlight).label,
              "Highlight changed rows (now until the next tick)");
    EXPECT_EQ(lecture.Do(Id::HoldDown, 0), Job::None);
    EXPECT_TRUE(lecture.Extra(Id::HoldDown).checked);
    EXPECT_FALSE(lecture.Extra(Id::AllOfRip).checked);
    EXPECT_EQ(lecture.Do(Id::AllOfRip, 0), Job::None);
    EXPECT_TRUE(lecture.Extra(Id::Infinity16).checked && lecture.Extra(Id::AllOfRip).checked);
    EXPECT_TRUE(lecture.Extra(Id::Undo).enabled);
    EXPECT_EQ(lecture.Do(Id::Undo, 0), Job::None);
    EXPECT_FALSE(lecture.Extra(Id::Infinity16).checked) << "undone";

    EXPECT_EQ(lecture.Do(Id::RecordLesson, 0), Job::None);
    EXPECT_EQ(lecture.Extra(Id::RecordLesson).label, "Stop recording");
    EXPECT_EQ(lecture.Do(Id::RecordLesson, 0), Job::AskSaveRecording);
    EXPECT_EQ(lecture.Do(Id::Projector, 0), Job::None) << "the window follows the look";
    EXPECT_TRUE(lecture.Extra(Id::Projector).checked);
    EXPECT_EQ(lecture.Do(Id::ThreeRouterLoop, 0), Job::None);
    EXPECT_EQ(hall.form.State().cmbSims.text, "Three-Router Loop");
    const std::pair<Id, Job> left[] = {
        {Id::Log, Job::ToggleLog},
        {Id::CopyPicture, Job::CopyPicture},
        {Id::SavePicture, Job::SavePicture},
        {Id::FullScreen, Job::ToggleFullScreen},
        {Id::EnterFullScreen, Job::EnterFullScreen},
        {Id::BlackScreen, Job::BlackScreen},
        {Id::HoldDownTime, Job::AskHoldDownTime},
        {Id::Help, Job::Help},
        {Id::OpenFile, Job::AskOpen},
        {Id::SaveDemonstration, Job::AskSaveDemonstration},
        {Id::ExportLog, Job::AskExportLog},
        {Id::ExportTables, Job::AskExportTables},
    };
    for (const auto& [id, job] : left) {
        EXPECT_EQ(lecture.Do(id, 0), job) << static_cast<int>(id);
    }
}

// The help is written in paragraphs for the window and the page to wrap at their own width: no
// line breaks inside a sentence (a line ends a heading, a sentence, or a line of a list), and it
// says where the tables are for the scenarios that show none.
TEST(Lecture, TheHelpIsParagraphsTheScreenWraps) {
    for (const bool page : {false, true}) {
        const std::string text = Help::Text(page);
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find('\n', start);
            const std::string line = text.substr(start, end - start);
            start = end + 1;
            if (line.empty()) {
                continue;
            }
            const char last = line.back();
            const bool heading = line.find(' ') == std::string::npos ||
                                 line == "What the window shows" || line == "The buttons";
            const bool listed = line.rfind("  ", 0) == 0 || line.find(" - ") != std::string::npos;
            EXPECT_TRUE(heading || listed || last == '.' || last == ':' || last == ')')
                << "a line broken inside a sentence: \"" << line << "\"";
        }
        EXPECT_NE(text.find("use no tables and show none: pick \"Example 1\""), std::string::npos);
    }
}

// In the hall's look the lesson's longer lines are left out, but a count revealed is said under
// the caption that follows it: "Infinity 16" asks when B gives a up, and Page Down shows 13.
TEST(Lecture, TheHallSeesTheCountRevealed) {
    Room hall;
    hall.demonstration.SetProjector(true);
    LessonPlayer& player = hall.lecture.Player();
    ASSERT_TRUE(player.Start(*BuiltInLessons::Named("Infinity 16"), 0));
    for (int press = 0; press < 30 && !hall.demonstration.Asking(); ++press) {
        player.Next(0);
        player.Finish(0);
    }
    ASSERT_TRUE(hall.demonstration.Asking());
    EXPECT_EQ(hall.lecture.CaptionStrip().detail, "") << "no hint line in the hall's look";
    hall.lecture.Do(Extras::Id::NextStep, 0); // revealed
    player.Finish(0);
    const Lecture::Strip strip = hall.lecture.CaptionStrip();
    EXPECT_EQ(
        strip.detail.rfind("The answer: 13 more rounds of Update. B's route to a went 3, inf, "
                           "5, inf, 7,",
                           0),
        0U)
        << strip.detail;
}

// Every switch of the menu turns over both ways: on, then off again (RIP's rules each and all,
// the true costs, the projector look).
TEST(Lecture, EverySwitchTurnsOnAndOffAgain) {
    Room hall;
    hall.demonstration.Act(Action::Choose("Example 1"), 0);
    for (const Extras::Entry& entry : Extras::kEntries) {
        if (entry.kind != Extras::Kind::Switch) {
            continue;
        }
        ASSERT_FALSE(hall.lecture.Extra(entry.id).checked) << entry.name;
        if (entry.id == Extras::Id::HallFollows) {
            // The front end serves the hall and says so.
            EXPECT_EQ(hall.lecture.Do(entry.id, 0), Lecture::Job::HallFollows);
            hall.lecture.SetHallFollowing(true);
            EXPECT_TRUE(hall.lecture.Extra(entry.id).checked);
            hall.lecture.SetHallFollowing(false);
            continue;
        }
        hall.lecture.Do(entry.id, 0);
        EXPECT_TRUE(hall.lecture.Extra(entry.id).checked) << entry.name << " on";
        hall.lecture.Do(entry.id, 0);
        EXPECT_FALSE(hall.lecture.Extra(entry.id).checked) << entry.name << " off again";
    }
    EXPECT_EQ(hall.demonstration.State().Rip.on, RipSwitches{});
    EXPECT_FALSE(hall.demonstration.ShortestPathsShown());
}

// Practice and a lesson never cross: a lesson started during practice takes Page Down, with no
// question drawn; ending the lesson ends practice too; practice started during a lesson stops it.
TEST(Lecture, PracticeAndALessonNeverCross) {
    Room hall;
    hall.lecture.Practise(1, 42, 0);
    ASSERT_NE(hall.lecture.Practising(), nullptr);
    hall.lecture.Player().Start(*BuiltInLessons::Named("Count to infinity"), 0);
    EXPECT_EQ(hall.lecture.Practising(), nullptr);
    hall.lecture.Do(Extras::Id::NextStep, 0);
    EXPECT_EQ(hall.lecture.Player().Caption(), "A-B costs 9; the way round through C costs 2");
    EXPECT_FALSE(hall.demonstration.Asking()) << "no practice question drawn";
    hall.lecture.Do(Extras::Id::EndLesson, 0);
    EXPECT_FALSE(hall.lecture.Player().Playing());
    EXPECT_EQ(hall.lecture.Practising(), nullptr);
    hall.lecture.Do(Extras::Id::NextStep, 0);
    EXPECT_FALSE(hall.demonstration.Asking()) << "practice ended with the lesson";

    hall.lecture.Player().Start(*BuiltInLessons::Named("Count to infinity"), 0);
    hall.lecture.Practise(2, 7, 0);
    EXPECT_FALSE(hall.lecture.Player().Playing());
    EXPECT_TRUE(hall.demonstration.Asking());
}

// The hold-down time is one second to the longest whoever asks, and a demonstration saved after
// it opens again.
TEST(Lecture, AHoldDownTimeOutOfRangeIsKeptInItAndTheFileOpens) {
    for (const int asked : {0, -5, 1, 600, 100000}) {
        Room hall;
        hall.demonstration.SetRule(RipControl::Rule::HoldDown, true, 0);
        hall.demonstration.SetHoldDownSeconds(asked, 0);
        EXPECT_EQ(hall.demonstration.HoldDownSeconds(), std::clamp(asked, 1, 600)) << asked;
        const HopscapeFile::Read read = HopscapeFile::FromBytes(hall.lecture.DemonstrationBytes());
        EXPECT_EQ(read.fault, "") << asked;
        EXPECT_TRUE(read.demonstration.has_value()) << asked;
    }
}
