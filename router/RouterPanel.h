#pragma once

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
    // The shown rows as a screen reader says them: "a, cost 1, next hop L; c, cost 4, next hop
    // B"; "no rows shown" when none is.
    std::string SpokenRows() const;
    int Height() const { return router_.Height(); }

    bool visible = true;
    // Rows to mark as just changed (the lecturer's highlighting; none unless switched on).
    std::array<bool, Router::kRows> highlighted{};

private:
    Router router_;
    int background_ = 0xF0F0F0; // light grey until the window gives the router its colour
    std::string title_ = "Table A";
};
