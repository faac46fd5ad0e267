#pragma once

#include "form/FormState.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Undo and redo of the user's actions. Before each action the whole window state is kept, packets
// in flight included (the state is plain data, so a copy is a snapshot), with what the action was;
// undo puts the state back and keeps the state it replaces for redo. A new action forgets what
// could be redone. The random source and the clock are not part of the window and run on.
// The states kept are shared and never changed, so that the history can be saved whole.
class History {
public:
    static constexpr std::size_t kLevels = 100;

    explicit History(FormState& form) : form_(form) {}

    // Call just before an action changes the window; `what` says what the action is ("Update",
    // "break of link A-B").
    void BeforeAction(std::string what);
    // Each returns what it undid or redid, or nothing, changing nothing, when there is nothing to
    // undo or redo.
    std::optional<std::string> Undo();
    std::optional<std::string> Redo();
    bool CanUndo() const { return !undo_.empty(); }
    // Forgets every level (a demonstration opened from a file starts afresh).
    void Clear() {
        undo_.clear();
        redo_.clear();
    }
    bool CanRedo() const { return !redo_.empty(); }
    // What the newest `count` levels were kept for, oldest first.
    std::vector<std::string> Newest(std::size_t count) const;

private:
    // A level's state is shared, never changed: a copy of the history shares its states.
    struct Level {
        std::shared_ptr<const FormState> state;
        std::string what;
    };

public:
    // The whole history and the window's state as they stand, to come back to exactly (a
    // lesson going back a step). Cheap: the levels' states are shared, not copied.
    struct Saved {
        std::deque<Level> undo;
        std::deque<Level> redo;
        std::shared_ptr<const FormState> state;
    };
    Saved Save() const;
    void Restore(const Saved& saved);

private:
    // Puts back the newest state of `from`, keeping the one it replaces in `to`.
    std::optional<std::string> Move(std::deque<Level>& from, std::deque<Level>& to);

    FormState& form_;
    std::deque<Level> undo_;
    std::deque<Level> redo_;
};
