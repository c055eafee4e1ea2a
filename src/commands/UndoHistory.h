#pragma once

// The undo history of the store, kept as a command observer: it looks at the
// store before and after each command and keeps, as one step, only what the
// command changed. Whoever runs commands on a workspace with the history
// attached (the main window, a script) shares it.
//
// A step holds, for each thing the command changed, the state that is not in
// the store at the moment: the state before the command while the step waits
// to be undone, the state after it while it waits to be redone. Undo and redo
// swap it with the store, so a step costs one copy of what changed (a Smooth
// of a full set: its 10000 Y values) and nothing is copied twice.
//
// What a step covers: sets 1..9 (points, count, label, range, flags, symbol,
// colour, extreme positions), the plot settings and currentSet; along with
// them the file name, the last regression and the read target. Set 0 is
// scratch space that no command leaves anything meaningful in, so it is not
// kept. unsavedChanges is not restored: after an undo or redo the data differ
// from the file, so both set it.
//
// Not steps: a command that leaves sets, plot settings and currentSet as they
// were (a refusal, a save, an export), the choice of the current set, and
// undo and redo themselves.

#include "commands/Workspace.h"

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

class UndoHistory : public CommandObserver {
public:
    static constexpr size_t kDefaultDepth = 200;

    // depth: how many steps are kept; the oldest goes when one more comes.
    explicit UndoHistory(size_t depth = kDefaultDepth);
    ~UndoHistory() override;
    UndoHistory(const UndoHistory&) = delete;
    UndoHistory& operator=(const UndoHistory&) = delete;

    bool canUndo() const;
    bool canRedo() const;
    // The undo label of the command the next undo takes back, or the next
    // redo applies again; empty when there is none.
    std::string_view undoLabel() const;
    std::string_view redoLabel() const;
    size_t undoSteps() const;
    size_t redoSteps() const;
    // Bytes the kept steps hold (the before-image of the running command,
    // reused from one command to the next, not counted).
    size_t bytes() const;

    // Puts the last step's state into the store (currentSet included) and
    // sets unsavedChanges. Returns false, changing nothing, without a step.
    bool undo(DataStore& store);
    bool redo(DataStore& store);

    // The following commands `id`, up to seal() or any other command, are
    // one step: the keystrokes in one field or one grid cell. A command that
    // only the window gives; script lines are one step each.
    void typingInto(CommandId id);
    void seal();

    // Called whenever steps come or go (for menu captions).
    void setChangeHandler(std::function<void()> handler) { changed_ = std::move(handler); }

    void commandStarting(CommandId id, std::span<const std::string_view> arguments, const DataStore& store) override;
    void commandFinished(CommandId id, std::span<const std::string_view> arguments, const Outcome& outcome,
                         const DataStore& store) override;

private:
    struct Step;
    struct Image;

    void push(Step step);
    void notify() const;

    size_t depth_;
    std::vector<Step> undo_; // oldest first
    std::vector<Step> redo_;
    std::unique_ptr<Image> before_; // the store as the running command found it
    bool imageTaken_ = false;
    std::optional<CommandId> typing_;
    bool stepOpen_ = false; // the last step takes the next keystroke of typing_
    std::function<void()> changed_;
};

namespace commands {

// Makes the history hear every command of the workspace, first among its
// observers, and lets undo() and redo() below find it.
void attachHistory(Workspace& ws, UndoHistory& history);

// Edit / "&Undo" and "&Redo": the workspace's history one step back or
// forward, then the current set shown as kept, without writing anything back
// (no sorting, no rounding of axis ends). Refused without a history or a
// step.
Outcome undo(Workspace& ws);
Outcome redo(Workspace& ws);

} // namespace commands
