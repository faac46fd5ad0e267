#pragma once

#include "form/Platform.h"

#include <functional>
#include <string>
#include <vector>

// Records every message the window shows, calls `onMessage` while the message is "open", and
// hands out a fixed clock seed.
class FakePlatform : public Platform {
public:
    explicit FakePlatform(std::uint64_t seed = 12345) : seed_(seed) {}
    void ShowMessage(const std::string& text) override;
    std::uint64_t ClockSeed() override { return seed_; }

    std::vector<std::string> messages;
    std::function<void()> onMessage;

private:
    std::uint64_t seed_;
};
