#include "app/History.h"

void History::BeforeAction() {
    undo_.push_back(form_);
    if (undo_.size() > kLevels) {
        undo_.pop_front();
    }
    redo_.clear();
}

bool History::Undo() {
    if (undo_.empty()) {
        return false;
    }
    redo_.push_back(form_);
    Restore(std::move(undo_.back()));
    undo_.pop_back();
    return true;
}

bool History::Redo() {
    if (redo_.empty()) {
        return false;
    }
    undo_.push_back(form_);
    Restore(std::move(redo_.back()));
    redo_.pop_back();
    return true;
}

void History::Restore(FormState&& state) {
    auto observer = std::move(form_.routerMessageObserver);
    form_ = std::move(state);
    form_.routerMessageObserver = std::move(observer);
    form_.TickRunning = false;
    form_.MessageOpen = false;
}
