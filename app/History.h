#pragma once

#include "form/FormState.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>

// Undo and redo of the user's actions. Before each action the whole window state is kept, packets
// in flight included (the state is plain data, so a copy is a snapshot), with what the action was;
// undo puts the state back and keeps the state it replaces for redo. A new action forgets what
// could be redone. The random source and the clock are not part of the window and run on.
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
    bool CanRedo() const { return !redo_.empty(); }

private:
    struct Level {
        FormState state;
        std::string what;
    };
    // Puts back the newest state of `from`, keeping the one it replaces in `to`.
    std::optional<std::string> Move(std::deque<Level>& from, std::deque<Level>& to);

    FormState& form_;
    std::deque<Level> undo_;
    std::deque<Level> redo_;
};
