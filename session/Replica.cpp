#include "session/Replica.h"

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
    if (options.demonstration) {
        demonstration_.Open(*options.demonstration, 0);
    }
    if (options.lesson) {
        lecture_.Player().Start(*options.lesson, 0);
    }
    if (options.practice) {
        lecture_.Practise(*options.practice, options.seed.value_or(seed), 0);
    }
    for (const std::string& note : options.notes) {
        demonstration_.Note(note);
    }
    demonstration_.SetProjector(options.projector);
}

std::string Replica::StartLine(std::uint64_t seed, std::string_view options) {
    return "start " + std::to_string(seed) + " " + EventWords::Escaped(options);
}

Replica::Start Replica::ReadStart(std::string_view line) {
    Start start;
    EventWords words(line, 3);
    if (words.Next("start") != "start") {
        words.Fail("the start must come first");
    }
    start.seed = words.Unsigned("seed");
    const std::string options = words.Text("options", kLongestOptions);
    words.End();
    start.fault = words.Fault();
    if (start.fault.empty()) {
        start.fault = start.options.SetAll(options);
    }
    return start;
}
