#pragma once

#include "router/Router.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class FormRuntime;
class FormState;
struct RouterMessage;

// The lecturer's view of what the routers do: every router message and its effect, in order and
// with the tick, told in plain sentences ("B: route to e now cost 3 via C (C offers 2, link C-B
// adds 1)"), and the table rows a message changed marked on their panels for as long as the
// lecturer chooses. It watches the messages through the runtime's router observer and changes
// nothing the routers do.
class ChangeLog {
public:
    enum class Highlight { Off, UntilNextTick, ForSeconds, UntilNextChange };
    static constexpr long kHighlightMilliseconds = 3000;
    static constexpr std::size_t kMostLines = 20000;

    struct Line {
        long tick;
        std::string text;
        // The row a line tells of, by router and network, where it tells of one; and whether it
        // tells of an offer the same as the route kept (which says nothing of the link's cost).
        int router = -1;
        int network = -1;
        bool tie = false;
        // As the log window shows it: "tick 12  B <- ...".
        std::string Shown() const;
    };
    using Rows = std::array<RouteRow, Router::kRows>;

    // Watches the window's router messages from now on; must outlive the runtime's use.
    ChangeLog(FormState& form, FormRuntime& runtime);
    ChangeLog(const ChangeLog&) = delete;
    ChangeLog& operator=(const ChangeLog&) = delete;

    void SetHighlight(Highlight mode);
    // The next choice in turn: off, until the next tick, for three seconds, until the next
    // change, off again.
    static Highlight Next(Highlight mode);
    Highlight CurrentHighlight() const { return highlight_; }
    // What the choice is called in the menu: "off", "until the next tick", ...
    static const char* Name(Highlight mode);
    // The time, in milliseconds on a steady clock, at which what follows happens.
    void SetNow(long now) { now_ = now; }
    // Brings the panels' row marks up to date: marks whose time is over go.
    void Refresh();
    // Forgets every mark (after an undo, say).
    void ClearMarks();
    bool HasMarks() const;
    // When the marks kept for three seconds next run out, or none while no such mark stands.
    std::optional<long> MarksRunOutAt() const;
    // Adds a line of the lecturer's own doing ("Undone: Update").
    void Note(std::string text) { Add(std::move(text)); }
    // The lines kept: the newest kMostLines at most, older ones are dropped in blocks.
    const std::vector<Line>& Lines() const { return lines_; }
    // What a table row means and why it is so, for a reader at home: "B reaches network e at
    // cost 3 through C: C offered 2 and the link C-B adds 1 (tick 420)", "Network b is B's own:
    // cost 1, next hop L", "inf: B has no route to network e". The reason is the one the log
    // gave when the row last changed, while the row still stands as it left it.
    std::string Explain(int router, int row) const;
    // An offer as the log words it: "B offers 3, link B-C adds 1" for a table that carried 4 to C
    // over a link charged 1; "B offers 4" where the link cost is not known.
    static std::string Offer(const std::string& sender, const std::string& receiver,
                             const std::string& carried, std::optional<double> linkCost);
    // How many lines have been dropped from the front so far: Lines()[0] is line Dropped() of
    // all the lines ever written, counting from 0.
    std::size_t Dropped() const { return dropped_; }

private:
    struct Mark {
        long tick;
        long time;
    };
    // Why a row last changed: what it became, and the offer behind it.
    struct Reason {
        RouteRow row;
        std::string why;
        long tick;
    };

    void OnMessage(const RouterMessage& message);
    void TellUpdate(const RouterMessage& message, const std::vector<std::string>& fields);
    void TellRequest(int router, const std::vector<std::string>& fields);
    void MarkChanges(const RouterMessage& message);
    void Add(std::string text);
    void AddAbout(int router, int network, std::string text, bool tie = false);
    bool Alive(const Mark& mark) const;

    FormState& form_;
    FormRuntime& runtime_;
    Highlight highlight_ = Highlight::Off;
    long now_ = 0;
    std::array<std::array<std::optional<Mark>, Router::kRows>, Router::kRows> marks_{};
    // Until the next change: the tick on which the moment of change now framed began, or -1.
    long momentTick_ = -1;
    std::array<std::array<std::optional<Reason>, Router::kRows>, Router::kRows> reasons_{};
    std::vector<Line> lines_;
    std::size_t dropped_ = 0;
};
