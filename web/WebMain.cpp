// What the page's script calls: the core behind the page, one demonstration a page. Times are
// the page's performance.now() in whole milliseconds, which a 32-bit `long` holds for 24 days.
#include "app/TabOrder.h"
#include "files/DemonstrationFile.h"
#include "files/HopscapeFile.h"
#include "session/StartOptions.h"
#include "web/WebSession.h"

#include <emscripten.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::unique_ptr<WebSession> session;
std::string reply;              // what the last call that answers in text answered
std::optional<long> frameDelay; // when the frame timer fires next, from the last event

// The delay until the tick timer fires, or -1 where it sleeps.
double Delays(const Lecture::Next& next) {
    frameDelay = next.frame;
    return next.tick ? static_cast<double>(*next.tick) : -1.0;
}

// Reads "name=value" lines, as the page's address gives them; the first fault, or none.
std::string Read(std::string_view lines, StartOptions& options) {
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        const std::string_view line = lines.substr(0, end);
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
        const std::size_t equals = line.find('=');
        const std::string fault =
            options.Set(line.substr(0, equals),
                        equals == std::string_view::npos ? "" : line.substr(equals + 1));
        if (!fault.empty()) {
            return fault;
        }
    }
    return options.Problem();
}

} // namespace

extern "C" {

// Opens the demonstration as the lines of options ask; where one is wrong, opens it as it
// opens by default and answers what was wrong.
EMSCRIPTEN_KEEPALIVE const char* hs_start(const char* lines) {
    StartOptions options;
    reply = Read(lines, options);
    session = std::make_unique<WebSession>(reply.empty() ? options : StartOptions{});
    return reply.c_str();
}

// A click with `button` on the control at `position` in the Tab order.
EMSCRIPTEN_KEEPALIVE double hs_click(int position, int button, double now) {
    const std::vector<TabOrder::Control> controls = TabOrder::Controls();
    if (position >= 0 && position < static_cast<int>(controls.size())) {
        if (const std::optional<Action> action =
                TabOrder::Click(controls[static_cast<std::size_t>(position)], button)) {
            session->Demonstration().Act(*action, static_cast<long>(now));
        }
    }
    return Delays(session->Lecture().Settle(static_cast<long>(now)));
}

EMSCRIPTEN_KEEPALIVE double hs_choose(const char* scenario, double now) {
    session->Demonstration().Act(Action::Choose(scenario), static_cast<long>(now));
    return Delays(session->Lecture().Settle(static_cast<long>(now)));
}

EMSCRIPTEN_KEEPALIVE double hs_split(int checked, double now) {
    session->Demonstration().Act(Action::Split(checked != 0), static_cast<long>(now));
    return Delays(session->Lecture().Settle(static_cast<long>(now)));
}

EMSCRIPTEN_KEEPALIVE double hs_tick(double now) {
    return Delays(session->Lecture().Tick(static_cast<long>(now)));
}

EMSCRIPTEN_KEEPALIVE double hs_frame_delay() {
    return frameDelay ? static_cast<double>(*frameDelay) : -1.0;
}

EMSCRIPTEN_KEEPALIVE void hs_paint(int width, int height) {
    session->Paint(width, height);
}

// The whole demonstration as its file would hold it: what a test compares with the desktop's.
EMSCRIPTEN_KEEPALIVE const char* hs_state() {
    reply = HopscapeFile::Bytes(DemonstrationFile::ToJson(session->Demonstration().Capture()));
    return reply.c_str();
}

EMSCRIPTEN_KEEPALIVE const char* hs_controls(int width, int height) {
    reply = session->Controls(width, height);
    return reply.c_str();
}

} // extern "C"
