#pragma once

#include "form/Platform.h"

class QWidget;

// The desktop side of the window: a real modal message box and the system clock.
class QtPlatform : public Platform {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    void ShowMessage(const std::string& text) override;
    std::uint64_t ClockSeed() override;

private:
    QWidget* parent_ = nullptr;
};
