// Turns its bytes, two at a time, into user actions on the whole window (every click on every
// control, both mouse buttons on cost labels, scenario choices, the check box, ticks, and the
// lecturer's undo, redo, steps and highlighting) and checks the window's invariants after each.
#include "app/Lesson.h"
#include "app/MainForm.h"
#include "common/SeededRandom.h"
#include "support/FakePlatform.h"
#include "support/FormInvariants.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakePlatform platform(7);
    SeededRandom random;
    MainForm form(platform, random);
    std::vector<std::string> faults;
    WatchOutOfPackets(platform, form, faults);
    form.Form_Load();
    Lesson lesson(form);
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        ApplyLectureAction(lesson, data[i], data[i + 1]);
        const std::string fault = CheckFormInvariants(form);
        if (!fault.empty() || !faults.empty()) {
            std::fprintf(stderr, "after action %zu: %s%s\n", i / 2, fault.c_str(),
                         faults.empty() ? "" : faults.front().c_str());
            std::abort();
        }
    }
    return 0;
}
