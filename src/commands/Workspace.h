#pragma once

// What every command works on: the store, the grid's texts, the texts of the
// last set display, and whoever wants to hear about each command (undo, the
// script recorder). The main window holds one over its grid model; a script
// run holds one over plain grid rows.

#include "commands/CommandTable.h"
#include "commands/GridRows.h"
#include "commands/Outcome.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/VectorState.h"
#include "ops/Regression.h"

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The texts the set display computes for the current set; the rest of what
// the window shows comes straight from the store.
struct SetDisplay {
    std::string xFrom, xTo, yFrom, yTo; // the axis ends as shown (and written back)
    RegressionTexts regression;
    // "min. value ..." and "max. value ..." of X and Y; empty for an empty set.
    std::string minX, maxX, minY, maxY;
};

class UndoHistory;

// Hears every command before and after it runs, with the arguments as given.
// A command that fails is reported finished with a Failed outcome before its
// exception goes on. Commands do not run other commands inside them, so the
// calls come in pairs.
class CommandObserver {
public:
    virtual ~CommandObserver() = default;
    virtual void commandStarting(CommandId id, std::span<const std::string_view> arguments, const DataStore& store) = 0;
    virtual void commandFinished(CommandId id, std::span<const std::string_view> arguments, const Outcome& outcome,
                                 const DataStore& store) = 0;
};

struct Workspace {
    Workspace(DataStore& s, GridRows& g) : store(s), grid(g) {}

    DataStore& store;
    GridRows& grid;
    SetDisplay display; // written by every set display
    // Told of every command, in this order (undo, the script recorder).
    std::vector<CommandObserver*> observers;
    // The undo history among the observers, if any (commands/UndoHistory.h).
    UndoHistory* history = nullptr;
};

namespace commands {

// Runs one command's body: the vector registers are cleared first (the one
// place on the way into the number loops, see data/VectorState.h), the
// observer hears of it around the call.
template <typename Body>
Outcome run(Workspace& ws, CommandId id, std::initializer_list<std::string_view> arguments, Body&& body)
{
    clearUpperVectorState();
    if (ws.observers.empty())
        return body();
    const std::span<const std::string_view> args(arguments.begin(), arguments.size());
    for (CommandObserver* observer : ws.observers)
        observer->commandStarting(id, args, ws.store);
    try {
        Outcome outcome = body();
        for (CommandObserver* observer : ws.observers)
            observer->commandFinished(id, args, outcome, ws.store);
        return outcome;
    } catch (...) {
        // Whatever stopped the command, the observers hear that it ended.
        std::string message;
        try {
            throw;
        } catch (const std::exception& failure) {
            message = failure.what();
        } catch (...) {
        }
        const Outcome failed = Outcome::failed(message);
        for (CommandObserver* observer : ws.observers)
            observer->commandFinished(id, args, failed, ws.store);
        throw;
    }
}

} // namespace commands
