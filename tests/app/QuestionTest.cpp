// Questions on what a table is about to show: the built-in lessons' questions and their
// explanations, grading exact over random demonstrations, the demonstration held still while a
// question is asked, practice drawn from a seed, and a question marked in a recording.
#include "session/Question.h"
#include "app/MainForm.h"
#include "common/Fields.h"
#include "common/NumberText.h"
#include "common/SeededRandom.h"
#include "files/HopscapeFile.h"
#include "files/LessonFile.h"
#include "form/Layout.h"
#include "form/Topology.h"
#include "session/BuiltInLessons.h"
#include "session/Lecture.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Window {
    FakePlatform platform{7};
    SeededRandom random{3};
    MainForm form{platform, random};
    Demonstration demonstration{form};
    ::Lecture lecture{demonstration};
    Window() { form.Form_Load(); }
};

std::string Joined(const std::vector<std::string>& texts) {
    std::string text;
    for (const std::string& t : texts) {
        text += (text.empty() ? "" : " ") + t;
    }
    return text;
}

struct Asked {
    std::string lesson;
    std::string prompt;
    std::string answer;
    std::vector<std::string> told;
};

} // namespace

// Each built-in lesson asks at its key moment; the answer and every row's explanation, in the
// log's words, are these.
TEST(Questions, TheBuiltInLessonsAskAtTheirKeyMoments) {
    const std::vector<Asked> expected{
        {"Example 1 converging",
         "Predict C's table once the tables on their way have arrived",
         "2 A 3 B 2 D",
         {"a: 2, next hop A. C: route to a now cost 2 via A (A offers 1, link A-C adds 1)",
          "b: 3, next hop B. C: route to b now cost 3 via B (B offers 1, link B-C adds 2); C "
          "keeps b at 3 via B: A offers inf",
          "d: 2, next hop D. C: route to d now cost 2 via D (D offers 1, link D-C adds 1); C "
          "keeps d at 2 via D: B offers inf; C keeps d at 2 via D: A offers inf"}},
        {"Count to infinity",
         "Predict C's table once the tables on their way have arrived",
         "4 B 2 B",
         {"a: 4, next hop B. C: route to a now cost 4 via B (B offers 3, link B-C adds 1)",
          "b: 2, next hop B. C keeps b at 2 via B: B offers 1, link B-C adds 1, and 2 is no "
          "better"}},
        {"Split horizon's cure",
         "Predict B's table once the tables on their way have arrived",
         "inf C 2 C",
         {"a: inf, next hop C. B: route to a now inf (next hop C offers inf)",
          "c: 2, next hop C. B keeps c at 2 via C: C offers 1, link C-B adds 1, and 2 is no "
          "better"}},
        {"Three-router loop",
         "Predict A's table once the tables on their way have arrived",
         "4 B",
         {"d: 4, next hop B. A: route to d now cost 4 via B (B offers 3, link B-A adds 1)"}},
        {"Infinity 16",
         "After how many more rounds of Update does B give up network a for good, with RIP's "
         "infinity of 16 on?",
         "13",
         {"B's route to a went 3, inf, 5, inf, 7, inf, 9, inf, 11, inf, 13, inf, 15, then inf "
          "for good: 13 more rounds of Update"}},
        {"Hold-down",
         "Predict C's table once the tables on their way have arrived",
         "inf A",
         {"b: inf, next hop A. C: route to b held down, B's offer refused (B offers 1, link B-C "
          "adds 4); 175 s more"}},
    };
    std::vector<Asked> asked;
    for (const LessonScript& script : BuiltInLessons::All()) {
        Window window;
        LessonPlayer& player = window.lecture.Player();
        player.Start(script, 0);
        for (int press = 0; press < 100 && !player.AtEnd(); ++press) {
            player.Next(0);
            player.Finish(0);
            if (const std::optional<Question>& question =
                    window.demonstration.Questions().Asked()) {
                asked.push_back({script.title, question->Prompt(), Joined(question->Answer()),
                                 question->Told()});
                // Held still until it is met: no tick falls.
                const long tick = window.demonstration.TickNumber();
                EXPECT_FALSE(window.lecture.Tick(40).tick.has_value());
                EXPECT_EQ(window.demonstration.TickNumber(), tick);
                window.lecture.Answer(question->Answer(), 0);
                // Graded all right, and it stands while the press goes on.
                const auto& graded = window.demonstration.Questions().Graded();
                ASSERT_TRUE(graded.has_value()) << script.title;
                EXPECT_TRUE(graded->AllRight()) << script.title;
                player.Finish(0);
            }
        }
    }
    ASSERT_EQ(asked.size(), expected.size());
    for (std::size_t i = 0; i < asked.size(); ++i) {
        EXPECT_EQ(asked[i].lesson, expected[i].lesson);
        EXPECT_EQ(asked[i].prompt, expected[i].prompt) << expected[i].lesson;
        EXPECT_EQ(asked[i].answer, expected[i].answer) << expected[i].lesson;
        EXPECT_EQ(asked[i].told, expected[i].told) << expected[i].lesson;
    }
}

// Over random demonstrations (a table scenario, random costs, rounds run, a link broken, then a
// round of Update or one table on its way): the table each router then shows, given as the
// answer, is all right; any one cell changed makes exactly its row wrong, and the row's
// explanation names every number the tables that reached it offered and their links' costs.
TEST(Questions, GradingIsExactOverRandomDemonstrations) {
    const char* const scenarios[] = {"Three Routers", "Four Routers", "Example 1"};
    int questions = 0;
    for (std::uint64_t seed = 1; seed <= 60; ++seed) {
        Window window;
        MainForm& form = window.form;
        FormState& state = form.State();
        SeededRandom draw(seed);
        const auto below = [&draw](int n) { return static_cast<int>(draw.Next() * n); };
        state.cmbSims.text = scenarios[below(3)];
        form.cmbSims_Click();
        if (below(2) == 0) {
            Action::Split(true).Perform(form);
        }
        for (auto& label : state.lblCost) {
            label.caption = std::to_string(1 + below(9));
        }
        for (int round = below(4); round > 0; --round) {
            form.Command4_Click();
            for (int t = 0; t < 26; ++t) {
                form.MoveTimer_Timer();
            }
        }
        if (below(2) == 0) {
            const int button = below(Layout::kBreakCount);
            if (state.cmdBreak[button].visible) {
                form.cmdBreak_Click(button);
            }
        }
        if (below(2) == 0) {
            form.Command4_Click();
        } else {
            form.btnRouter_Click(below(kRouterCount));
            form.btnRouter_Click(below(kRouterCount));
        }
        std::vector<Question> asked;
        for (int r = 0; r < kRouterCount; ++r) {
            if (state.RouterTable[r].visible) {
                const Snapshot before = Snapshot::Capture(form, Demonstration::Speed::Normal);
                if (std::optional<Question> question = Question::Table(form, r).question) {
                    asked.push_back(std::move(*question));
                }
                ASSERT_TRUE(Snapshot::Capture(form, Demonstration::Speed::Normal) == before)
                    << "asking changes nothing";
            }
        }
        // The tables each router hears on the way, as the routers are sent them.
        struct Offer {
            std::string sender;
            std::vector<std::string> carried;
            double link;
        };
        std::vector<std::vector<Offer>> heard(kRouterCount);
        form.Runtime().routerMessageObserver = [&](const RouterMessage& message) {
            const std::vector<std::string> fields = SplitFields(message.text);
            if (fields[0] == "R" && message.linkCost) {
                heard[message.router].push_back(
                    {fields[2], {fields.begin() + 3, fields.end()}, double(*message.linkCost)});
            }
        };
        for (int t = 0; t < 26; ++t) {
            form.MoveTimer_Timer();
        }
        for (const Question& question : asked) {
            ++questions;
            const int r = question.Router();
            const std::string me = RouterLetter(r);
            std::vector<std::string> shown;
            for (const Question::Row& row : question.Rows()) {
                const RouteRow& now = state.RouterTable[r].Engine().Rows()[row.network];
                shown.push_back(std::string(TrimBlanks(now.cost)));
                shown.push_back(now.nextHop);
            }
            ASSERT_TRUE(question.Grade(shown).AllRight()) << "seed " << seed << ", " << me;
            for (std::size_t cell = 0; cell < shown.size(); ++cell) {
                std::vector<std::string> given = shown;
                std::string& changed = given[cell];
                changed = cell % 2 == 1        ? (changed == "A" ? "B" : "A")
                          : IsNumeric(changed) ? NumberText(ReadNumber(changed) + 1)
                                               : "1";
                const Question::Result result = question.Grade(given);
                std::vector<bool> wrongRow(question.Rows().size(), true);
                wrongRow[cell / 2] = false;
                ASSERT_EQ(result.right, wrongRow) << "seed " << seed << ", cell " << cell;
                ASSERT_EQ(result.wrong.size(), 1U);
                const int network = question.Rows()[cell / 2].network;
                for (const Offer& offer : heard[r]) {
                    const std::string& carried = offer.carried[network];
                    if (IsNumeric(carried)) {
                        const std::string named =
                            offer.sender + " offers " +
                            std::string(TrimBlanks(NumberText(ReadNumber(carried) - offer.link))) +
                            ", link " + offer.sender + "-" + me + " adds " +
                            std::string(TrimBlanks(NumberText(offer.link)));
                        EXPECT_NE(result.wrong.front().find(named), std::string::npos)
                            << "seed " << seed << ": " << result.wrong.front() << " lacks "
                            << named;
                    }
                }
            }
        }
    }
    EXPECT_GT(questions, 100);
}

// While a question is asked nothing moves; anything done to the window drops it, and an answer
// lets the tables arrive framed right or wrong, row by row.
TEST(Questions, AQuestionHoldsStillAndItsAnswerIsFramedRowByRow) {
    Window window;
    Demonstration& demonstration = window.demonstration;
    demonstration.Act(Action::Choose("Three Routers"), 0);
    demonstration.Act(Action::Click(Action::Control::Update), 0);
    ASSERT_EQ(demonstration.Ask(LessonScript::Step::Predict(1), 0), std::nullopt);
    EXPECT_FALSE(window.lecture.Settle(40).tick.has_value());
    demonstration.Act(Action::Click(Action::Control::Pause), 80);
    EXPECT_FALSE(demonstration.Asking());
    EXPECT_EQ(demonstration.LogLines().back().text, "Question left unanswered");
    demonstration.Act(Action::Click(Action::Control::Pause), 120);

    ASSERT_EQ(demonstration.Ask(LessonScript::Step::Predict(1), 160), std::nullopt);
    const auto& marks = demonstration.State().RouterTable[1].prediction;
    using Mark = RouterPanel::Prediction;
    EXPECT_EQ(marks, (std::array{Mark::Asked, Mark::None, Mark::Asked, Mark::None, Mark::None,
                                 Mark::None}));
    // B hears a from A over the link of 9 and c from C over 1: a right, c wrong.
    window.lecture.Answer({"10", "a", "3", "C"}, 200);
    EXPECT_EQ(marks, (std::array{Mark::Right, Mark::None, Mark::Wrong, Mark::None, Mark::None,
                                 Mark::None}));
    const Lecture::Strip strip = window.lecture.CaptionStrip();
    EXPECT_EQ(strip.caption, "B's table: 1 of 2 rows right");
    EXPECT_EQ(strip.detail,
              "c: 2, next hop C. B: route to c now cost 2 via C (C offers 1, link C-B adds 1); B "
              "keeps c at 2 via C: A offers inf");
    EXPECT_EQ(demonstration.ExplainRow(1, 0),
              "Predicted right: a: 10, next hop A. B: route to a now cost 10 via A (A offers 1, "
              "link A-B adds 9)");
    ASSERT_TRUE(window.lecture.Settle(200).tick.has_value());
    demonstration.RunTicks(26, 240);
    EXPECT_EQ(TrimBlanks(demonstration.State().RouterTable[1].Engine().Rows()[2].cost), "2");
    EXPECT_EQ(marks[2], Mark::Wrong) << "framed as the table arrives";
    demonstration.Act(Action::Click(Action::Control::Update), 300);
    EXPECT_EQ(marks[2], Mark::Wrong) << "framed until the next question or a step back";
    demonstration.Undo(320);
    EXPECT_EQ(marks[2], Mark::None);
}

// Grading over random right and wrong answers, against what the window itself then shows: the
// shown table is all right, written any way a learner may (inf, infinity, the sign, capitals,
// blanks round it); any cost lower or higher, any word for a number, any number or word for
// inf, another next hop, graded wrong; a count one lower, one higher or blank, wrong. The cells
// open with the table as it stands, never with the answer.
TEST(Questions, ARightAnswerAndOnlyARightOneIsGradedRight) {
    int wrongTried = 0;
    for (std::uint64_t seed = 1; seed <= 25; ++seed) {
        Window window;
        window.lecture.Practise(1 + static_cast<int>(seed % 3), seed * 7919, 0);
        SeededRandom draw(seed);
        for (int question = 0; question < 4; ++question) {
            ASSERT_TRUE(window.demonstration.Asking());
            const Question asked = *window.demonstration.Questions().Asked();
            const std::vector<std::string> answer = asked.Answer();
            if (asked.Asks() == Question::Kind::Rounds) {
                const int count = asked.Count();
                EXPECT_TRUE(asked.Grade({" " + std::to_string(count) + " "}).AllRight());
                for (const std::string& wrong : std::vector<std::string>{
                         std::to_string(count - 1), std::to_string(count + 1), "", "x"}) {
                    EXPECT_FALSE(asked.Grade({wrong}).AllRight()) << wrong << " for " << count;
                    ++wrongTried;
                }
            } else {
                std::vector<std::string> written = answer;
                for (std::size_t i = 0; i < written.size(); i += 2) {
                    if (written[i] == "inf") {
                        const char* ways[] = {"INF", "infinity", "\u221E", " inf "};
                        written[i] = ways[static_cast<int>(draw.Next() * 4)];
                    }
                    written[i + 1] = draw.Next() < 0.5 ? " " + written[i + 1] : written[i + 1];
                    if (written[i + 1] != "L" && written[i + 1] != "-") {
                        written[i + 1][written[i + 1].size() - 1] = static_cast<char>(
                            std::tolower(written[i + 1][written[i + 1].size() - 1]));
                    }
                }
                EXPECT_TRUE(asked.Grade(written).AllRight()) << Joined(written);
                for (std::size_t i = 0; i < answer.size(); ++i) {
                    std::vector<std::string> given = answer;
                    std::vector<std::string> wrongs;
                    if (i % 2 == 1) {
                        wrongs = {answer[i] == "A" ? "B" : "A", answer[i] == "-" ? "L" : "-"};
                    } else if (answer[i] == "inf") {
                        wrongs = {"0", "16", "x", "", "in"};
                    } else {
                        const double cost = ReadNumber(answer[i]);
                        wrongs = {NumberText(cost - 1), NumberText(cost + 1), "inf", "x", ""};
                    }
                    for (const std::string& wrong : wrongs) {
                        given[i] = wrong;
                        EXPECT_FALSE(asked.Grade(given).right[i / 2])
                            << "\"" << wrong << "\" for \"" << answer[i] << "\"";
                        ++wrongTried;
                    }
                }
                // The cells open with the table as it stands: they hold the answer only where
                // the row will not change.
                std::vector<std::string> start;
                for (const Question::Cell& cell : asked.Cells()) {
                    start.push_back(cell.start);
                }
                const Question::Result opened = asked.Grade(start);
                for (std::size_t row = 0; row < asked.Rows().size(); ++row) {
                    const Question::Row& r = asked.Rows()[row];
                    EXPECT_EQ(opened.right[row], r.now.shown && r.now == r.shows)
                        << "row " << NetworkLetter(r.network);
                }
            }
            window.lecture.Do(Extras::Id::NextStep, 0); // revealed
            window.lecture.Do(Extras::Id::NextStep, 0); // the next question
        }
    }
    EXPECT_GT(wrongTried, 500);
}

// Practice counts an answer right only where every row is right: a wrong one keeps the score
// and ends the streak, as a reveal does.
TEST(Questions, PracticeCountsOnlyAWhollyRightAnswer) {
    Window window;
    window.lecture.Practise(1, 42, 0);
    const auto status = [&] { return window.lecture.Practising()->Status(); };
    window.lecture.Answer(window.demonstration.Questions().Asked()->Answer(), 0);
    EXPECT_EQ(status(), "Practice, level 1: 1 of 1 right, streak 1; seed 42");
    window.lecture.Do(Extras::Id::NextStep, 0);
    std::vector<std::string> wrong = window.demonstration.Questions().Asked()->Answer();
    wrong.back() = wrong.back() == "A" ? "B" : "A";
    window.lecture.Answer(wrong, 0);
    EXPECT_EQ(status().substr(0, 42), "Practice, level 1: 1 of 2 right, streak 0;");
    window.lecture.Do(Extras::Id::NextStep, 0);
    window.lecture.Answer(window.demonstration.Questions().Asked()->Answer(), 0);
    window.lecture.Do(Extras::Id::NextStep, 0);
    window.lecture.Do(Extras::Id::NextStep, 0); // revealed
    EXPECT_EQ(status().substr(0, 42), "Practice, level 1: 2 of 4 right, streak 0;");
}

// The pad, key by key: where each key types and what the cell then holds, on B's question in
// "Three Routers" (cells: a's cost, a's next hop, c's cost, c's next hop).
TEST(Questions, ThePadTypesWhereAStudentExpects) {
    Window window;
    window.demonstration.Act(Action::Choose("Three Routers"), 0);
    window.demonstration.Act(Action::Click(Action::Control::Update), 0);
    const std::optional<Question> question = Question::Table(window.form, 1).question;
    ASSERT_TRUE(question.has_value());
    const std::string erase = Question::kErase;
    const struct {
        std::vector<std::string> values;
        std::size_t current;
        std::string key;
        bool selected;
        std::size_t cell;
        std::string text;
        std::size_t next;
    } presses[] = {
        {{"", "", "", ""}, 0, "9", false, 0, "9", 0},       // a digit stays in its cell
        {{"1", "", "", ""}, 0, "4", false, 0, "14", 0},     // and adds to the number typed
        {{"14", "", "", ""}, 0, "5", true, 0, "5", 0},      // a selected text is typed over
        {{"14", "", "", ""}, 0, erase, true, 0, "", 0},     // and erased whole
        {{"14", "", "", ""}, 0, erase, false, 0, "1", 0},   // erase takes the last letter
        {{"inf", "", "", ""}, 0, erase, false, 0, "", 0},   // inf goes whole
        {{"inf", "", "", ""}, 0, "3", false, 0, "3", 0},    // a digit after inf replaces it
        {{"12", "", "", ""}, 0, "inf", false, 0, "inf", 1}, // inf fills its cell
        {{"12", "", "", ""}, 0, "A", false, 1, "A", 2},     // a letter goes on to the next hop
        {{"12", "A", "", ""}, 1, "7", false, 2, "7", 2},    // a digit on to the next cost
        {{"12", "A", "2", "C"}, 1, "7", false, 2, "7", 2},  // typing over what it held
        {{"12", "A", "2", "C"}, 3, "B", true, 3, "B", 3},   // the last cell stays in use
        {{"12", "A", "2", "C"}, 3, "-", false, 3, "-", 3},
        {{"12", "A", "2", "C"}, 3, "L", false, 3, "L", 3},
        {{"12", "A", "2", "C"}, 9, "5", false, 3, "5", 3}, // beyond the last: the last
    };
    for (const auto& p : presses) {
        const Question::Pressed pressed = question->Press(p.values, p.current, p.key, p.selected);
        EXPECT_EQ(pressed.cell, p.cell) << p.key << " in cell " << p.current;
        EXPECT_EQ(pressed.text, p.text) << p.key << " in cell " << p.current;
        EXPECT_EQ(pressed.next, p.next) << p.key << " in cell " << p.current;
    }
}

// No question where nothing is on its way, nor a count with no infinity to end it.
TEST(Questions, NothingToAskIsNoQuestion) {
    Window window;
    window.demonstration.Act(Action::Choose("Three Routers"), 0);
    EXPECT_EQ(Question::Table(window.form, 1).refused,
              "Not asked: no table is on its way, so B's table stays as it is");
    for (int round = 0; round < 3; ++round) {
        window.form.Command4_Click();
        window.demonstration.RunTicks(26, 0);
    }
    window.form.cmdBreak_Click(0);
    window.form.cmdBreak_Click(1);
    EXPECT_EQ(Question::Rounds(window.form, 1, 0).refused,
              "Not asked: B's route to a comes back after it is given up (3, inf, 5, inf, 7, "
              "inf, 9, inf, ...), so no round gives it up for good");
    window.demonstration.SetRule(RipControl::Rule::Infinity, true, 0);
    const Question::Attempt counted = Question::Rounds(window.form, 1, 0);
    ASSERT_TRUE(counted.question.has_value()) << counted.refused;
    EXPECT_EQ(counted.question->Count(), 13);
}

// The README's loop: Split Horizons ticked, three rounds, C-D broken and settled. A gives d up at
// round 3 and takes it back at 6 through the loop, without end: no count is asked, and a lesson
// that asks it plays the step as a caption saying why. With RIP's infinity of 16 the count ends,
// and A's route stays given up from round 13 on.
TEST(Questions, ACountIsAskedOnlyWhereTheRouteStaysGivenUp) {
    Window window;
    Demonstration& demonstration = window.demonstration;
    demonstration.Act(Action::Choose("Three-Router Loop"), 0);
    demonstration.Act(Action::Split(true), 0);
    for (int round = 0; round < 3; ++round) {
        demonstration.Act(Action::Click(Action::Control::Update), 0);
        demonstration.Settle(0);
    }
    const int cd = Topology::BreakOfLink(Topology::LinkIndex(2, 3));
    demonstration.Act(Action::Click(Action::Control::Break, cd), 0);
    demonstration.Settle(0);
    const Question::Attempt loop = Question::Rounds(window.form, 0, 3);
    EXPECT_FALSE(loop.question.has_value());
    EXPECT_EQ(loop.refused, "Not asked: A's route to d comes back after it is given up (3, 4, inf, "
                            "6, inf, inf, 9, inf, ...), so no round gives it up for good");
    // With RIP's infinity of 16 on, the count ends.
    {
        Window sixteen;
        sixteen.demonstration.Open(demonstration.Capture(), 0);
        sixteen.demonstration.SetRule(RipControl::Rule::Infinity, true, 0);
        const Question::Attempt counted = Question::Rounds(sixteen.form, 0, 3);
        ASSERT_TRUE(counted.question.has_value()) << counted.refused;
        EXPECT_EQ(counted.question->Count(), 13);
    }

    LessonScript script;
    script.title = "Loop";
    script.demonstration = demonstration.Capture();
    const LessonScript::Step update =
        LessonScript::Step::Do(Action::Click(Action::Control::Update));
    script.steps = {update, LessonScript::Step::PredictRounds(0, 'd'), update,
                    LessonScript::Step::PredictRounds(0, 'd'),
                    LessonScript::Step::Say("After the question")};
    LessonPlayer& player = window.lecture.Player();
    player.Start(script, 0);
    player.Next(0);
    EXPECT_FALSE(demonstration.Asking());
    EXPECT_EQ(
        player.Caption().rfind("Not asked: A's route to d comes back after it is given up", 0), 0U)
        << player.Caption();
    EXPECT_EQ(demonstration.LogLines().back().text, player.Caption());
    player.Next(0);
    EXPECT_FALSE(demonstration.Asking());
    EXPECT_EQ(player.Caption(), "After the question");
    EXPECT_NE(window.lecture.CaptionStrip().detail.find("Not asked: A's route to d"),
              std::string::npos)
        << "the caption of the press, and why its question was not asked under it";
}

// Over random demonstrations (a scenario, random costs, split horizon or not, some of RIP's
// rules, rounds run, a router cut off or a link broken): every count the core asks holds when
// the window itself plays the rounds: the route shows a cost just before the answer's round, and
// inf at that round and at every one of a long run after it.
TEST(Questions, EveryCountAskedHoldsForALongRunAfterIt) {
    const char* const scenarios[] = {"Three Routers", "Four Routers", "Example 1",
                                     "Three-Router Loop", "Random 1"};
    int asked = 0;
    int refused = 0;
    for (std::uint64_t seed = 1; seed <= 40; ++seed) {
        Window window;
        Demonstration& demonstration = window.demonstration;
        FormState& state = window.form.State();
        SeededRandom draw(seed);
        const auto below = [&draw](int n) { return static_cast<int>(draw.Next() * n); };
        demonstration.Act(Action::Choose(scenarios[below(5)]), 0);
        if (below(2) == 0) {
            demonstration.Act(Action::Split(true), 0);
        }
        for (auto& label : state.lblCost) {
            label.caption = std::to_string(1 + below(9));
        }
        const RipControl::Rule rules[] = {RipControl::Rule::Infinity, RipControl::Rule::Periodic,
                                          RipControl::Rule::Triggered, RipControl::Rule::HoldDown,
                                          RipControl::Rule::TimeoutOnly};
        for (const RipControl::Rule rule : rules) {
            if (below(3) == 0) {
                demonstration.SetRule(rule, true, 0);
            }
        }
        for (int round = 1 + below(4); round > 0; --round) {
            demonstration.Act(Action::Click(Action::Control::Update), 0);
            demonstration.Settle(0);
        }
        const int cut = below(kRouterCount);
        for (int button = 0; button < Layout::kBreakCount; ++button) {
            const auto [a, b] = Topology::LinkRouters(Topology::LinkOfBreak(button));
            const bool touches = a == cut || b == cut || below(6) == 0;
            if (state.cmdBreak[button].visible && touches) {
                demonstration.Act(Action::Click(Action::Control::Break, button), 0);
            }
        }
        demonstration.Settle(0);
        for (int r = 0; r < kRouterCount; ++r) {
            for (int k = 0; k < kNetworkCount; ++k) {
                if (!state.RouterTable[r].visible || r == k) {
                    continue;
                }
                const Question::Attempt attempt = Question::Rounds(window.form, r, k);
                if (!attempt.question) {
                    EXPECT_EQ(attempt.refused.rfind("Not asked: ", 0), 0U) << attempt.refused;
                    ++refused;
                    continue;
                }
                ++asked;
                const int count = attempt.question->Count();
                // The window itself, on a copy, plays the rounds.
                FakePlatform platform{7};
                SeededRandom random{3};
                MainForm copy{platform, random};
                copy.LoadAfresh();
                Snapshot::Capture(window.form, Demonstration::Speed::Normal).ApplyTo(copy);
                copy.Settle();
                const auto cost = [&] {
                    return std::string(
                        TrimBlanks(copy.State().RouterTable[r].Engine().Rows()[k].cost));
                };
                for (int round = 1; round <= count + 250; ++round) {
                    copy.Command4_Click();
                    copy.Settle();
                    if (round == count - 1) {
                        ASSERT_TRUE(IsNumeric(cost())) << "seed " << seed << ", " << r << k;
                    }
                    if (round >= count) {
                        ASSERT_FALSE(IsNumeric(cost()))
                            << attempt.question->Told().front() << " rules "
                            << RipControl::Summary(state.Rip.on) << " " << state.cmbSims.text
                            << "\nseed " << seed << ": router " << RouterLetter(r) << ", network "
                            << NetworkLetter(k) << ", answer " << count << ", round " << round
                            << " shows " << cost();
                    }
                }
            }
        }
    }
    EXPECT_GT(asked, 30);
    EXPECT_GT(refused, 10);
}

// Practice at each level: the level's scenario and switches, a question from the seed (the same
// seed, the same question), the score and streak, and each next question from a seed of its own.
TEST(Questions, PracticeDrawsFreshQuestionsAtThreeLevels) {
    const struct {
        int level;
        const char* scenario;
        bool split;
        bool infinity;
    } levels[] = {{1, "Three Routers", false, false},
                  {2, "Four Routers", false, true},
                  {3, "Example 1", true, true}};
    for (const auto& level : levels) {
        Window window;
        window.lecture.Practise(level.level, 4242, 0);
        const Demonstration& demonstration = window.demonstration;
        ASSERT_TRUE(demonstration.Asking()) << level.level;
        EXPECT_EQ(demonstration.State().cmbSims.text, level.scenario);
        EXPECT_EQ(demonstration.State().SplitHorizon, level.split);
        EXPECT_EQ(demonstration.State().Rip.on.infinity, level.infinity);
        const Question first = *demonstration.Questions().Asked();
        Window again;
        again.lecture.Practise(level.level, 4242, 0);
        EXPECT_EQ(again.demonstration.Questions().Asked()->Answer(), first.Answer())
            << "shared seed";
        EXPECT_EQ(again.demonstration.Questions().Asked()->Prompt(), first.Prompt());

        window.lecture.Answer(first.Answer(), 0);
        EXPECT_NE(window.lecture.CaptionStrip().keys.find(
                      "1 of 1 right, streak 1; seed 4242  \u2022  Page Down: next question"),
                  std::string::npos)
            << window.lecture.CaptionStrip().keys;
        std::vector<std::uint64_t> seeds{4242};
        int rounds = 0;
        for (int question = 0; question < 30; ++question) {
            window.lecture.Do(Extras::Id::NextStep, 0);
            ASSERT_TRUE(demonstration.Asking())
                << "level " << level.level << ", question " << question;
            rounds += demonstration.Questions().Asked()->Asks() == Question::Kind::Rounds ? 1 : 0;
            seeds.push_back(window.lecture.Practising()->Seed());
            window.lecture.Do(Extras::Id::NextStep, 0); // revealed
        }
        EXPECT_NE(window.lecture.CaptionStrip().keys.find("1 of 31 right, streak 0"),
                  std::string::npos);
        std::sort(seeds.begin(), seeds.end());
        EXPECT_EQ(std::unique(seeds.begin(), seeds.end()), seeds.end());
        EXPECT_EQ(rounds > 0, level.level == 2) << "counts to infinity at level 2";
    }
}

// In practice an answer given or revealed stands where it was shown: the tables on their way
// arrive, and then, periodic updates on at level 3 or not, no tick falls and no table changes
// until the next question; a count's answer holds at once.
TEST(Questions, PracticeHoldsItsAnswerStillUntilTheNextQuestion) {
    for (const int level : {1, 2, 3}) {
        Window window;
        window.lecture.Practise(level, 4242, 0);
        long now = 0;
        const auto run = [&](int ticks) {
            for (int t = 0; t < ticks; ++t) {
                now += 40;
                if (!window.lecture.Tick(now).tick) {
                    return t;
                }
            }
            return ticks;
        };
        for (int question = 0; question < 6; ++question) {
            ASSERT_TRUE(window.demonstration.Asking());
            const Question asked = *window.demonstration.Questions().Asked();
            if (question % 2 == 0) {
                window.lecture.Do(Extras::Id::NextStep, now); // revealed
            } else {
                window.lecture.Answer(asked.Answer(), now);
            }
            const long tick = window.demonstration.TickNumber();
            EXPECT_LE(run(3000), asked.Arrives());
            EXPECT_EQ(window.demonstration.TickNumber(), tick + asked.Arrives())
                << "level " << level << ": held once the tables have arrived";
            const FormState& state = window.demonstration.State();
            if (asked.Asks() == Question::Kind::Table) {
                for (const Question::Row& row : asked.Rows()) {
                    EXPECT_EQ(state.RouterTable[asked.Router()].Engine().Rows()[row.network],
                              row.shows)
                        << "level " << level << ": the answer stands on the screen";
                }
            }
            EXPECT_FALSE(window.lecture.Settle(now).tick.has_value());
            window.lecture.Do(Extras::Id::NextStep, now); // the next question
        }
    }
}

// While recording, the lecturer marks a question on the table on its way: the lesson file holds
// it, and the lesson read back asks it again, the same.
TEST(Questions, ARecordingKeepsTheQuestionsMarked) {
    Window window;
    window.demonstration.Act(Action::Choose("Three Routers"), 0);
    window.lecture.Do(Extras::Id::RecordLesson, 0);
    window.demonstration.Act(Action::Click(Action::Control::Router, 0), 0);
    window.demonstration.Act(Action::Click(Action::Control::Router, 2), 0);
    window.lecture.Do(Extras::Id::MarkPrediction, 0);
    ASSERT_TRUE(window.demonstration.Asking());
    const Question asked = *window.demonstration.Questions().Asked();
    EXPECT_EQ(asked.Router(), 2);
    const LessonScript recorded = window.demonstration.StopRecording();
    const HopscapeFile::Read read = HopscapeFile::FromJson(LessonFile::ToJson(recorded));
    ASSERT_TRUE(read.lesson.has_value()) << read.fault;
    const std::vector<LessonScript::Step>& steps = read.lesson->steps;
    EXPECT_NE(std::find(steps.begin(), steps.end(), LessonScript::Step::Predict(2)), steps.end());

    Window replay;
    replay.lecture.Player().Start(*read.lesson, 0);
    replay.lecture.Player().Next(0);
    replay.lecture.Player().Finish(0);
    ASSERT_TRUE(replay.demonstration.Asking());
    EXPECT_EQ(replay.demonstration.Questions().Asked()->Told(), asked.Told());

    // A question on a router the scenario hides is refused as the file is read.
    LessonScript hidden = *read.lesson;
    hidden.demonstration.reset();
    hidden.scenario = "Three Routers";
    hidden.steps = {LessonScript::Step::Predict(4)};
    EXPECT_EQ(HopscapeFile::FromJson(LessonFile::ToJson(hidden)).fault,
              "steps[0].predict.router: router E is not in the scenario \"Three Routers\"");
    // So is a click on anything else it hides, named as the file names it.
    const struct {
        Action click;
        const char* fault;
    } clicks[] = {
        {Action::Click(Action::Control::Router, 4),
         "steps[0].router: router E is not in the scenario \"Three Routers\""},
        {Action::Click(Action::Control::Network, 3),
         "steps[0].network: network d is not in the scenario \"Three Routers\""},
        {Action::CostPress(Layout::kCostLabelCount - 1, 1),
         "steps[0].cost: the cost from F to E is not in the scenario \"Three Routers\""},
    };
    for (const auto& click : clicks) {
        hidden.steps = {LessonScript::Step::Do(click.click)};
        EXPECT_EQ(HopscapeFile::FromJson(LessonFile::ToJson(hidden)).fault, click.fault);
    }
}
