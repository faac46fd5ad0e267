#pragma once

#include "app/MainForm.h"
#include "support/FakePlatform.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// A started main window whose router messages are recorded as "router letter|message".
struct FormFixture : testing::Test {
    FakePlatform platform;
    ScriptedRandom random;
    MainForm form{platform, random};
    FormState& state = form.State();
    FormRuntime& runtime = form.Runtime();
    std::vector<std::string> sent;

    FormFixture() {
        random.GoOnWhenDry();
        runtime.routerMessageObserver = [this](const RouterMessage& message) {
            sent.push_back(std::string(1, static_cast<char>('A' + message.router)) + "|" +
                           std::string(message.text));
        };
        form.Form_Load();
        sent.clear();
    }

    // A network click pair: a data packet from network `from` to network `to`.
    void SendData(int from, int to) {
        form.btnNetwork_Click(from);
        form.btnNetwork_Click(to);
    }
    // A router click pair: `from` sends its table to `to` if a link between them is up.
    void SendTable(int from, int to) {
        form.btnRouter_Click(from);
        form.btnRouter_Click(to);
    }
    void Choose(const std::string& scenario) {
        state.cmbSims.text = scenario;
        form.cmbSims_Click();
    }
    std::vector<std::string> Costs() const {
        std::vector<std::string> texts;
        for (const auto& label : state.lblCost) {
            texts.push_back(label.caption);
        }
        return texts;
    }
    const RouteRow& Row(int router, int network) const {
        return state.RouterTable[router].Engine().Rows()[network];
    }
    ShapeControl& Slot(int i) { return state.shpPacket[i]; }
    // Whether any panel frames a row as just changed.
    bool AnyFramed() const {
        for (const RouterPanel& panel : state.RouterTable) {
            for (bool marked : panel.highlighted) {
                if (marked) {
                    return true;
                }
            }
        }
        return false;
    }
    void Ticks(int n) {
        for (int t = 0; t < n; ++t) {
            ASSERT_TRUE(form.MoveTimer_Timer());
        }
    }
    int Busy() const {
        int busy = 0;
        for (const auto& packet : state.shpPacket) {
            busy += packet.visible ? 1 : 0;
        }
        return busy;
    }
    // Puts a packet in a slot by hand, `ticks` into its hop.
    void Place(int slot, const std::string& record) {
        Slot(slot).visible = true;
        Slot(slot).tag = record;
    }
};
