#include "commands/FileCommands.h"

#include "commands/SetDisplay.h"
#include "data/DataFile.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "data/Numbers.h"

namespace commands {

namespace {

Outcome read(Workspace& ws, const std::string& path, int target)
{
    ws.store.loadTargetSet = static_cast<uint8_t>(target);
    const ReadOutcome read = readDataFile(ws.store, path);
    showCurrentSet(ws);
    Outcome outcome;
    outcome.setShown = true;
    outcome.imageOpenName = read.imageOpenName;
    return outcome;
}

} // namespace

Outcome openFile(Workspace& ws, const std::string& path)
{
    return run(ws, CommandId::Open, {path}, [&] { return read(ws, path, kFirstSet); });
}

int secondFileSet(std::string_view setText)
{
    const int target = toInteger(setText);
    if (target < kFirstSet || target > kLastSet)
        throw KurvixError(std::string(Messages::SecondFileSetRange));
    return target;
}

Outcome openSecondFile(Workspace& ws, std::string_view setText, const std::string& path)
{
    return run(ws, CommandId::OpenSecond, {setText, path}, [&] { return read(ws, path, secondFileSet(setText)); });
}

Outcome saveFile(Workspace& ws, const std::string& path, SaveNaming naming)
{
    return run(ws, CommandId::Save, {path}, [&] {
        Outcome outcome;
        outcome.writtenPath =
            naming == SaveNaming::Exact ? writeDataFileExactly(ws.store, path) : writeDataFile(ws.store, path);
        return outcome;
    });
}

} // namespace commands
