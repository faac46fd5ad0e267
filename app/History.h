#pragma once

#include "form/FormState.h"

#include <cstddef>
#include <deque>

// Undo and redo of the user's actions. Before each action the whole window state is kept, packets
// in flight included (the state is plain data, so a copy is a snapshot); undo puts it back and
// keeps the state it replaces for redo. A new action forgets what could be redone. The random
// source is not part of the window and runs on.
class History {
public:
    static constexpr std::size_t kLevels = 100;

    explicit History(FormState& form) : form_(form) {}

    // Call just before an action changes the window.
    void BeforeAction();
    // Each returns false, changing nothing, when there is nothing to undo or redo.
    bool Undo();
    bool Redo();
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }

private:
    // Puts back the newest state of `from`, keeping the one it replaces in `to`.
    bool Move(std::deque<FormState>& from, std::deque<FormState>& to);
    // Replaces the window state, keeping what belongs to the running program, not to the state.
    void Restore(FormState&& state);

    FormState& form_;
    std::deque<FormState> undo_;
    std::deque<FormState> redo_;
};
