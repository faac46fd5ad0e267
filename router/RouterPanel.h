#pragma once

#include "common/Colours.h"
#include "router/Router.h"

#include <string>

// A routing-table panel as plain data: the router it shows, its colours and title, and whether
// the main window currently shows it. The Qt widget draws exactly this.
class RouterPanel {
public:
    explicit RouterPanel(RandomSource& random) : router_(random) {}

    // Writing Table hands a message to the router; reading it returns the router reply.
    bool SetTable(std::string_view message) { return router_.Write(message); }
    const std::string& Table() const { return router_.Reply(); }

    // Colour 0xBBGGRR of the panel and of every label on it.
    void SetBackground(int colour) { background_ = colour; }
    int Background() const { return background_; }

    void SetTitle(std::string title) { title_ = std::move(title); }
    const std::string& Title() const { return title_; }

    const Router& Engine() const { return router_; }
    // RIP's rules and clock for the router (see Router).
    void SetRules(const RipRules& rules) { router_.SetRules(rules); }
    void SetClock(long tick) { router_.SetClock(tick); }
    std::vector<RouteEvent> Advance(long tick) { return router_.Advance(tick); }
    // Puts back a router as it was saved (see Router::Load).
    void Load(const std::array<RouteRow, Router::kRows>& rows, int height, std::string reply,
              const std::array<RouteClock, Router::kRows>& clocks, long clock) {
        router_.Load(rows, height, std::move(reply), clocks, clock);
    }
    // The shown rows as a screen reader says them: "a, cost 1, next hop L; c, cost 4, next hop
    // B"; "no rows shown" when none is. A running RIP clock and a true cost are said too ("times
    // out in 172 s", "shortest path 4, stale").
    std::string SpokenRows() const;
    // One shown row as a screen reader says it ("b, cost 4, next hop B").
    std::string SpokenRow(int row) const;
    int Height() const { return router_.Height(); }

    // What a row's RIP clock says: which clock runs (hold-down before garbage collection before
    // the timeout) and the whole RIP seconds it has left.
    struct ClockNote {
        enum class Kind { None, Timeout, Garbage, HoldDown };
        Kind kind = Kind::None;
        long seconds = 0;
        bool operator==(const ClockNote&) const = default;
    };
    ClockNote Clock(int row) const;

    bool visible = true;
    // Rows to mark as just changed (the lecturer's highlighting; none unless switched on).
    std::array<bool, Router::kRows> highlighted{};
    // Beside each row, its true cost ("inf" for none) while the lecturer shows shortest paths,
    // else empty; a row that differs from it is stale.
    std::array<std::string, Router::kRows> trueCost{};
    std::array<bool, Router::kRows> stale{};
    // Rows a learner is asked to predict, and then whether the prediction was right.
    enum class Prediction { None, Asked, Right, Wrong };
    std::array<Prediction, Router::kRows> prediction{};

private:
    Router router_;
    int background_ = Colours::kForm; // until the window gives the router its colour
    std::string title_ = "Table A";
};
