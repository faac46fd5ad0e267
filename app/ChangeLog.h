#pragma once

#include "router/Router.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class FormState;

// The lecturer's view of what the routers do: every router message and its effect, in order and
// with the tick, told in plain sentences ("B: route to e now cost 3 via C (C offers 2, link C-B
// adds 1)"), and the table rows a message changed marked on their panels for as long as the
// lecturer chooses. It watches the messages through the window state's router observer and
// changes nothing the routers do.
class ChangeLog {
public:
    enum class Highlight { Off, UntilNextTick, ForSeconds, UntilNextChange };
    static constexpr long kHighlightMilliseconds = 3000;
    static constexpr std::size_t kMostLines = 20000;

    struct Line {
        long tick;
        std::string text;
    };
    using Rows = std::array<RouteRow, Router::kRows>;

    // Watches the window's router messages from now on; must outlive that window state's use.
    explicit ChangeLog(FormState& form);
    ChangeLog(const ChangeLog&) = delete;
    ChangeLog& operator=(const ChangeLog&) = delete;

    void SetHighlight(Highlight mode);
    // The next choice in turn: off, until the next tick, for three seconds, until the next
    // change, off again.
    static Highlight Next(Highlight mode);
    Highlight CurrentHighlight() const { return highlight_; }
    // The time, in milliseconds on a steady clock, at which what follows happens.
    void SetNow(long now) { now_ = now; }
    // Brings the panels' row marks up to date: marks whose time is over go.
    void Refresh();
    // Forgets every mark (after an undo, say).
    void ClearMarks();
    const std::vector<Line>& Lines() const { return lines_; }

private:
    struct Mark {
        long tick;
        long time;
    };

    void OnMessage(int router, std::string_view message, const Rows& before);
    void TellUpdate(int router, const std::vector<std::string>& fields, const Rows& before);
    void TellRequest(int router, const std::vector<std::string>& fields);
    void Add(std::string text);
    bool Alive(const Mark& mark) const;

    FormState& form_;
    Highlight highlight_ = Highlight::Off;
    long now_ = 0;
    std::array<std::array<std::optional<Mark>, Router::kRows>, Router::kRows> marks_{};
    std::vector<Line> lines_;
};
