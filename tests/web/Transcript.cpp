// Prints what the core does, step by step, so that two builds of it can be compared byte for
// byte: every built-in lesson, press by press (caption, whole state, the log's new lines, the
// demonstration as its file would hold it), then random lectures, the state and the moving
// packets' places after every action.
//   lecture_transcript [LECTURES]
#include "app/MainForm.h"
#include "common/JsonValue.h"
#include "common/NumberText.h"
#include "common/SeededRandom.h"
#include "files/DemonstrationFile.h"
#include "files/HopscapeFile.h"
#include "session/BuiltInLessons.h"
#include "session/Lesson.h"
#include "session/LessonPlayer.h"
#include "support/FakePlatform.h"
#include "support/FormInvariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Hall {
    FakePlatform platform{7};
    SeededRandom random{3};
    MainForm form{platform, random};
    Lesson lesson{form};
    LessonPlayer player{lesson};
    std::size_t logged = 0; // log lines printed, counting those the log dropped
    Hall() { form.Form_Load(); }
};

void Print(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
}

// FNV-1a, 64 bits: a state's fingerprint where printing it whole would run to megabytes.
std::uint64_t Fingerprint(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash = (hash ^ c) * 1099511628211ull;
    }
    return hash;
}

void PrintNewLogLines(Hall& hall) {
    const auto& lines = hall.lesson.LogLines();
    const std::size_t dropped = hall.lesson.LogLinesDropped();
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
            Print(HopscapeFile::Bytes(DemonstrationFile::ToJson(hall.lesson.Capture())) + "\n");
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
            ApplyLectureAction(hall.lesson, op, arg, 40L * i);
            Print("lecture " + std::to_string(seed) + " action " + std::to_string(i) + ": " +
                  std::to_string(Fingerprint(DescribeState(hall.form.State()))) + "\n");
            PrintPackets(hall.form.State());
            PrintNewLogLines(hall);
        }
        Print(HopscapeFile::Bytes(DemonstrationFile::ToJson(hall.lesson.Capture())) + "\n");
    }
}

} // namespace

int main(int argc, char* argv[]) {
    PrintLessons();
    PrintLectures(argc > 1 ? std::atoi(argv[1]) : 40);
    return 0;
}
