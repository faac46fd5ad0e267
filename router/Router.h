#pragma once

#include "common/Letters.h"
#include "router/RipRules.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class RandomSource;

// One route row: the network it stands for is fixed by its position (row k is network k).
struct RouteRow {
    std::string cost = "inf";  // a number text or "inf" (or whatever text a message brought)
    std::string nextHop = "-"; // "L", "-" or a router letter
    bool shown = true;
    bool operator==(const RouteRow&) const = default;
};

// A router's distance-vector logic, driven only by colon-separated text messages (kinds I, R, B,
// Z, Q and Y). All work is done inside Write; Reply then returns the text the last replying
// message left behind. With RIP's rules switched on (SetRules) the router also keeps a clock per
// route, caps its metrics and answers RIP's table request, W:cost:P:Q:rows:split, where rows
// holds a "1" for each row to send (others are left out, as empty fields) and split is "S" for
// simple split horizon (routes through Q left out), "P" for poisoned reverse, "-" for neither.
class Router {
public:
    static constexpr int kRows = kNetworkCount; // one row per network
    static constexpr int kInitialHeight = 2535;

    explicit Router(RandomSource& random) : random_(&random) {}

    // Acts on one message. Returns false when the message was rejected as malformed (a field its
    // kind reads is missing, or a random query found no shown row); the router is then unchanged.
    // Unknown kinds are accepted and ignored.
    bool Write(std::string_view message);
    const std::string& Reply() const { return reply_; }

    const std::array<RouteRow, kRows>& Rows() const { return rows_; }
    // Panel height in twips: 2535 until the first initialise or table update, then
    // 2685 - 360 * (6 - n) for the row count n of the latest such message.
    int Height() const { return height_; }

    // The number text of offered + added when both are numeric; the offered text unchanged when
    // the added text is not numeric.
    static std::string FormatCost(std::string_view offered, std::string_view added);

    void SetRules(const RipRules& rules);
    const RipRules& Rules() const { return rules_; }
    // The tick at which the messages that follow arrive: the time the route clocks read.
    void SetClock(long tick) { now_ = tick; }
    long Clock() const { return now_; }
    // Time moves on to `tick`: routes that heard nothing from their next hop for the timeout go
    // unreachable, collected routes are cleared, held ones come out of hold-down.
    std::vector<RouteEvent> Advance(long tick);
    const std::array<RouteClock, kRows>& Clocks() const { return clocks_; }
    // Whether a clock runs that Advance would act on.
    bool ClocksRun() const;
    // Puts back a router as it was saved: rows, panel height, reply, route clocks and clock.
    void Load(const std::array<RouteRow, kRows>& rows, int height, std::string reply,
              const std::array<RouteClock, kRows>& clocks, long clock);
    // Whether row k refuses every offer because it is held down.
    bool Held(int k) const { return rules_.holdDown && clocks_[k].heldUntil >= 0; }

private:
    bool Initialise(const std::vector<std::string>& fields, int rowCount);
    bool Update(const std::vector<std::string>& fields, int rowCount);
    bool Break(const std::vector<std::string>& fields);
    bool TableRequest(const std::vector<std::string>& fields);
    bool Query(const std::vector<std::string>& fields);
    bool RandomQuery();
    void HideFrom(int rowCount);
    // RIP's table update and table request.
    bool RipUpdate(const std::vector<std::string>& fields, int rowCount);
    bool RipRequest(const std::vector<std::string>& fields);
    // The offer, as the table request prices it, of row k over a link of the given cost.
    std::string Offer(const RouteRow& row, const std::string& linkCost) const;
    // Row k has just become unreachable: garbage collection and hold-down start.
    void Unreachable(int k);

    // Initialise and table update messages carry the kind and two more fields before their
    // cost fields, one per row.
    static constexpr int kLeadingFields = 3;

    RandomSource* random_;
    std::array<RouteRow, kRows> rows_{};
    std::string reply_;
    int height_ = kInitialHeight;
    RipRules rules_;
    std::array<RouteClock, kRows> clocks_{};
    long now_ = 0;
};
