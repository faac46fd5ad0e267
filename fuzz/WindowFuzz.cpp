// Turns its bytes, two at a time, into user actions on the whole window (every click on every
// control, both mouse buttons on cost labels, scenario choices, the check box, ticks, and the
// lecturer's undo, redo, steps and highlighting, saving and opening the demonstration, and a
// built-in lesson started and stepped on and back, questions asked and answered) and checks the
// window's invariants after each. A demonstration saved must read back and open exactly as it
// was; asking a question must change nothing, and its own answer must be graded all right.
#include "app/MainForm.h"
#include "app/Scenarios.h"
#include "common/SeededRandom.h"
#include "files/DemonstrationFile.h"
#include "session/BuiltInLessons.h"
#include "session/Demonstration.h"
#include "session/LessonPlayer.h"
#include "session/Question.h"
#include "support/FakePlatform.h"
#include "support/FormInvariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Bytes from here up ask and answer questions; from kFileOps up save and open, or start and step
// a lesson.
constexpr std::uint8_t kQuestionOps = 232;
constexpr std::uint8_t kFileOps = 240;

// A question asked of the window, or answered with its own answer, with any text, or with pad
// keys pressed in turn; a fault where asking changed the window or the answer is not all right.
std::string AskAndAnswer(Demonstration& demonstration, std::uint8_t op, std::uint8_t arg) {
    const Snapshot before = demonstration.Capture();
    if (op % 4 == 0) {
        demonstration.Ask(arg % 2 == 0 ? LessonScript::Step::Predict(arg / 2 % kRouterCount)
                                       : LessonScript::Step::PredictRounds(
                                             arg / 2 % kRouterCount,
                                             static_cast<char>('a' + arg / 12 % kNetworkCount)),
                          0);
        return demonstration.Capture() == before ? "" : "asking changed the window";
    }
    const std::optional<Question> asked = demonstration.Questions().Asked();
    if (!asked) {
        return "";
    }
    if (op % 4 == 1) {
        demonstration.Answer(asked->Answer(), 0);
        return demonstration.Questions().Graded()->AllRight() ? "" : "its own answer graded wrong";
    }
    std::vector<std::string> cells = asked->Answer();
    const std::vector<std::string>& keys = Question::PadKeys();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const auto pressed =
            asked->Press(cells, (arg + i) % cells.size(), keys[(arg * 7 + i) % (keys.size() - 1)]);
        cells.at(pressed.cell) = pressed.text;
    }
    if (op % 4 == 3) {
        demonstration.Answer(cells, 0);
    }
    return "";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakePlatform platform(7);
    SeededRandom random;
    MainForm form(platform, random);
    std::vector<std::string> faults;
    WatchOutOfPackets(platform, form, faults);
    form.Form_Load();
    Demonstration demonstration(form);
    LessonPlayer player(demonstration);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        const std::uint8_t op = data[i];
        const std::uint8_t arg = data[i + 1];
        std::string fault;
        if (op < kQuestionOps) {
            ApplyLectureAction(demonstration, op, arg);
        } else if (op < kFileOps) {
            fault = AskAndAnswer(demonstration, op, arg);
        } else if (op % 4 == 0 && Scenarios::Known(demonstration.State().cmbSims.text)) {
            // Saved and opened again: the same demonstration, with nothing to undo. (A name the
            // list does not hold, which only these bytes can choose, is no demonstration.)
            const Snapshot saved = demonstration.Capture();
            const DemonstrationFile::Read read =
                DemonstrationFile::FromJson(DemonstrationFile::ToJson(saved));
            if (!read.demonstration || !(*read.demonstration == saved)) {
                fault = "a saved demonstration does not read back: " + read.fault;
            } else {
                demonstration.Open(*read.demonstration, 0);
                fault = demonstration.Capture() == saved ? "" : "an opened demonstration differs";
            }
        } else if (op % 4 == 0) {
            continue;
        } else if (op % 4 == 1) {
            const auto& lessons = BuiltInLessons::All();
            player.Start(lessons[arg % lessons.size()], 0);
        } else if (op % 4 == 2) {
            player.Next(0);
            player.Finish(0);
        } else {
            player.Back(0);
        }
        if (fault.empty()) {
            fault = CheckFormInvariants(form);
        }
        if (!fault.empty() || !faults.empty()) {
            std::fprintf(stderr, "after action %zu: %s%s\n", i / 2, fault.c_str(),
                         faults.empty() ? "" : faults.front().c_str());
            std::abort();
        }
    }
    return 0;
}
