// What a demonstration or lesson file may hold, judged in the core: hostile documents are refused
// with a line naming the place and what is wrong, unknown members are only noted, and what the
// program writes always reads back as it was. Also the tables and log as the lecturer exports
// them.
#include "app/MainForm.h"
#include "common/SeededRandom.h"
#include "files/DemonstrationFile.h"
#include "files/HopscapeFile.h"
#include "files/LessonFile.h"
#include "files/TableExport.h"
#include "session/Demonstration.h"
#include "support/FakePlatform.h"
#include "support/FormInvariants.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

using Json = JsonValue;

struct Saved {
    FakePlatform platform{7};
    SeededRandom random{3};
    MainForm form{platform, random};
    Demonstration demonstration{form};
    Saved() {
        form.Form_Load();
        demonstration.Act(Action::Choose("Example 1"), 0);
        demonstration.Act(Action::Click(Action::Control::Update), 0);
        for (int t = 0; t < 10; ++t) {
            form.MoveTimer_Timer();
        }
    }
};

// The member of an object, to change it in place.
Json& M(Json& object, const std::string& key) {
    for (auto& [name, value] : object.members) {
        if (name == key) {
            return value;
        }
    }
    ADD_FAILURE() << "no member " << key;
    return object;
}

} // namespace

// Each change makes a saved demonstration hostile; the file is refused with exactly this line.
TEST(SavedFiles, AHostileDemonstrationIsRefusedWithThePlaceAndTheFault) {
    const struct {
        std::function<void(Json&)> change;
        std::string fault;
    } cases[] = {
        {[](Json& d) { M(d, "version") = Json::Number(2); },
         "version: the file was written in version 2 of the format; this program reads version 1 "
         "and older"},
        {[](Json& d) { M(d, "format") = Json::String("hopscape-picture"); },
         "format: \"hopscape-picture\" is not \"hopscape-demonstration\""},
        {[](Json& d) {
             M(M(d, "packets").items[3], "record") = Json::String(" 5:T:A:G:B: 10: 10");
         },
         "packets[3].record: the hop ends at router G, which does not exist"},
        {[](Json& d) {
             M(M(d, "packets").items[3], "record") = Json::String(" 5:T:A:F:A: 10: 10");
         },
         "packets[3].record: the hop from A to F follows no link"},
        {[](Json& d) {
             M(M(d, "packets").items[3], "record") = Json::String("30:T:A:B:A: 10: 10");
         },
         "packets[3].record: the step count \"30\" is not from 0 to 25"},
        {[](Json& d) { M(M(d, "packets").items[3], "record") = Json::String("5:T:A"); },
         "packets[3].record: has 3 fields, not 7"},
        {[](Json& d) { M(M(d, "routers").items[1], "height") = Json::Number(99999); },
         "routers[1].height: 99999 is not from 0 to 10000"},
        {[](Json& d) { M(d, "tick") = Json::String("12"); }, "tick: is not a number"},
        {[](Json& d) { M(d, "tick") = Json::Number(1.5); }, "tick: 1.5 is not a whole number"},
        {[](Json& d) { M(M(d, "rip"), "queued").items[0].items[0] = Json::Number(5); },
         "rip.queued[0][0]: a table waits to go from A to A, which no link joins"},
        {[](Json& d) { M(d, "costs").items[0] = Json::String("12"); },
         "costs[0]: \"12\" is neither blank nor one digit"},
        {[](Json& d) { M(M(d, "links"), "A-B") = Json::String("gone"); },
         "links.A-B: \"gone\" is none of \"up\", \"broken\""},
        {[](Json& d) { M(M(d, "random"), "seed") = Json::String("-1"); },
         "random.seed: \"-1\" is not a whole number from 0 to 18446744073709551615"},
        {[](Json& d) { M(d, "scenario") = Json::String("Five Routers"); },
         "scenario: no scenario is called \"Five Routers\""},
        {[](Json& d) { M(d, "packets").items.pop_back(); }, "packets: has 50 items, not 51"},
        {[](Json& d) { d.Set("tick", Json::Number(3)); }, "tick: is given twice"},
        {[](Json& d) { d.members.erase(d.members.begin() + 2); }, "scenario: is missing"},
        {[](Json& d) {
             Json deep = Json::Array();
             for (int level = 0; level < 5; ++level) {
                 deep = Json::Array({deep});
             }
             M(d, "status") = deep;
         },
         "the document nests 7 deep; a demonstration nests at most 5"},
        {[](Json& d) { d = Json::Array(); }, "the document: is not a JSON object"},
        {[](Json& d) {
             M(M(d, "rip"), "infinity") = Json::Bool(true);
             M(M(M(d, "routers").items[0], "rows").items[1], "cost") = Json::String("99");
         },
         "routers[0].rows[1].cost: \"99\" is 16 or more, and infinity is 16"},
        {[](Json& d) {
             M(M(d, "rip"), "infinity") = Json::Bool(true);
             M(d, "costs").items[4] = Json::String("0");
         },
         "costs[4]: \"0\" costs less than 1, and infinity is 16"},
        {[](Json& d) { M(M(d, "packets").items[2], "link cost") = Json::Number(-5); },
         "packets[2].link cost: -5 is not from 0 to 9"},
        {[](Json& d) { M(M(d, "packets").items[2], "link cost") = Json::Number(100); },
         "packets[2].link cost: 100 is not from 0 to 9"},
        {[](Json& d) {
             M(M(M(d, "routers").items[3], "rows").items[0], "held until") = Json::Number(1e15);
         },
         "routers[3].rows[0].held until: 1000000000000000 lies more than 600 s after RIP's clock"},
        {[](Json& d) { M(M(d, "rip"), "next periodic").items[5] = Json::Number(1e15); },
         "rip.next periodic[5]: 1000000000000000 lies more than 600 s after RIP's clock"},
        {[](Json& d) { M(d, "costs").items[0] = Json::String(std::string(4000, '7')); },
         "costs[0]: \"7777777777777777777777777777777777777777...\" (4000 bytes) is neither "
         "blank nor one digit"},
        {[](Json& d) { M(M(d, "rip"), "hold-down seconds") = Json::Number(601); },
         "rip.hold-down seconds: 601 is not from 1 to 600"},
        {[](Json& d) { M(M(d, "picks"), "start") = Json::Number(6); },
         "picks.start: 6 is not from 0 to 5"},
        {[](Json& d) { M(M(d, "packets").items[2], "link cost") = Json::Number(1e300); },
         "packets[2].link cost: 1E+300 is not from 0 to 9"},
        {[](Json& d) { M(d, "tick") = Json::Number(-1e300); },
         "tick: -1E+300 is not from 0 to 9007199254740992"},
    };
    // Every other value a file holds, made hostile: refused, or read back within its range.
    Saved probe;
    const Json sample = DemonstrationFile::ToJson(probe.demonstration.Capture());
    int refused = 0;
    int members = 0;
    const std::function<void(Json&, const std::function<void()>&)> each =
        [&](Json& node, const std::function<void()>& judge) {
            for (auto& [name, value] : node.members) {
                each(value, judge);
            }
            for (Json& item : node.items) {
                each(item, judge);
            }
            if (node.members.empty() && node.items.empty()) {
                const Json kept = node;
                for (const Json& bad : {Json::Number(-1), Json::Number(1e18), Json::Number(0.5),
                                        Json::String("Z"), Json::String(""), Json::Bool(true)}) {
                    node = bad;
                    judge();
                }
                node = kept;
                ++members;
            }
        };
    Json hostile = sample;
    each(hostile, [&] {
        const HopscapeFile::Read read = HopscapeFile::FromJson(hostile);
        if (!read.demonstration) {
            ++refused;
            return;
        }
        // Read: it opens, and what it holds keeps the window's invariants.
        Saved opened;
        opened.demonstration.Open(*read.demonstration, 0);
        ASSERT_EQ(CheckFormInvariants(opened.form), "") << HopscapeFile::Bytes(hostile);
    });
    EXPECT_GT(members, 200);
    EXPECT_GT(refused, members * 3);
    Saved saved;
    const Json good = DemonstrationFile::ToJson(saved.demonstration.Capture());
    for (const auto& c : cases) {
        Json hostile = good;
        c.change(hostile);
        const HopscapeFile::Read read = HopscapeFile::FromJson(hostile);
        EXPECT_EQ(read.fault, c.fault);
        EXPECT_FALSE(read.demonstration.has_value()) << c.fault;
    }
    EXPECT_EQ(HopscapeFile::Problem("/tmp/demo.json", "tick: is not a number"),
              "/tmp/demo.json: tick: is not a number");
}

// The longest hold-down the window allows is saved and read back; text outside Latin-1 too.
TEST(SavedFiles, TheLongestHoldDownAndAnyTextReadBack) {
    Saved saved;
    saved.demonstration.SetHoldDownSeconds(600, 0);
    saved.form.State().Label2.caption = "Ω ∞ ü → 路由";
    const Snapshot before = saved.demonstration.Capture();
    const HopscapeFile::Read read = HopscapeFile::FromJson(DemonstrationFile::ToJson(before));
    ASSERT_TRUE(read.demonstration.has_value()) << read.fault;
    EXPECT_EQ(read.demonstration->rip.on.holdDownSeconds, 600);
    EXPECT_EQ(read.demonstration->status, "Ω ∞ ü → 路由");
}

TEST(SavedFiles, AHostileLessonIsRefusedWithThePlaceAndTheFault) {
    const struct {
        Json step;
        std::string fault;
    } cases[] = {
        {Json::Object().Set("break", Json::String("A-F")),
         "steps[1].break: \"A-F\" is no link of the window"},
        {Json::Object().Set("router", Json::String("G")),
         "steps[1].router: \"G\" is no router of the window"},
        {Json::Object().Set("wait", Json::Object().Set("ticks", Json::Number(-1))),
         "steps[1].wait.ticks: -1 is not from 0 to 100000"},
        {Json::Object().Set("cost", Json::String("A to B")), "steps[1].button: is missing"},
        {Json::Object().Set("rule", Json::String("fast")).Set("on", Json::Bool(true)),
         "steps[1].rule: no RIP rule is called \"fast\""},
        {Json::Object().Set("jump", Json::Number(3)), "steps[1]: names no kind of step"},
        {Json::Object().Set("break", Json::String("B-F")),
         "steps[1].break: link B-F is not in the scenario \"Example 1\""},
        {Json::Object().Set("network", Json::String("f")), ""},
        {Json::Number(3), "steps[1]: is not a step (an object naming what to do)"},
        {Json::Object().Set("predict", Json::Object().Set("router", Json::String("G"))),
         "steps[1].predict.router: \"G\" is none of \"A\", \"B\", \"C\", \"D\", \"E\", \"F\""},
        {Json::Object().Set("predict", Json::Object().Set("networks", Json::String("a"))),
         "steps[1].predict.router: is missing"},
        {Json::Object().Set(
             "predict",
             Json::Object().Set("router", Json::String("C")).Set("networks", Json::String("az"))),
         "steps[1].predict.networks: \"az\" is not network letters from a to f, each at most "
         "once"},
        {Json::Object().Set(
             "predict",
             Json::Object().Set("router", Json::String("C")).Set("networks", Json::String("aa"))),
         "steps[1].predict.networks: \"aa\" is not network letters from a to f, each at most "
         "once"},
        {Json::Object().Set("predict", Json::Object()
                                           .Set("router", Json::String("C"))
                                           .Set("networks", Json::String("a"))
                                           .Set("rounds to inf", Json::String("a"))),
         "steps[1].predict: asks for networks and for rounds to inf at once"},
        {Json::Object().Set("predict", Json::Object()
                                           .Set("router", Json::String("B"))
                                           .Set("rounds to inf", Json::String("ab"))),
         "steps[1].predict.rounds to inf: \"ab\" is not one network letter"},
        {Json::Object().Set(
             "predict",
             Json::Object().Set("router", Json::String("C")).Set("networks", Json::String("fb"))),
         ""},
    };
    LessonScript lesson;
    lesson.title = "Hostile";
    lesson.scenario = "Example 1";
    lesson.steps = {LessonScript::Step::Say("first")};
    const Json good = LessonFile::ToJson(lesson);
    for (const auto& c : cases) {
        Json hostile = good;
        M(hostile, "steps").items.push_back(c.step);
        const HopscapeFile::Read read = HopscapeFile::FromJson(hostile);
        EXPECT_EQ(read.fault, c.fault);
        EXPECT_EQ(read.lesson.has_value(), c.fault.empty()) << c.fault;
    }
    // The start's switches: known rules only, and only with a scenario.
    const struct {
        std::string member;
        Json value;
        std::string fault;
    } starts[] = {
        {"rules", Json::Array({Json::String("infinity"), Json::String("fast")}),
         "start.rules[1]: \"fast\" is none of \"infinity\", \"periodic\", \"triggered\", "
         "\"hold-down\", \"simple-split\", \"timeout-only\""},
        {"rules", Json::String("infinity"), "start.rules: is not a list"},
        {"split horizons", Json::String("yes"), "start.split horizons: is not true or false"},
    };
    for (const auto& c : starts) {
        Json hostile = good;
        M(hostile, "start").Set(c.member, c.value);
        EXPECT_EQ(HopscapeFile::FromJson(hostile).fault, c.fault);
    }
}

// Members the program does not know are read past and named, so that the log can say so.
TEST(SavedFiles, UnknownMembersAreIgnoredAndNamed) {
    Saved saved;
    Json document = DemonstrationFile::ToJson(saved.demonstration.Capture());
    M(document, "packets").items[2].Set("colour", Json::String("red"));
    document.Set("author", Json::String("Pelko"));
    const HopscapeFile::Read read = HopscapeFile::FromJson(document);
    ASSERT_TRUE(read.demonstration.has_value()) << read.fault;
    EXPECT_TRUE(*read.demonstration == saved.demonstration.Capture());
    EXPECT_EQ(read.ignored, (std::vector<std::string>{"author", "packets[2].colour"}));
    EXPECT_EQ(HopscapeFile::IgnoredLine("demo.json", "author"),
              "demo.json: author ignored (not a member this program reads)");
}

// Whatever the lecturer did, the demonstration saved reads back as it was and opens as it was.
TEST(SavedFiles, WhatIsSavedReadsBackAndOpensExactly) {
    for (std::uint64_t seed = 1; seed <= 12; ++seed) {
        Saved saved;
        SeededRandom user(seed);
        for (int i = 0; i < 40; ++i) {
            const auto op = static_cast<std::uint8_t>(user.Next() * 256);
            const auto arg = static_cast<std::uint8_t>(user.Next() * 256);
            if (!(UserAction(op % 20, arg) == Action::Choose("no such scenario"))) {
                ApplyLectureAction(saved.demonstration, op, arg);
            }
        }
        const Snapshot before = saved.demonstration.Capture();
        const HopscapeFile::Read read = HopscapeFile::FromJson(DemonstrationFile::ToJson(before));
        ASSERT_TRUE(read.demonstration.has_value()) << "seed " << seed << ": " << read.fault;
        ASSERT_TRUE(*read.demonstration == before) << "seed " << seed;
        EXPECT_TRUE(read.ignored.empty());

        Saved opened;
        opened.demonstration.Open(*read.demonstration, 0);
        EXPECT_TRUE(opened.demonstration.Capture() == before) << "seed " << seed;
        EXPECT_EQ(DescribeState(opened.form.State()), DescribeState(saved.form.State()));
        EXPECT_TRUE(opened.demonstration.CanUndo()) << "opening is undone as any action is";
        if (seed == 1) {
            Saved undone;
            const std::string status = undone.form.State().Label2.caption;
            const std::string before = DescribeState(undone.form.State());
            undone.demonstration.Open(*read.demonstration, 0);
            ASSERT_TRUE(undone.demonstration.Undo(0));
            EXPECT_EQ(undone.form.State().Label2.caption, "Undone: opening of a demonstration");
            undone.form.State().Label2.caption = status;
            EXPECT_EQ(DescribeState(undone.form.State()), before);
        }
        // And both run on alike.
        for (int t = 0; t < 60; ++t) {
            saved.form.MoveTimer_Timer();
            opened.form.MoveTimer_Timer();
        }
        EXPECT_EQ(DescribeState(opened.form.State()), DescribeState(saved.form.State()))
            << "seed " << seed;
    }
}

TEST(SavedFiles, TheTablesExportAsCsvAndTheLogAsText) {
    FakePlatform platform{7};
    SeededRandom random{3};
    MainForm form{platform, random};
    form.Form_Load();
    Demonstration demonstration{form};
    demonstration.Act(Action::Choose("Three Routers"), 0);
    demonstration.Act(Action::Click(Action::Control::Update), 0);
    for (int t = 0; t < 26; ++t) {
        form.MoveTimer_Timer();
    }
    EXPECT_EQ(TableExport::Csv(form.State()), "router,network,cost,next hop\n"
                                              "A,a,1,L\nA,b,10,B\nA,c,2,C\n"
                                              "B,a,10,A\nB,b,1,L\nB,c,2,C\n"
                                              "C,a,2,A\nC,b,2,B\nC,c,1,L\n");
    const std::string log = TableExport::LogText(demonstration.LogLines());
    EXPECT_EQ(log.substr(0, log.find('\n') + 1),
              "tick 0  " + demonstration.LogLines()[0].text + "\n");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), std::ssize(demonstration.LogLines()));
}
