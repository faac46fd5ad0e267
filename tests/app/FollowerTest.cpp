// A hall that follows: random lectures streamed to followers that join at random moments, and
// frames lost, repeated, reordered or tampered with on the way.
#include "session/Follower.h"
#include "session/Fingerprint.h"
#include "session/Stream.h"

#include "common/Fields.h"
#include "common/SeededRandom.h"
#include "session/BuiltInLessons.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

constexpr std::uint64_t kSeed = 4242;

StartOptions Options() {
    StartOptions options;
    options.SetAll("scenario=Example 1");
    return options;
}

// A lecturer who does a little of everything, mostly letting the packets move.
class Lecturer {
public:
    explicit Lecturer(std::uint64_t seed)
        : replica_(Options(), kSeed),
          stream_(Replica::StartLine(kSeed, Options()), replica_.Lecture()), dice_(seed) {
        stream_.Serve(true);
    }

    class Lecture& Lecture() {
        return replica_.Lecture();
    }
    Stream& Frames() { return stream_; }
    long Now() const { return now_; }
    std::uint64_t Print() { return Fingerprint::Of(Lecture()); }

    void Do(const Event& event) { stream_.Take(event); }

    void DoSomething() {
        const int roll = Roll(100);
        now_ += roll < 60 ? 40 : Roll(3000);
        if (roll < 60) {
            Do(Event::Tick(now_));
        } else if (roll < 65) {
            Do(Event::Frames(now_));
        } else if (roll < 80) {
            Do(Event::Act(SomeAction(), now_));
        } else if (roll < 89) {
            Do(Event::Extra(static_cast<Extras::Id>(Roll(static_cast<int>(Extras::Id::Help) + 1)),
                            now_));
        } else if (roll < 91) {
            Do(Event::Lesson(Roll(static_cast<int>(BuiltInLessons::All().size())), now_));
        } else if (roll < 96) {
            const std::optional<Question>& asked = replica_.Demonstration().Questions().Asked();
            Do(Event::Answer(
                asked && Roll(2) == 0 ? asked->Answer() : std::vector<std::string>{"1"}, now_));
        } else if (roll < 97) {
            Do(Event::Practise(1 + Roll(3), static_cast<std::uint64_t>(Roll(1000)), now_));
        } else if (roll < 98) {
            Do(Event::HoldDown(1 + Roll(600), now_));
        } else if (roll < 99) {
            Do(Event::Open("again.json", Lecture().DemonstrationBytes(), now_));
        } else {
            Do(Event::Extra(Extras::Id::NextStep, now_));
        }
    }

private:
    int Roll(int below) { return static_cast<int>(dice_.Next() * below); }

    Action SomeAction() {
        using Control = Action::Control;
        switch (Roll(8)) {
        case 0:
            return Action::Click(Control::Router, Roll(kRouterCount));
        case 1:
            return Action::Click(Control::Network, Roll(kNetworkCount));
        case 2:
            return Action::Click(Control::Break, Roll(Layout::kBreakCount));
        case 3:
            return Action::CostPress(Roll(Layout::kCostLabelCount), 1 + Roll(2));
        case 4: {
            const auto& items = replica_.Demonstration().State().cmbSims.items;
            return Action::Choose(
                items[static_cast<std::size_t>(Roll(static_cast<int>(items.size())))]);
        }
        case 5:
            return Action::Split(Roll(2) == 0);
        case 6:
            return Action::Rule(Roll(Action::kAllRules + 1), Roll(2) == 0);
        default:
            return Action::Click(static_cast<Control>(static_cast<int>(Control::One) + Roll(6)));
        }
    }

    Replica replica_;
    Stream stream_;
    SeededRandom dice_;
    long now_ = 0;
};

// Takes a frame at `now` and plays it out, each event at its time.
Follower::Outcome Deliver(Follower& follower, const std::string& frame, long now) {
    Follower::Outcome outcome = follower.Take(frame, now);
    while (!outcome.ask && !outcome.rebuilt && follower.Next(now)) {
        now += *follower.Next(now);
        outcome = follower.Play(now);
    }
    return outcome;
}

} // namespace

TEST(Follower, FollowersWhoJoinAtAnyMomentStandWhereTheLecturerStandsAtEveryFrame) {
    for (std::uint64_t seed = 1; seed <= 3; ++seed) {
        Lecturer lecturer(seed);
        SeededRandom dice(seed * 7);
        std::vector<Follower> followers(4);
        std::vector<long> joins;
        for (std::size_t i = 0; i < followers.size(); ++i) {
            joins.push_back(static_cast<long>(dice.Next() * 60));
        }
        joins[0] = 0;
        for (long frame = 0; frame < 80; ++frame) {
            for (std::size_t i = 0; i < followers.size(); ++i) {
                if (joins[i] == frame) {
                    const Follower::Outcome joined =
                        followers[i].Take(lecturer.Frames().Snapshot(), lecturer.Now());
                    ASSERT_TRUE(joined.rebuilt);
                    ASSERT_EQ(joined.said, "");
                }
            }
            const int events = 1 + static_cast<int>(dice.Next() * 8);
            for (int e = 0; e < events; ++e) {
                lecturer.DoSomething();
            }
            const std::string sent = lecturer.Frames().Frame();
            for (std::size_t i = 0; i < followers.size(); ++i) {
                if (joins[i] > frame) {
                    continue;
                }
                const Follower::Outcome outcome = Deliver(followers[i], sent, lecturer.Now());
                ASSERT_FALSE(outcome.ask)
                    << "seed " << seed << " frame " << frame << ": " << outcome.said;
                ASSERT_EQ(Fingerprint::Of(followers[i].Copy()->Lecture()), lecturer.Print())
                    << "seed " << seed << " follower " << i << " frame " << frame;
            }
        }
    }
}

TEST(Follower, FramesLostRepeatedOrReorderedAreNoticedAndHealedFromASnapshot) {
    Lecturer lecturer(11);
    SeededRandom dice(5);
    Follower follower;
    ASSERT_TRUE(follower.Take(lecturer.Frames().Snapshot(), 0).rebuilt);
    std::vector<std::string> said;
    std::string held; // a frame kept back, to come after the next
    int asked = 0;
    for (int frame = 0; frame < 150; ++frame) {
        for (int e = 0; e < 4; ++e) {
            lecturer.DoSomething();
        }
        std::vector<std::string> sent{lecturer.Frames().Frame()};
        const double fate = dice.Next();
        if (fate < 0.1) {
            sent.clear(); // lost
        } else if (fate < 0.2) {
            sent.push_back(sent.front()); // repeated
        } else if (fate < 0.3 && held.empty()) {
            held = sent.front(); // overtaken by the next
            sent.clear();
        } else if (!held.empty()) {
            sent.push_back(held);
            held.clear();
        }
        bool ask = false;
        for (const std::string& frameText : sent) {
            const Follower::Outcome outcome = Deliver(follower, frameText, lecturer.Now());
            if (outcome.ask) {
                ask = true;
                said.push_back(outcome.said);
            }
        }
        if (ask) {
            ++asked;
            ASSERT_TRUE(follower.Take(lecturer.Frames().Snapshot(), lecturer.Now()).rebuilt);
        }
        if (sent.size() == 1 && held.empty() && !ask) {
            ASSERT_EQ(Fingerprint::Of(follower.Copy()->Lecture()), lecturer.Print())
                << "frame " << frame;
        }
    }
    EXPECT_GT(asked, 10);
    for (const std::string& reason : said) {
        EXPECT_NE(reason.find(" came after frame "), std::string::npos) << reason;
    }
    // A frame held back at the end is a frame lost.
    if (Deliver(follower, lecturer.Frames().Frame(), lecturer.Now()).ask) {
        follower.Take(lecturer.Frames().Snapshot(), lecturer.Now());
    }
    EXPECT_EQ(Fingerprint::Of(follower.Copy()->Lecture()), lecturer.Print());
}

TEST(Follower, AFrameTamperedWithIsRefusedOrFoundOutAndSaidWhy) {
    Lecturer lecturer(3);
    Follower follower;
    EXPECT_FALSE(follower.Take("frame 1 0000000000000000\ntick 40\n", 0).ask)
        << "before its snapshot a follower waits for one";
    follower.Take(lecturer.Frames().Snapshot(), 0);
    lecturer.Do(Event::Act(Action::Click(Action::Control::Update), 0));
    std::string frame = lecturer.Frames().Frame();
    std::string wrong = frame;
    char& digit = wrong[wrong.find('\n') - 1]; // the print's last digit
    digit = digit == '0' ? '1' : '0';
    Follower::Outcome outcome = Deliver(follower, wrong, 0);
    EXPECT_TRUE(outcome.ask);
    EXPECT_EQ(outcome.said, "after frame 1 this copy differs from the lecturer's");
    EXPECT_FALSE(Deliver(follower, frame, 0).ask) << "asked once till the snapshot comes";

    follower.Take(lecturer.Frames().Snapshot(), 0);
    lecturer.Do(Event::Tick(40));
    frame = lecturer.Frames().Frame();
    outcome = Deliver(follower, frame.substr(0, frame.find('\n') + 1) + "tock 40\n", 40);
    EXPECT_TRUE(outcome.ask);
    EXPECT_EQ(outcome.said, "frame 2 refused: unknown event \"tock\"");
    EXPECT_EQ(follower.Take("frame 3 12345\n", 40).said,
              "a frame refused: fingerprint 12345 is not sixteen hex digits");
    EXPECT_EQ(follower.Take("", 40).said, "an empty frame");
    EXPECT_EQ(follower.Take("snapshot 2 0000000000000000\nstart x =\n", 40).said,
              "a snapshot refused: seed x is no number");

    // A frame with no events still carries the print to check.
    follower.Take(lecturer.Frames().Snapshot(), 40);
    EXPECT_FALSE(Deliver(follower, lecturer.Frames().Frame(), 40).ask);
    frame = lecturer.Frames().Frame();
    char& last = frame[frame.find('\n') - 1];
    last = last == '0' ? '1' : '0';
    EXPECT_EQ(Deliver(follower, frame, 40).said,
              "after frame 4 this copy differs from the lecturer's");
}

TEST(Follower, EventsPlayAtTheirOwnTimeABeatBehindAndAllAtOnceWhenFarBehind) {
    Lecturer lecturer(1);
    lecturer.Do(Event::Act(Action::Click(Action::Control::Update), 900));
    Follower follower;
    follower.Take(lecturer.Frames().Snapshot(), 10000); // nothing framed yet: the start alone
    lecturer.Frames().Frame();
    follower.Take(lecturer.Frames().Snapshot(), 10000); // the update at 900, here at 10000
    ASSERT_EQ(follower.Number(), 1);
    for (long time : {1000L, 1040L, 1080L}) {
        lecturer.Do(Event::Tick(time));
    }
    EXPECT_FALSE(follower.Take(lecturer.Frames().Frame(), 10150).ask);
    // The lecturer's 1000 is this machine's 10000 + 100 + kBehind.
    EXPECT_EQ(follower.Next(10150), 250);
    EXPECT_FALSE(follower.Play(10399).changed);
    EXPECT_TRUE(follower.Play(10400).changed);
    EXPECT_EQ(follower.Next(10400), 40);
    EXPECT_TRUE(follower.Play(10480).changed);
    EXPECT_FALSE(follower.Next(10480));
    EXPECT_EQ(Fingerprint::Of(follower.Copy()->Lecture()), lecturer.Print());

    // Five seconds on, the next frame's events are due at once.
    lecturer.Do(Event::Tick(1120));
    follower.Take(lecturer.Frames().Frame(), 16000);
    EXPECT_EQ(follower.Next(16000), 0);
    follower.Play(16000);
    EXPECT_EQ(Fingerprint::Of(follower.Copy()->Lecture()), lecturer.Print());
}

TEST(Stream, ALectureTooLongForASnapshotGoesOnInFrames) {
    Lecturer lecturer(1);
    const std::string file(Event::kLongestFile, '{');
    for (int i = 0; i < 11; ++i) {
        lecturer.Do(Event::Open("big.json", file, i));
    }
    EXPECT_TRUE(lecturer.Frames().Full());
    EXPECT_EQ(lecturer.Frames().Snapshot(), "");
    EXPECT_EQ(lecturer.Frames().Journal(), "");
    lecturer.Frames().Frame();
    lecturer.Do(Event::Tick(40));
    const std::string frame = lecturer.Frames().Frame();
    EXPECT_EQ(frame.substr(frame.find('\n') + 1), "tick 40\n");
}

// A student answers the lecturer's question from the copy: the answer goes to the lecturer, the
// strip says it went, and once the lecturer shows the answer the student's own is graded and
// every wrong row explained. The copy's journal makes a copy of the moment of the student's own.
TEST(Follower, AStudentsAnswerIsSentThenGradedWhenTheLecturerShowsTheAnswer) {
    Lecturer lecturer(1);
    const auto& lessons = BuiltInLessons::All();
    const auto lesson = std::find_if(lessons.begin(), lessons.end(), [](const LessonScript& l) {
        return l.title == "Example 1 converging";
    });
    long now = 100;
    lecturer.Do(Event::Lesson(static_cast<int>(lesson - lessons.begin()), now));
    Follower follower;
    follower.Take(lecturer.Frames().Snapshot(), 5000);
    EXPECT_EQ(follower.Answer({"1"}), "") << "no question asked yet";
    const Quiz& quiz = lecturer.Lecture().Demonstration().Questions();
    const auto press = [&] {
        lecturer.Do(Event::Extra(Extras::Id::NextStep, now += 50));
        while (lecturer.Lecture().Player().Waiting()) {
            lecturer.Do(Event::Tick(now += 40));
        }
        Deliver(follower, lecturer.Frames().Frame(), 5000 + now);
    };
    for (int presses = 0; presses < 10 && !quiz.Asked(); ++presses) {
        press();
    }
    ASSERT_TRUE(quiz.Asked());
    EXPECT_EQ(follower.Strip().keys, "Check sends your answer to the lecturer");
    std::vector<std::string> given = quiz.Asked()->Answer();
    ASSERT_GE(given.size(), 4u);
    given[0] = "9";
    given[3] = "Z";
    EXPECT_EQ(follower.Answer(given).substr(0, 9), "answer 1 ");
    EXPECT_EQ(follower.Strip().keys, "Sent: yours is graded when the lecturer shows the answer; "
                                     "the last one you send counts");
    press(); // the answer shown

    const Lecture::Strip strip = follower.Strip();
    EXPECT_EQ(strip.caption, lecturer.Lecture().CaptionStrip(true).caption) << "the lesson's own";
    EXPECT_EQ(strip.detail,
              "Yours: C's table: 1 of 3 rows right. a: 2, next hop A. C: route to a now cost 2 "
              "via A (A offers 1, link A-C adds 1). b: 3, next hop B. C: route to b now cost 3 "
              "via B (B offers 1, link B-C adds 2); C keeps b at 3 via B: A offers inf");

    const std::vector<std::string_view> lines = SplitLines(follower.Journal());
    ASSERT_GT(lines.size(), 2u);
    const Replica::Start start = Replica::ReadStart(lines.front());
    ASSERT_EQ(start.fault, "");
    Replica own(start.options, start.seed);
    for (std::size_t i = 1; i < lines.size(); ++i) {
        std::string fault;
        Event::Read(lines[i], fault)->Apply(own.Lecture());
    }
    EXPECT_EQ(Fingerprint::Of(own.Lecture()), lecturer.Print());
}
