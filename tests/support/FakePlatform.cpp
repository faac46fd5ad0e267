#include "support/FakePlatform.h"

void FakePlatform::ShowMessage(const std::string& text) {
    messages.push_back(text);
    if (onMessage) {
        onMessage();
    }
}
