// Turns its bytes into a page's address, one "name=value" a line, read as the page reads it.
// Whatever the text, reading it must not crash; options it accepts must open a window that keeps
// its invariants while it runs and while the lesson they name is stepped through.
#include "FuzzCheck.h"
#include "app/MainForm.h"
#include "common/SeededRandom.h"
#include "session/Demonstration.h"
#include "session/LessonPlayer.h"
#include "session/StartOptions.h"
#include "support/FakePlatform.h"
#include "support/FormInvariants.h"

#include <cstdint>

namespace {

constexpr int kTicksRun = 30;    // ticks the opened window runs for
constexpr int kMostPresses = 20; // presses a lesson is stepped through

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartOptions options;
    const std::string fault =
        options.SetAll(std::string_view(reinterpret_cast<const char*>(data), size));
    if (!fault.empty()) {
        return 0;
    }
    FakePlatform platform(7);
    SeededRandom random(options.seed.value_or(1));
    MainForm form(platform, random);
    std::vector<std::string> faults;
    WatchOutOfPackets(platform, form, faults);
    options.Start(form, random);
    Demonstration demonstration(form);
    const auto invariants = [&](const char* when) {
        const std::string wrong = CheckFormInvariants(form);
        Check(wrong.empty() && faults.empty(), when,
              wrong + (faults.empty() ? "" : faults.front()));
    };
    invariants("opened:");
    Check(form.State().cmbSims.text == options.scenario.value_or("Random 1"),
          "opened in another scenario:", form.State().cmbSims.text);
    for (int t = 0; t < kTicksRun; ++t) {
        form.MoveTimer_Timer();
        invariants("running:");
    }
    if (options.lesson) {
        LessonPlayer player(demonstration);
        player.Start(*options.lesson, 0);
        for (int press = 0; press < kMostPresses && !player.AtEnd(); ++press) {
            player.Next(0);
            player.Finish(0);
            invariants("stepped:");
        }
    }
    return 0;
}
