// Prints what the core does, step by step, so that two builds of it can be compared byte for
// byte: every built-in lesson, press by press (caption, whole state, the log's new lines, the
// demonstration as its file would hold it), then random lectures, the state and the moving
// packets' places after every action.
//   lecture_transcript [LECTURES]
// With --page, replays what the page handed its core, for a test to compare the states:
//   lecture_transcript --page "scenario=Example 1&seed=42" EVENTS_FILE
#include "app/MainForm.h"
#include "app/TabOrder.h"
#include "common/JsonValue.h"
#include "common/NumberText.h"
#include "common/SeededRandom.h"
#include "files/DemonstrationFile.h"
#include "files/HopscapeFile.h"
#include "session/BuiltInLessons.h"
#include "session/Demonstration.h"
#include "session/Fingerprint.h"
#include "session/Lecture.h"
#include "session/LessonPlayer.h"
#include "session/StartOptions.h"
#include "support/FakePlatform.h"
#include "support/FormInvariants.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Hall {
    FakePlatform platform{7};
    SeededRandom random{3};
    MainForm form{platform, random};
    Demonstration demonstration{form};
    LessonPlayer player{demonstration};
    std::size_t logged = 0; // log lines printed, counting those the log dropped
    Hall() { form.Form_Load(); }
};

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void PrintNewLogLines(Hall& hall) {
    const auto& lines = hall.demonstration.LogLines();
    const std::size_t dropped = hall.demonstration.LogLinesDropped();
    for (std::size_t i = hall.logged > dropped ? hall.logged - dropped : 0; i < lines.size(); ++i) {
        Print("  log " + lines[i].Shown() + "\n");
    }
    hall.logged = dropped + lines.size();
}

// The moving packets' places, through both number forms the core writes: the window's own
// (single precision, as the design printed them) and a file's (the shortest that reads back).
void PrintPackets(const FormState& state) {
    std::vector<JsonValue> places;
    std::string plain;
    for (const ShapeControl& packet : state.shpPacket) {
        if (packet.visible) {
            plain += " " + NumberTextSingle(packet.left) + "," + NumberTextSingle(packet.top);
            places.push_back(JsonValue::Number(packet.left / 7.0));
            places.push_back(JsonValue::Number(packet.top / 3.0));
        }
    }
    Print("  packets" + plain + "\n  " + HopscapeFile::Bytes(JsonValue::Array(places)) + "\n");
}

void PrintLessons() {
    for (const LessonScript& script : BuiltInLessons::All()) {
        Hall hall;
        hall.player.Start(script, 0);
        for (int press = 0; !hall.player.AtEnd(); ++press) {
            hall.player.Next(0);
            hall.player.Finish(0);
            Print(script.title + " press " + std::to_string(press) + ": " + hall.player.Caption() +
                  "\n" + DescribeState(hall.form.State()) + "\n");
            PrintNewLogLines(hall);
            Print(HopscapeFile::Bytes(DemonstrationFile::ToJson(hall.demonstration.Capture())) +
                  "\n");
        }
    }
}

// Practice at each level: the questions a seed draws, answered in turns right and blank, with
// their gradings and explanations (the log's lines) and the strip.
void PrintPractice() {
    for (int level = 1; level <= Practice::kLevels; ++level) {
        Hall hall;
        Lecture lecture{hall.demonstration};
        lecture.Practise(level, static_cast<std::uint64_t>(1000 + level), 0);
        for (int question = 0; question < 8; ++question) {
            const std::optional<Question>& asked = hall.demonstration.Questions().Asked();
            if (!asked) {
                Print("practice " + std::to_string(level) + ": nothing asked\n");
                break;
            }
            lecture.Answer(question % 2 == 0 ? asked->Answer() : std::vector<std::string>{}, 0);
            const Lecture::Strip strip = lecture.CaptionStrip();
            Print("practice " + std::to_string(level) + " question " + std::to_string(question) +
                  ": " + strip.caption + "\n  " + strip.detail + "\n  " + strip.keys + "\n" +
                  DescribeState(hall.form.State()) + "\n");
            PrintNewLogLines(hall);
            lecture.Do(Extras::Id::NextStep, 0);
        }
    }
}

void PrintLectures(int lectures) {
    for (int seed = 1; seed <= lectures; ++seed) {
        Hall hall;
        SeededRandom user(static_cast<std::uint64_t>(seed));
        for (int i = 0; i < 60; ++i) {
            const auto op = static_cast<std::uint8_t>(user.Next() * 256);
            const auto arg = static_cast<std::uint8_t>(user.Next() * 256);
            ApplyLectureAction(hall.demonstration, op, arg, 40L * i);
            Print("lecture " + std::to_string(seed) + " action " + std::to_string(i) + ": " +
                  std::to_string(Fingerprint::Of(DescribeState(hall.form.State()))) + "\n");
            PrintPackets(hall.form.State());
            PrintNewLogLines(hall);
        }
        Print(HopscapeFile::Bytes(DemonstrationFile::ToJson(hall.demonstration.Capture())) + "\n");
    }
}

// Replays the events the page handed its core, one a line with its time in milliseconds last:
// "tick T", "frames T" (the frame timer), "click POSITION BUTTON T" (a control by its place in the
// Tab order), "choose INDEX T" (a scenario by its place in the list), "split CHECKED T", "extra ID
// T", "lesson INDEX T" (a built-in lesson), "hold-down SECONDS T", "magnify ROUTER T" (which
// changes no demonstration); a line "state" prints the demonstration as it stands.
int ReplayPage(const char* startOptions, const char* file) {
    StartOptions options;
    std::string_view given = startOptions;
    while (!given.empty()) {
        const std::size_t end = given.find('&');
        const std::string_view pair = given.substr(0, end);
        given.remove_prefix(end == std::string_view::npos ? given.size() : end + 1);
        const std::size_t equals = pair.find('=');
        options.Set(pair.substr(0, equals), pair.substr(equals + 1));
    }
    FakePlatform platform{7};
    SeededRandom random{3};
    MainForm form{platform, random};
    options.Start(form, random);
    Demonstration demonstration{form};
    Lecture lecture{demonstration};
    if (options.practice) {
        lecture.Practise(*options.practice, options.seed.value_or(1), 0);
    }
    const std::vector<TabOrder::Control> controls = TabOrder::Controls();
    std::ifstream events(file);
    std::string kind;
    while (events >> kind) {
        if (kind == "state") {
            Print(HopscapeFile::Bytes(DemonstrationFile::ToJson(demonstration.Capture())) +
                  "----\n");
            continue;
        }
        if (kind == "answer") {
            // "=10|B||C": the cells after the "=", split at each "|".
            std::string given;
            long now = 0;
            events >> given >> now;
            std::vector<std::string> cells;
            for (std::size_t from = 1; from <= given.size();) {
                const std::size_t bar = std::min(given.find('|', from), given.size());
                cells.push_back(given.substr(from, bar - from));
                from = bar + 1;
            }
            lecture.Answer(cells, now);
            lecture.Settle(now);
            continue;
        }
        long a = 0;
        long b = 0;
        if (kind == "click") {
            events >> a >> b;
        } else if (kind != "tick" && kind != "frames") {
            events >> a;
        }
        long now = 0;
        events >> now;
        if (kind == "tick") {
            lecture.Tick(now);
            continue;
        }
        if (kind == "frames") {
            lecture.Frames(now);
            continue;
        }
        if (kind == "click") {
            if (const auto action = TabOrder::Click(controls.at(static_cast<std::size_t>(a)),
                                                    static_cast<int>(b))) {
                demonstration.Act(*action, now);
            }
        } else if (kind == "choose") {
            demonstration.Act(
                Action::Choose(form.State().cmbSims.items.at(static_cast<std::size_t>(a))), now);
        } else if (kind == "split") {
            demonstration.Act(Action::Split(a != 0), now);
        } else if (kind == "extra") {
            lecture.Do(static_cast<Extras::Id>(a), now);
        } else if (kind == "lesson") {
            lecture.Player().Start(BuiltInLessons::All().at(static_cast<std::size_t>(a)), now);
        } else if (kind == "hold-down") {
            demonstration.SetHoldDownSeconds(static_cast<int>(a), now);
        }
        lecture.Settle(now);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 3 && std::string_view(argv[1]) == "--page") {
        return ReplayPage(argv[2], argv[3]);
    }
    PrintLessons();
    PrintPractice();
    PrintLectures(argc > 1 ? std::atoi(argv[1]) : 40);
    return 0;
}
