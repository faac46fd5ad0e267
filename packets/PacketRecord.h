#pragma once

#include <string>
#include <string_view>

// The record a busy packet marker carries as its tag: seven fields joined by ":". Every field is
// kept as the text it was written as, so a record read and written back is unchanged.
struct PacketRecord {
    static constexpr int kFieldCount = 7;
    static constexpr std::string_view kTable = "T";    // a router's table to a neighbour
    static constexpr std::string_view kUp = "U";       // data climbing from its network
    static constexpr std::string_view kRouted = "R";   // data on a router-to-router hop
    static constexpr std::string_view kDelivery = "D"; // data running down to its network

    std::string stepCount = "0"; // ticks travelled on the current hop (" 1", " 2", ... once moving)
    std::string kind;
    std::string destination; // letter of the receiving router, or of the destination network
    std::string hopEnd;      // letter of the router where the current hop ends
    std::string hopStart;    // letter of the router (for "U", the network) where it began
    std::string stepX;       // twips moved per tick, number text
    std::string stepY;

    // The first record of a hop: step count "0" and router letters for the three indices.
    static PacketRecord Start(std::string_view kind, int destination, int hopEnd, int hopStart,
                              std::string stepX, std::string stepY);
    // Splits a tag at ":"; missing fields read as empty texts, fields past the seventh are
    // ignored.
    static PacketRecord Parse(std::string_view text);
    std::string Text() const;
};
