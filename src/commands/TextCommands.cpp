#include "commands/TextCommands.h"

#include "commands/SetDisplay.h"
#include "data/DataFileReader.h"
#include "data/Messages.h"
#include "data/PointText.h"

namespace commands {

std::string setAsText(const DataStore& store)
{
    return pointsAsText(store, store.currentSet);
}

Outcome pasteData(Workspace& ws, std::string_view text)
{
    return run(ws, CommandId::PasteData, {text}, [&] {
        // Read into a copy: a line that fails leaves every set as it was.
        DataStore scratch = ws.store;
        const int first = scratch.currentSet;
        const PlainTextRead read = readPlainText(scratch, text, first, std::string(Messages::ClipboardAsFile));
        if (read.points == 0)
            return Outcome::withMessage(std::string(Messages::ClipboardHoldsNoData));
        for (int s = first; s <= read.lastChanged; ++s)
            scratch.sortSet(s);
        scratch.unsavedChanges = true;
        ws.store = scratch;
        showCurrentSet(ws);
        Outcome outcome;
        outcome.setShown = true;
        return outcome;
    });
}

} // namespace commands
