#include "session/StartOptions.h"

#include "app/MainForm.h"
#include "common/SeededRandom.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>

TEST(StartOptions, SeedsAreDecimalDigitsOnly) {
    EXPECT_EQ(StartOptions::ReadSeed("42"), 42u);
    EXPECT_EQ(StartOptions::ReadSeed("0"), 0u);
    EXPECT_EQ(StartOptions::ReadSeed("18446744073709551615"), 18446744073709551615u);
    for (const char* bad :
         {"", "-1", "+1", " 1", "1 ", "1x", "0x10", "1.5", "1,5", "18446744073709551616"}) {
        EXPECT_FALSE(StartOptions::ReadSeed(bad).has_value()) << "'" << bad << "'";
    }
}

TEST(StartOptions, OnlyTheSevenScenariosAreKnown) {
    StartOptions options;
    EXPECT_EQ(options.Problem(), "");
    options.scenario = "Three Routers";
    EXPECT_EQ(options.Problem(), "");
    options.scenario = "three routers";
    EXPECT_NE(options.Problem().find("No scenario is called \"three routers\""), std::string::npos)
        << "names are matched exactly";
    EXPECT_NE(options.Problem().find("\"Everything\""), std::string::npos) << "and listed";
}

TEST(StartOptions, ALanguageAskedForIsOneThereIsOrEnglish) {
    const std::vector<std::string> available = {"de", "fr", "pt-BR"};
    for (const char* spoken : {"de", "de-AT", "de_CH", "fr", "pt-BR", "en", "en-GB", "en_US"}) {
        EXPECT_EQ(StartOptions::LanguageFault(spoken, available), "") << spoken;
    }
    EXPECT_EQ(StartOptions::LanguageFault("it", available),
              "No language is called 'it'; there are en, de, fr, pt-BR.");
    EXPECT_EQ(StartOptions::LanguageFault("pt-PT", available),
              "No language is called 'pt-PT'; there are en, de, fr, pt-BR.");
    EXPECT_EQ(StartOptions::LanguageFault("eng", available),
              "No language is called 'eng'; there are en, de, fr, pt-BR.")
        << "English by its two letters only";
    EXPECT_EQ(StartOptions::LanguageFault("en-XA", available),
              "No language is called 'en-XA'; there are en, de, fr, pt-BR.")
        << "the made-up language is no English";
    EXPECT_EQ(StartOptions::LanguageFault("en-XA", {"en-XA"}), "");
    EXPECT_EQ(StartOptions::LanguageFault("", available),
              "No language is called ''; there are en, de, fr, pt-BR.");
}

TEST(StartOptions, OpenInTheScenarioWithTheSeedGiven) {
    FakePlatform platform;
    SeededRandom random;
    MainForm form(platform, random);
    StartOptions options;
    options.scenario = "Three Routers";
    options.seed = 2026;
    options.Start(form, random);
    EXPECT_EQ(form.State().cmbSims.text, "Three Routers");
    EXPECT_FALSE(form.State().btnRouter[3].visible);
    EXPECT_EQ(form.State().lblCost[0].caption, "9");
    SeededRandom expected(2026);
    EXPECT_EQ(random.Next(), expected.Next()) << "the seed replaces the clock's";
    EXPECT_EQ(random.Next(), expected.Next());
}

TEST(StartOptions, NoOptionsOpenAsAlways) {
    FakePlatform platform;
    SeededRandom random;
    MainForm form(platform, random);
    StartOptions().Start(form, random);
    EXPECT_EQ(form.State().cmbSims.text, "Random 1");
    SeededRandom expected(12345); // the fake clock's seed
    EXPECT_EQ(random.Next(), expected.Next());
}

TEST(StartOptions, RipRulesByNameOrAll) {
    const struct {
        const char* text;
        std::optional<std::string> unknown;
        RipSwitches read;
    } cases[] = {
        {"all", std::nullopt, {true, true, true, true, true, true}},
        {"infinity", std::nullopt, {true, false, false, false, false, false}},
        {"hold-down,simple-split", std::nullopt, {false, false, false, true, true, false}},
        {"periodic,triggered,timeout-only", std::nullopt, {false, true, true, false, false, true}},
        {"infinity,bogus", "bogus", {}},
        {"", "", {}},
        {"infinity,,periodic", "", {}},
        {"infinity,", "", {}},
        {"Infinity", "Infinity", {}},
    };
    for (const auto& c : cases) {
        RipSwitches rules;
        EXPECT_EQ(StartOptions::ReadRules(c.text, rules), c.unknown) << c.text;
        EXPECT_EQ(rules, c.read) << c.text;
    }
    FakePlatform platform;
    SeededRandom random;
    MainForm form(platform, random);
    StartOptions options;
    options.scenario = "Three-Router Loop";
    StartOptions::ReadRules("infinity,hold-down", options.rip);
    EXPECT_EQ(options.Problem(), "") << "the demonstrations are known too";
    options.Start(form, random);
    EXPECT_TRUE(form.State().Rip.on.infinity);
    EXPECT_TRUE(form.State().Rip.on.holdDown);
    EXPECT_FALSE(form.State().btnRouter[4].visible) << "A, B, C and D only";
}

// The names and values a command line or a page's address hands over, and what each says back.
TEST(StartOptions, OptionsByNameAndValue) {
    const struct {
        const char* name;
        const char* value;
        const char* fault;
    } cases[] = {
        {"scenario", "Four Routers", ""},
        {"seed", "42", ""},
        {"seed", "4 2",
         "The seed must be a whole number from 0 to 18446744073709551615, not '4 2'."},
        {"rip", "infinity,hold-down", ""},
        {"rip", "infinity,",
         "No RIP rule is called ''; the rules are all, infinity, periodic, triggered, hold-down, "
         "simple-split, timeout-only."},
        {"lesson", "Count to infinity", ""},
        {"projector", "1", ""},
        {"fullscreen", "", ""},
        {"fullscreen", "yes", "'fullscreen' is on (1) or off (0), not 'yes'."},
        {"colour", "red", "No option is called 'colour'."},
    };
    StartOptions options;
    for (const auto& c : cases) {
        EXPECT_EQ(options.Set(c.name, c.value), c.fault) << c.name << "=" << c.value;
    }
    EXPECT_EQ(options.scenario, "Four Routers");
    EXPECT_EQ(options.seed, 42u);
    EXPECT_TRUE(options.rip.infinity && options.rip.holdDown && !options.rip.periodic);
    ASSERT_TRUE(options.lesson);
    EXPECT_EQ(options.lesson->title, "Count to infinity");
    EXPECT_TRUE(options.projector && options.fullScreen);
    EXPECT_EQ(options.Set("lesson", "Nothing").substr(0, 59),
              "No built-in lesson is called 'Nothing', and no file either;");
}

// A page's address, one option a line: every fault is named, one a line, a scenario no list holds
// found once all are read; a bad lesson names the lessons there are.
TEST(StartOptions, AnAddressLineByLine) {
    StartOptions options;
    EXPECT_EQ(options.SetAll("scenario=Three Routers\nseed=7\nprojector\nrip=all"), "");
    EXPECT_EQ(options.scenario, "Three Routers");
    EXPECT_EQ(options.seed, 7u);
    EXPECT_TRUE(options.projector && options.rip.infinity && options.rip.timeoutOnly);
    StartOptions two;
    EXPECT_EQ(two.SetAll("seed=x\nprojector=1\npractice=7\nscenario=Nowhere"),
              "The seed must be a whole number from 0 to 18446744073709551615, not 'x'.\n"
              "The practice's level is 1, 2 or 3, not '7'.\n"
              "No scenario is called \"Nowhere\"; the scenarios are \"Random 1\", \"Random 1 No "
              "Reverse\", \"Flooding 1\", \"Example 1\", \"Three Routers\", \"Four Routers\", "
              "\"Everything\", \"Three-Router Loop\", \"Hold-Down Delays Good News\"");
    StartOptions lesson;
    EXPECT_EQ(lesson.SetAll("lesson=Nothing"),
              "No built-in lesson is called 'Nothing', and no file either; the lessons are "
              "\"Example 1 converging\", \"Count to infinity\", \"Split horizon's cure\", "
              "\"Three-router loop\", \"Infinity 16\", \"Triggered updates\", \"Hold-down\".");
    EXPECT_EQ(StartOptions().SetAll(""), "");
}
