#pragma once

#include "router/Router.h"

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class FormState;

// A router message as those who watch the routers see it, once the router has acted on it.
struct RouterMessage {
    int router;
    std::string_view text;
    const std::array<RouteRow, Router::kRows>& before; // the router's rows before it acted
    // A table that arrived in a packet: the link cost it was charged when it was sent.
    std::optional<std::int16_t> linkCost;
};

// What belongs to the running window rather than to its state: the post through which every
// part of the window writes to the routers (so that the message log can watch), the clock of
// ticks, and whether a tick or the modal message is under way. A copy of the FormState, an undo
// snapshot say, leaves all of this behind: undo turns back the window, not time.
class FormRuntime {
public:
    explicit FormRuntime(FormState& form) : form_(form) {}
    FormRuntime(const FormRuntime&) = delete;
    FormRuntime& operator=(const FormRuntime&) = delete;

    // Writes a router message to panel i's Table, then tells the observer.
    bool WriteTable(int router, std::string_view message,
                    std::optional<std::int16_t> linkCost = std::nullopt);
    const std::string& ReadTable(int router) const;

    std::function<void(const RouterMessage&)> routerMessageObserver;
    // Told what a router did that no message caused: a route timing out, say.
    std::function<void(int router, const std::string& what)> routerEventObserver;
    void Tell(int router, const std::string& what) {
        if (routerEventObserver) {
            routerEventObserver(router, what);
        }
    }
    // Ticks since start-up, run or slept through by an idle timer: the message log's clock.
    long TickNumber = 0;
    // True while the modal out-of-packets message is open, and while a tick runs: no tick may
    // start inside either.
    bool MessageOpen = false;
    bool TickRunning = false;

private:
    FormState& form_;
};
