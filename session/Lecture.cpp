#include "session/Lecture.h"

#include "app/Convergence.h"
#include "app/RipControl.h"
#include "form/FormState.h"

Lecture::Next Lecture::Tick(long now) {
    Next next;
    next.tick = demonstration_.Tick(now);
    if (player_.Waiting()) {
        player_.AfterTick(now);
        next.stepsRan = !player_.Waiting();
    }
    if (next.stepsRan || !next.tick) {
        const Next settled = Settle(now);
        if (next.stepsRan || settled.stepsRan) {
            next.tick = settled.tick;
            next.stepsRan = true;
        }
    }
    next.frame = demonstration_.NextFrameChange(now);
    return next;
}

Lecture::Next Lecture::Settle(long now) {
    Next next;
    if (player_.Waiting()) {
        player_.Settle(now);
        next.stepsRan = !player_.Waiting();
    }
    next.tick = demonstration_.NextTick(now);
    next.frame = demonstration_.NextFrameChange(now);
    return next;
}

std::optional<long> Lecture::Frames(long now) {
    demonstration_.RefreshFrames(now);
    return demonstration_.NextFrameChange(now);
}

Lecture::Strip Lecture::CaptionStrip() const {
    Strip strip;
    if (player_.Playing()) {
        strip.shown = true;
        strip.caption = player_.Caption();
        strip.detail = player_.Detail();
        strip.keys = player_.Progress() +
                     (player_.CanGoOn() ? "  \u2022  Page Down or \u2192: next   " : "  \u2022  ") +
                     "Page Up or \u2190: back";
    } else if (demonstration_.Recording()) {
        // While recording, the strip says so, lest a lecturer forget it is on.
        const long actions = demonstration_.Recorded().Actions();
        strip.shown = true;
        strip.caption = "Recording: " + std::to_string(actions) + " action" +
                        (actions == 1 ? "" : "s") + " so far";
        strip.keys = "Ctrl+Shift+R or \u201cStop recording\u201d in the menu saves the lesson";
    }
    return strip;
}

Lecture::Meter Lecture::Corner() const {
    Meter meter;
    const bool paths = demonstration_.ShortestPathsShown();
    meter.rules = RipControl::Summary(demonstration_.State().Rip.on);
    meter.shown = paths || !meter.rules.empty();
    if (paths) {
        const Convergence& convergence = demonstration_.Meter();
        const int since = convergence.TablesSinceChange();
        meter.state = convergence.Converged() ? "Converged" : "Not converged";
        meter.since = std::to_string(since) + " table" + (since == 1 ? "" : "s") +
                      " since a table last changed";
    }
    return meter;
}
