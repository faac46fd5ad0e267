#pragma once

#include "packets/PacketRecord.h"

class FormRuntime;
class FormState;
class PacketLauncher;
class RandomSource;

// What becomes of a packet that has finished its hop: a delivery ends, a table packet hands its
// message to the receiving router, and a data packet is delivered at its destination's router or
// forwarded by table lookup, at random or by flooding, as the scenario says.
class PacketArrival {
public:
    static constexpr int kRandomTries = 20; // random routing gives up after this many draws

    PacketArrival(FormState& form, FormRuntime& runtime, PacketLauncher& launcher,
                  RandomSource& random)
        : form_(form), runtime_(runtime), launcher_(launcher), random_(random) {}

    // The packet in `slot` has arrived with this record.
    void Arrive(int slot, const PacketRecord& record);

private:
    void Deliver(int slot, int destination);
    void RouteByTable(int slot, const PacketRecord& record, int here);
    void RouteAtRandom(int slot, const PacketRecord& record, int here);
    void Flood(const PacketRecord& record, int here, int destination);
    void Reroute(int slot, const PacketRecord& record, int here, int next);
    bool Usable(int a, int b) const;
    // Under RIP's rules a router takes a table only from a neighbour it has now (RFC 2453,
    // 3.9.2): one in flight from a router the scenario has since hidden, or over a link shown
    // broken since, is ignored. Without the rules every table arrives, as it always has.
    bool FromNeighbour(const PacketRecord& record) const;
    void Drop(int slot);

    FormState& form_;
    FormRuntime& runtime_;
    PacketLauncher& launcher_;
    RandomSource& random_;
};
