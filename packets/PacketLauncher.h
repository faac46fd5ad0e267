#pragma once

#include <cstdint>
#include <string>

class FormState;
class Platform;

// The pool of 51 packet markers and the three ways a packet starts: a router's table to a
// neighbour, user data from a network, and a flooding copy from one router to the next. A slot is
// busy exactly while its marker is visible.
class PacketLauncher {
public:
    static constexpr int kSlots = 51;
    static constexpr int kLastSlot = kSlots - 1;
    static constexpr const char* kOutOfPackets = "Silly Error - Ran Out of Packets";

    PacketLauncher(FormState& form, Platform& platform) : form_(form), platform_(platform) {}

    // The lowest free slot among 0 to 49; when all of them are busy, shows the out-of-packets
    // message and gives slot 50, busy or not. `exhausted` tells which happened.
    int TakeSlot(bool& exhausted);

    // Router p asks its router for the table it offers q over a link of the given cost, shows
    // the reply on the status line and sends it as a table packet.
    void SendTablePacket(int p, int q, std::int16_t cost);
    // A data packet from network p up to its router, addressed to network q. Indices outside
    // 0 to 5 launch nothing.
    void SendDataPacket(int p, int q);
    // A copy from router p towards neighbour q for destination r; true when the pool ran out.
    bool ForwardPacket(int p, int q, int r);

    // "0:kind:..." record text of a hop's first tick; steps are written as number text.
    static std::string Record(const std::string& kind, int destination, int hopEnd, int hopStart,
                              const std::string& stepX, const std::string& stepY);

private:
    void ShowOutOfPackets();
    FormState& form_;
    Platform& platform_;
};
