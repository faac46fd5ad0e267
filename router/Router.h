#pragma once

#include "common/Letters.h"

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
// message left behind.
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

private:
    bool Initialise(const std::vector<std::string>& fields, int rowCount);
    bool Update(const std::vector<std::string>& fields, int rowCount);
    bool Break(const std::vector<std::string>& fields);
    bool TableRequest(const std::vector<std::string>& fields);
    bool Query(const std::vector<std::string>& fields);
    bool RandomQuery();
    void HideFrom(int rowCount);

    // Initialise and table update messages carry the kind and two more fields before their
    // cost fields, one per row.
    static constexpr int kLeadingFields = 3;

    RandomSource* random_;
    std::array<RouteRow, kRows> rows_{};
    std::string reply_;
    int height_ = kInitialHeight;
};
