// Turns its bytes into a frame or a snapshot of a lecture's stream, as a follower takes it from
// the network. Whatever the bytes, taking and playing them must not crash; every event line that
// reads must read back the same from its own text; and the lecture a follower plays must keep the
// window's invariants.
#include "FuzzCheck.h"
#include "session/Event.h"
#include "session/Follower.h"
#include "support/FormInvariants.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr std::string_view kStart =
    "snapshot 0 0000000000000000\nstart 7 =scenario%3DExample%201 = =\n";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view frame(reinterpret_cast<const char*>(data), size);
    for (std::string_view rest = frame; !rest.empty();) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        std::string fault;
        if (const std::optional<Event> event = Event::Read(line, fault)) {
            std::string again;
            const std::optional<Event> read = Event::Read(event->Text(), again);
            Check(read && *read == *event,
                  "an event does not read back from its text:", event->Text() + " " + again);
        } else {
            Check(!fault.empty(), "an event refused without a reason:", std::string(line));
        }
    }
    Follower follower;
    follower.Take(kStart, 0);
    follower.Take(frame, 0);
    for (long now = 0; follower.Next(now);) {
        now += *follower.Next(now);
        follower.Play(now);
    }
    if (follower.Copy() != nullptr) {
        const std::string wrong = CheckFormInvariants(follower.Copy()->Form());
        Check(wrong.empty(), "the follower's window broke:", wrong);
    }
    return 0;
}
