#pragma once

// Records the commands carried out on a workspace as the script lines that
// replay them (commands/Script.h). It hears every command as an observer and
// writes a line for each one that was done; refused and failed ones are not
// written, except that a refusal which still showed the set writes the set
// display it caused (`set N` of the current set), so that the sorting and the
// rounded axis ends it left are replayed too.
//
// Typing is gathered: a settings field writes its line when the field is left
// (fieldLeft) and the grid writes `point` lines for the rows that changed
// when it is left (gridLeft); either comes before the line of the next other
// command. The first file opened is written as `open $FILE`, after the
// comment `# $FILE was PATH`, so the script replays over other files.

#include "commands/Workspace.h"

#include <functional>
#include <string>
#include <vector>

class ScriptRecorder : public CommandObserver {
public:
    // Takes each line when it is due, without its line end.
    using LineSink = std::function<void(const std::string& line)>;

    explicit ScriptRecorder(LineSink sink);

    // A settings field of the axis boxes lost the focus.
    void fieldLeft();
    // The grid, with its cell editor, lost the focus; store is the
    // workspace's, as the grid's typing left it.
    void gridLeft(const DataStore& store);
    // Writes whatever typing is still gathered.
    void finish(const DataStore& store);

    void commandStarting(CommandId id, std::span<const std::string_view> arguments, const DataStore& store) override;
    void commandFinished(CommandId id, std::span<const std::string_view> arguments, const Outcome& outcome,
                         const DataStore& store) override;

private:
    void write(const std::string& line);
    void writeCommand(CommandId id, std::span<const std::string_view> arguments);
    void writeFields();
    void writeGrid(const DataStore& store);

    LineSink sink_;
    bool fileNamed_ = false; // $FILE stands for the first file opened

    // Settings fields typed into and not yet left: the command and its text.
    std::vector<std::pair<CommandId, std::string>> fields_;

    // Grid typing not yet written: the set typed into and its points before.
    bool typing_ = false;
    int typingSet_ = 0;
    std::vector<double> xsBefore_, ysBefore_;

    uint8_t flagsBefore_ = 0; // the drawing switches before storeDrawFlags
};
