#pragma once

#include "packets/PacketRecord.h"

#include <cstdint>
#include <string>
#include <string_view>

class FormRuntime;
class FormState;
class Platform;
struct ShapeControl;

// The pool of packet markers and the three ways a packet starts: a router's table to a
// neighbour, user data from a network, and a flooding copy from one router to the next. A slot is
// busy exactly while its marker is visible.
class PacketLauncher {
public:
    static constexpr int kLastSlot =
        50; // the slot every launch falls back on when 0 to 49 are busy
    static constexpr int kStepsPerHop = 24; // a hop's steps are this fraction of its extent
    static constexpr const char* kOutOfPackets = "Silly Error - Ran Out of Packets";

    PacketLauncher(FormState& form, FormRuntime& runtime, Platform& platform)
        : form_(form), runtime_(runtime), platform_(platform) {}

    // Router p asks its router for the table it offers q over a link of the given cost, shows
    // the reply on the status line and sends it as a table packet.
    void SendTablePacket(int p, int q, std::int16_t cost);
    // The same with the table request given: router p answers `request` with the table it sends
    // to q (RIP's requests ask for other tables than the plain one).
    void SendTable(int p, int q, std::int16_t cost, const std::string& request);
    // Whether a launch would find a free slot without falling back on the last one.
    bool HasFreeSlot() const;
    // A data packet from network p up to its router, addressed to network q. Indices outside
    // 0 to 5 launch nothing.
    void SendDataPacket(int p, int q);
    // A copy from router p towards neighbour q for destination r; true when the pool ran out.
    bool ForwardPacket(int p, int q, int r);

    // Centres the marker, at its current size, on the start of the hop from router `from` to
    // router `to`, and returns that hop's first record, with steps of a twenty-fourth of the hop
    // in double precision.
    PacketRecord PlaceOnHop(ShapeControl& marker, std::string_view kind, int destination, int from,
                            int to) const;

private:
    // The lowest free slot among 0 to 49; when all of them are busy, shows the out-of-packets
    // message and gives slot 50, busy or not. `exhausted` tells which happened.
    int TakeSlot(bool& exhausted);
    void ShowOutOfPackets();
    FormState& form_;
    FormRuntime& runtime_;
    Platform& platform_;
};
