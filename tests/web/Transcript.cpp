// Prints what the core does, step by step, so that two builds of it can be compared byte for
// byte: every built-in lesson, press by press (caption, whole state, the log's new lines, the
// demonstration as its file would hold it), then random lectures, the state and the moving
// packets' places after every action.
//   lecture_transcript [LECTURES]
// With --page, replays what the page's core took, for a test to compare the states:
//   lecture_transcript --page JOURNAL_FILE
// With --follow, plays what a follower received from a lecturer's program:
//   lecture_transcript --follow MESSAGES_FILE
// With --lang, the same in the language of the catalogue read from standard input (the way both
// builds read a file alike):
//   lecture_transcript --lang [LECTURES] < build/lang/de.json
#include "app/MainForm.h"
#include "app/TabOrder.h"
#include "common/JsonValue.h"
#include "common/NumberText.h"
#include "common/SeededRandom.h"
#include "common/Translate.h"
#include "files/DemonstrationFile.h"
#include "files/HopscapeFile.h"
#include "session/BuiltInLessons.h"
#include "session/Demonstration.h"
#include "session/Event.h"
#include "session/Fingerprint.h"
#include "session/Follower.h"
#include "session/Lecture.h"
#include "session/LessonPlayer.h"
#include "session/Replica.h"
#include "session/StartOptions.h"
#include "session/Stream.h"
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

struct Room {
    FakePlatform platform{7};
    SeededRandom random{3};
    MainForm form{platform, random};
    Demonstration demonstration{form};
    LessonPlayer player{demonstration};
    std::size_t logged = 0; // log lines printed, counting those the log dropped
    Room() { form.Form_Load(); }
};

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

void PrintNewLogLines(Room& hall) {
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
        Room hall;
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
        Room hall;
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
        Room hall;
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

// Replays what the page's core took: its start line, then its events, one a line (Event); a line
// "state" prints the demonstration as it stands.
int ReplayPage(const char* file) {
    std::ifstream events(file);
    std::string line;
    std::getline(events, line);
    const Replica::Start start = Replica::ReadStart(line);
    if (!start.fault.empty()) {
        std::fprintf(stderr, "%s: %s\n", file, start.fault.c_str());
        return 1;
    }
    Replica replica(start.options, start.seed);
    while (std::getline(events, line)) {
        if (line == "state") {
            Print(replica.Lecture().DemonstrationBytes() + "----\n");
            continue;
        }
        std::string fault;
        const std::optional<Event> event = Event::Read(line, fault);
        if (!event) {
            std::fprintf(stderr, "%s: %s: %s\n", file, line.substr(0, 40).c_str(), fault.c_str());
            return 1;
        }
        event->Apply(replica.Lecture());
    }
    return 0;
}

// Plays what a follower received from a lecturer's program (each message as its length in bytes
// on a line, then the message) through a follower, as a phone's core plays it: prints each thing
// the follower said, then the fingerprint it ends at and the demonstration as its file would hold
// it. Fails where it said anything.
int ReplayFollower(const char* file) {
    std::ifstream in(file, std::ios::binary);
    Follower follower;
    std::size_t length = 0;
    long now = 0;
    int said = 0;
    while (in >> length) {
        in.get();
        std::string message(length, '\0');
        in.read(message.data(), static_cast<std::streamsize>(length));
        Follower::Outcome outcome = follower.Take(message, now);
        while (outcome.said.empty() && follower.Next(now)) {
            now += *follower.Next(now);
            outcome = follower.Play(now);
        }
        if (!outcome.said.empty()) {
            Print("said: " + outcome.said + "\n");
            ++said;
        }
    }
    if (follower.Copy() == nullptr) {
        Print("no snapshot\n");
        return 1;
    }
    Print(Stream::Head("ends", follower.Number(), Fingerprint::Of(follower.Copy()->Lecture())) +
          follower.Copy()->Lecture().DemonstrationBytes());
    return said == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc > 2 && std::string_view(argv[1]) == "--page") {
        return ReplayPage(argv[2]);
    }
    if (argc > 2 && std::string_view(argv[1]) == "--follow") {
        return ReplayFollower(argv[2]);
    }
    int first = 1;
    if (argc > 1 && std::string_view(argv[1]) == "--lang") {
        std::string json;
        char buffer[4096];
        for (std::size_t read; (read = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;) {
            json.append(buffer, read);
        }
        std::string fault;
        std::optional<Catalogue> catalogue = Catalogue::Read(json, &fault);
        if (!catalogue) {
            std::fprintf(stderr, "lecture_transcript: the catalogue: %s\n", fault.c_str());
            return 2;
        }
        UseCatalogue(std::move(catalogue));
        first = 2;
    }
    PrintLessons();
    PrintPractice();
    PrintLectures(argc > first ? std::atoi(argv[first]) : 40);
    return 0;
}
