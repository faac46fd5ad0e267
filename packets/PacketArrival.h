#pragma once

#include <string>
#include <vector>

class FormState;
class PacketLauncher;
class RandomSource;

// What becomes of a packet that has finished its hop: a delivery ends, a table packet hands its
// message to the receiving router, and a data packet is delivered at its destination's router or
// forwarded by table lookup, at random or by flooding, as the scenario says.
class PacketArrival {
public:
    static constexpr const char* kNoReverse = "Random 1 No Reverse";

    PacketArrival(FormState& form, PacketLauncher& launcher, RandomSource& random)
        : form_(form), launcher_(launcher), random_(random) {}

    // The packet in `slot` has arrived; `fields` is its record split at ":" (seven fields).
    void Arrive(int slot, const std::vector<std::string>& fields);

private:
    void Deliver(int slot, int destination);
    void RouteByTable(int slot, const std::vector<std::string>& fields, int here);
    void RouteAtRandom(int slot, const std::vector<std::string>& fields, int here);
    void Flood(int slot, const std::vector<std::string>& fields, int here, int destination);
    void Reroute(int slot, const std::vector<std::string>& fields, int here, int next);
    bool Usable(int a, int b) const;

    FormState& form_;
    PacketLauncher& launcher_;
    RandomSource& random_;
};
