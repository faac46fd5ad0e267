#pragma once

#include "app/MainForm.h"
#include "common/SeededRandom.h"
#include "form/Platform.h"
#include "session/Demonstration.h"
#include "session/Lecture.h"
#include "session/StartOptions.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// A lecture with everything it stands on, opened as the start options ask with the random source
// from a seed: the same options and seed, then the same events, give the same lecture anywhere.
// A page holds one; a follower builds one afresh from the lecturer's start and events.
class Replica {
public:
    // Shows the out-of-packets message; none shows nothing.
    using Messages = std::function<void(const std::string&)>;

    Replica(const StartOptions& options, std::uint64_t seed, Messages messages = {});
    Replica(const Replica&) = delete;
    Replica& operator=(const Replica&) = delete;

    // The start as one line: "start SEED =OPTIONS =NAME =BYTES", the options as they were given
    // (StartOptions::given) and the file opened, escaped as an event's words are.
    static std::string StartLine(std::uint64_t seed, const StartOptions& options);
    // The start a line gives, or what is wrong with it.
    struct Start {
        std::uint64_t seed = 0;
        StartOptions options;
        std::string fault;
    };
    static Start ReadStart(std::string_view line);
    // What the options ask beyond the scenario and RIP's rules, done to a lecture just started
    // up with them: the file opened, the lesson started, practice (its first question from
    // `seed` where the options give none), the notes, the look. The timers start with the first
    // event: the lecture's ticks count from there.
    static void Begin(const StartOptions& options, std::uint64_t seed, class Lecture& lecture);

    class Lecture& Lecture() {
        return lecture_;
    }
    const class Lecture& Lecture() const { return lecture_; }
    class Demonstration& Demonstration() {
        return demonstration_;
    }
    const class Demonstration& Demonstration() const { return demonstration_; }
    MainForm& Form() { return form_; }

private:
    class Seeded : public Platform {
    public:
        Seeded(std::uint64_t seed, Messages messages)
            : seed_(seed), messages_(std::move(messages)) {}
        void ShowMessage(const std::string& text) override {
            if (messages_) {
                messages_(text);
            }
        }
        std::uint64_t ClockSeed() override { return seed_; }

    private:
        std::uint64_t seed_;
        Messages messages_;
    };

    Seeded platform_;
    SeededRandom random_;
    MainForm form_;
    class Demonstration demonstration_;
    class Lecture lecture_;
};
