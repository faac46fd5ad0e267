#include "session/Replica.h"

#include "session/Event.h"
#include "session/EventWords.h"

namespace {

// Start-up runs before the demonstration is built on the window, as it does in the program.
MainForm& StartedUp(MainForm& form, RandomSource& random, const StartOptions& options) {
    options.Start(form, random);
    return form;
}

constexpr std::size_t kLongestOptions = 4096;

} // namespace

Replica::Replica(const StartOptions& options, std::uint64_t seed, Messages messages)
    : platform_(seed, std::move(messages)), form_(platform_, random_),
      demonstration_(StartedUp(form_, random_, options)), lecture_(demonstration_) {
    Begin(options, seed, lecture_);
}

void Replica::Begin(const StartOptions& options, std::uint64_t seed, class Lecture& lecture) {
    class Demonstration& demonstration = lecture.Demonstration();
    if (options.demonstration) {
        demonstration.Open(*options.demonstration, 0);
    }
    if (options.lesson) {
        lecture.Player().Start(*options.lesson, 0);
    }
    if (options.practice) {
        lecture.Practise(*options.practice, options.seed.value_or(seed), 0);
    }
    for (const std::string& note : options.notes) {
        demonstration.Note(note);
    }
    demonstration.SetProjector(options.projector);
}

std::string Replica::StartLine(std::uint64_t seed, const StartOptions& options) {
    return "start " + std::to_string(seed) + " " + EventWords::Escaped(options.given) + " " +
           EventWords::Escaped(options.fileName) + " " + EventWords::Escaped(options.fileBytes);
}

Replica::Start Replica::ReadStart(std::string_view line) {
    Start start;
    EventWords words(line, 5);
    if (words.Next("start") != "start") {
        words.Fail("the start must come first");
    }
    start.seed = words.Unsigned("seed");
    const std::string options = words.Text("options", kLongestOptions);
    const std::string name = words.Text("name", kLongestOptions);
    std::string bytes = words.Text("bytes", Event::kLongestFile);
    words.End();
    start.fault = words.Fault();
    if (start.fault.empty()) {
        start.fault = start.options.SetAll(options);
    }
    if (start.fault.empty() && !name.empty()) {
        start.fault = start.options.TakeFile(name, std::move(bytes), false);
    }
    return start;
}
