#include "app/History.h"

void History::BeforeAction() {
    undo_.push_back(form_);
    if (undo_.size() > kLevels) {
        undo_.pop_front();
    }
    redo_.clear();
}

bool History::Undo() {
    return Move(undo_, redo_);
}

bool History::Redo() {
    return Move(redo_, undo_);
}

bool History::Move(std::deque<FormState>& from, std::deque<FormState>& to) {
    if (from.empty()) {
        return false;
    }
    to.push_back(form_);
    Restore(std::move(from.back()));
    from.pop_back();
    return true;
}

void History::Restore(FormState&& state) {
    auto observer = std::move(form_.routerMessageObserver);
    form_ = std::move(state);
    form_.routerMessageObserver = std::move(observer);
    form_.TickRunning = false;
    form_.MessageOpen = false;
}
