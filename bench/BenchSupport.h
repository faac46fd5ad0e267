#pragma once

#include "app/MainForm.h"
#include "common/SeededRandom.h"
#include "form/Platform.h"

#include <array>
#include <string>

// A window for measuring: messages are counted, never shown.
class SilentPlatform : public Platform {
public:
    void ShowMessage(const std::string&) override { ++messages; }
    std::uint64_t ClockSeed() override { return 1; }
    int messages = 0;
};

struct BenchForm {
    SilentPlatform platform;
    SeededRandom random{1};
    MainForm form{platform, random};
    BenchForm() { form.Form_Load(); }

    void Choose(const char* scenario) {
        form.State().cmbSims.text = scenario;
        form.cmbSims_Click();
    }
    // Puts a packet `count` ticks into the hop from router p to router q.
    void PlaceOnHop(int slot, const std::string& kind, int destination, int p, int q, int count);
    // Example 1 with routers A and B sending network f's packets to each other, and all 51
    // slots busy with data packets for f caught in that loop: they move forever.
    void FillWithLoopingPackets();
    // "Everything" with every router's table set so that no data packet ever reaches its
    // destination, and all 51 slots busy with data packets spread over all twenty directions of
    // the ten links, at different points of their hops. Remembers the packets for Respread.
    void FillWithSpreadPackets();
    // Puts the packets back where FillWithSpreadPackets left them. Routed by table they drift
    // into a few loops; put back every hop they stay spread over every link.
    void Respread();

private:
    std::array<ShapeControl, kPacketSlots> spread_{};
};
