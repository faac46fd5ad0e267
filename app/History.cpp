#include "app/History.h"

#include <algorithm>

void History::BeforeAction(std::string what) {
    undo_.push_back({std::make_shared<const FormState>(form_), std::move(what)});
    if (undo_.size() > kLevels) {
        undo_.pop_front();
    }
    redo_.clear();
}

std::optional<std::string> History::Undo() {
    return Move(undo_, redo_);
}

std::optional<std::string> History::Redo() {
    return Move(redo_, undo_);
}

std::optional<std::string> History::Move(std::deque<Level>& from, std::deque<Level>& to) {
    if (from.empty()) {
        return std::nullopt;
    }
    Level level = std::move(from.back());
    from.pop_back();
    to.push_back({std::make_shared<const FormState>(form_), level.what});
    form_ = *level.state;
    return level.what;
}

History::Saved History::Save() const {
    return {undo_, redo_, std::make_shared<const FormState>(form_)};
}

void History::Restore(const Saved& saved) {
    undo_ = saved.undo;
    redo_ = saved.redo;
    form_ = *saved.state;
}

std::vector<std::string> History::Newest(std::size_t count) const {
    std::vector<std::string> whats;
    for (std::size_t i = undo_.size() - std::min(count, undo_.size()); i < undo_.size(); ++i) {
        whats.push_back(undo_[i].what);
    }
    return whats;
}
