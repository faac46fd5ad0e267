// A lecture's events as lines: written and read back, refused with a reason when malformed, and
// applied to a lecture as the front ends apply them.
#include "session/Event.h"
#include "session/Fingerprint.h"
#include "session/Replica.h"
#include "session/Stream.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

StartOptions Example1() {
    StartOptions options;
    options.SetAll("scenario=Example 1");
    return options;
}

} // namespace

TEST(Event, EachKindIsWrittenAsItsLineAndReadBackTheSame) {
    const std::vector<std::pair<Event, std::string>> cases{
        {Event::Tick(40), "tick 40"},
        {Event::Frames(1999999999), "frames 1999999999"},
        {Event::Act(Action::CostPress(7, MouseButton::kRight), 1200), "act 3 7 2 0 0 = 1200"},
        {Event::Act(Action::Choose("Example 1"), 5), "act 4 0 1 0 0 =Example%201 5"},
        {Event::Act(Action::Rule(6, true), 5), "act 12 6 1 1 0 = 5"},
        {Event::Act(Action::HoldDown(600), 5), "act 13 0 1 0 600 = 5"},
        {Event::Extra(Extras::Id::Undo, 80), "extra 6 80"},
        {Event::Lesson(2, 0), "lesson 2 0"},
        {Event::Open("my demo.json", "{\"a\": 1}\n", 9),
         "open =my%20demo.json =%7B%22a%22%3A%201%7D%0A 9"},
        {Event::Answer({"10", "B", "", "inf"}, 7), "answer 4 =10 =B = =inf 7"},
        {Event::Answer({}, 7), "answer 0 7"},
        {Event::Practise(3, 18446744073709551615ull, 1), "practise 3 18446744073709551615 1"},
        {Event::HoldDown(180, 3), "hold-down 180 3"},
        {Event::Saved(12), "saved 12"},
        {Event::Settle(0), "settle 0"},
    };
    for (const auto& [event, line] : cases) {
        EXPECT_EQ(event.Text(), line);
        std::string fault;
        const std::optional<Event> read = Event::Read(line, fault);
        ASSERT_TRUE(read) << line << ": " << fault;
        EXPECT_EQ(*read, event) << line;
        EXPECT_EQ(fault, "");
    }
    // Every byte survives, the line's end and the word's space among them.
    std::string bytes;
    for (int c = 0; c < 256; ++c) {
        bytes += static_cast<char>(c);
    }
    std::string fault;
    const std::optional<Event> read = Event::Read(Event::Open("x", bytes, 1).Text(), fault);
    ASSERT_TRUE(read) << fault;
    EXPECT_EQ(read->bytes, bytes);
}

TEST(Event, AMalformedLineIsRefusedWithItsFault) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"", "event missing"},
        {"jump 5", "unknown event \"jump\""},
        {"tick", "time missing"},
        {"tick -5", "time -5 out of range"},
        {"tick 2000000001", "time 2000000001 out of range"},
        {"tick 5x", "time 5x out of range"},
        {"tick 5 6", "words left over"},
        {"tick  5", "time  out of range"},
        {"act 14 0 1 0 0 = 5", "control 14 out of range"},
        {"act 0 6 1 0 0 = 5", "index 6 out of range"},
        {"act 2 10 1 0 0 = 5", "index 10 out of range"},
        {"act 6 1 1 0 0 = 5", "index 1 out of range"},
        {"act 3 0 8 0 0 = 5", "button 8 out of range"},
        {"act 13 0 1 0 601 = 5", "value 601 out of range"},
        {"act 6 0 1 0 5 = 5", "value 5 out of range"},
        {"act 4 0 1 0 0 Example 5", "scenario must begin with ="},
        {"act 4 0 1 0 0 =%4 5", "scenario: % without two capital hex digits"},
        {"act 4 0 1 0 0 =%4a 5", "scenario: % without two capital hex digits"},
        {"act 4 0 1 0 0 =a/b 5", "scenario: a byte not escaped"},
        {"extra 42 5", "extra 42 out of range"},
        {"lesson 99 5", "lesson 99 out of range"},
        {"practise 4 1 5", "level 4 out of range"},
        {"practise 1 -1 5", "seed -1 is no number"},
        {"practise 1 18446744073709551616 5", "seed 18446744073709551616 is no number"},
        {"hold-down 0 5", "seconds 0 out of range"},
        {"answer 65 5", "cells 65 out of range"},
        {"answer 2 =a 5", "cell must begin with ="},
        {"answer 1 =12345678901234567 5", "cell too long"},
        {"open =a 5", "bytes must begin with ="},
    };
    for (const auto& [line, expected] : cases) {
        std::string fault;
        EXPECT_FALSE(Event::Read(line, fault)) << line;
        EXPECT_EQ(fault, expected) << line;
    }
    std::string fault;
    EXPECT_FALSE(Event::Read("tick" + std::string(100, ' ') + "5", fault));
    EXPECT_EQ(fault, "too many words");
    EXPECT_FALSE(Event::Read(std::string(Event::kLongestLine + 1, 't'), fault));
    EXPECT_EQ(fault, "line too long");
    EXPECT_FALSE(Event::Read("open =a =" + std::string(1024 * 1024 + 1, 'x') + " 5", fault));
    EXPECT_EQ(fault, "bytes too long");
}

TEST(Event, WhatCannotHappenOnTheWindowChangesNothing) {
    Replica replica(Example1(), 7);
    Lecture& lecture = replica.Lecture();
    const std::uint64_t before = Fingerprint::Of(lecture);
    Event::Act(Action::Choose("No such scenario"), 10).Apply(lecture);
    Event::Open("broken.json", "{\"format\": ", 20).Apply(lecture);
    EXPECT_EQ(Fingerprint::Of(lecture), before);
    EXPECT_EQ(replica.Demonstration().State().cmbSims.text, "Example 1");

    // A click on a router the scenario hides is no click.
    replica.Demonstration().Form().State().btnRouter[5].visible = false;
    const std::uint64_t hidden = Fingerprint::Of(lecture);
    Event::Act(Action::Click(Action::Control::Router, 5), 30).Apply(lecture);
    EXPECT_EQ(Fingerprint::Of(lecture), hidden);
}

TEST(Stream, WhileTheMessageIsOpenATimerFiresInVainAndIsNotKept) {
    Replica replica(Example1(), 7);
    Stream stream(Replica::StartLine(7, Example1()), replica.Lecture());
    stream.Take(Event::Act(Action::Click(Action::Control::Update), 0));
    EXPECT_EQ(stream.Settled(), 1);
    replica.Form().Runtime().MessageOpen = true;
    const std::uint64_t held = Fingerprint::Of(replica.Lecture());
    EXPECT_FALSE(stream.Take(Event::Tick(40)).next.tick);
    EXPECT_FALSE(stream.Take(Event::Frames(40)).next.frame);
    EXPECT_EQ(Fingerprint::Of(replica.Lecture()), held);
    replica.Form().Runtime().MessageOpen = false;
    stream.Take(Event::Tick(40));
    EXPECT_NE(Fingerprint::Of(replica.Lecture()), held) << "the tables sent move on";
    EXPECT_EQ(stream.Journal().substr(stream.Journal().find('\n') + 1),
              "act 9 0 1 0 0 = 0\ntick 40\n");
    EXPECT_EQ(stream.Settled(), 1);
}

TEST(Event, TheStartLineGivesTheSameLectureAgain) {
    StartOptions options;
    ASSERT_EQ(options.SetAll("scenario=Three Routers\nrip=all"), "");
    const std::string line = Replica::StartLine(99, options);
    EXPECT_EQ(line, "start 99 =scenario%3DThree%20Routers%0Arip%3Dall%0A = =");
    Replica::Start start = Replica::ReadStart(line);
    ASSERT_EQ(start.fault, "");
    EXPECT_EQ(start.seed, 99u);
    Replica again(start.options, start.seed);
    EXPECT_EQ(again.Demonstration().State().cmbSims.text, "Three Routers");

    // A file opened at the start goes with it, by its name and bytes.
    Replica first(options, 99);
    first.Lecture().Do(Extras::Id::HoldDownDemo, 0);
    StartOptions opened;
    ASSERT_EQ(opened.TakeFile("demo.json", first.Lecture().DemonstrationBytes(), false), "");
    start = Replica::ReadStart(Replica::StartLine(5, opened));
    ASSERT_EQ(start.fault, "");
    Replica second(start.options, start.seed);
    EXPECT_EQ(second.Lecture().DemonstrationBytes(), first.Lecture().DemonstrationBytes());

    EXPECT_EQ(Replica::ReadStart("tick 5").fault, "the start must come first");
    EXPECT_EQ(Replica::ReadStart("start 5 =scenario%3DNowhere = =").fault.substr(0, 32),
              "No scenario is called \"Nowhere\";");
    EXPECT_EQ(Replica::ReadStart("start 5 = =a.json =%7B").fault.substr(0, 8), "a.json: ");
    EXPECT_EQ(opened.TakeFile("a.json", first.Lecture().DemonstrationBytes(), true),
              "a.json: holds a demonstration, not a lesson; open it with --open");
}

// What a front end hands in is cut to what a follower's reader takes, so that no lecture can hold
// an event its followers refuse.
TEST(Event, WhatNoReaderTakesIsCutToWhatOneDoes) {
    const Event answer = Event::Answer(std::vector<std::string>(70, std::string(20, '7')), 5);
    std::string fault;
    const std::optional<Event> read = Event::Read(answer.Text(), fault);
    ASSERT_TRUE(read) << fault;
    EXPECT_EQ(read->cells, std::vector<std::string>(64, std::string(16, '7')));
    const Event open = Event::Open(std::string(300, 'n'), std::string((1 << 20) + 1, '{'), 5);
    ASSERT_TRUE(Event::Read(open.Text(), fault)) << fault;
    EXPECT_EQ(open.name.size(), 256u);
    EXPECT_EQ(open.bytes, "");
}
