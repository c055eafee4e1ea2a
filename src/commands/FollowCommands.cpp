#include "commands/FollowCommands.h"

#include "commands/SetDisplay.h"
#include "commands/UndoHistory.h"
#include "data/DataFilePath.h"
#include "data/FollowReader.h"
#include "data/Messages.h"
#include "ops/Autoscale.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

// The points of sets 1..9: counts and values one after the other.
struct Following::Points {
    std::array<int32_t, kSetSlots> counts{};
    std::vector<double> values;

    void take(const DataStore& store)
    {
        values.clear();
        for (int s = kFirstSet; s <= kLastSet; ++s) {
            const int n = std::clamp(store.pointCount[static_cast<size_t>(s)], 0, kSetCapacity);
            counts[static_cast<size_t>(s)] = store.pointCount[static_cast<size_t>(s)];
            values.insert(values.end(), store.xs(s), store.xs(s) + n);
            values.insert(values.end(), store.ys(s), store.ys(s) + n);
        }
    }

    // Bit for bit: a value put back as it was is no change, -0 for 0 is one.
    bool same(const DataStore& store) const
    {
        size_t at = 0;
        for (int s = kFirstSet; s <= kLastSet; ++s) {
            if (counts[static_cast<size_t>(s)] != store.pointCount[static_cast<size_t>(s)])
                return false;
            const auto n = static_cast<size_t>(std::clamp(store.pointCount[static_cast<size_t>(s)], 0, kSetCapacity));
            if (std::memcmp(values.data() + at, store.xs(s), n * sizeof(double)) != 0
                || std::memcmp(values.data() + at + n, store.ys(s), n * sizeof(double)) != 0)
                return false;
            at += 2 * n;
        }
        return true;
    }
};

Following::Following() = default;
Following::~Following() = default;

std::string Following::fileName() const
{
    return std::string(fileNamePart(path_));
}

void Following::stop()
{
    follower_.reset();
    before_.reset();
    pointsTaken_ = false;
}

void Following::follow(std::unique_ptr<FileFollower> follower, std::string path)
{
    follower_ = std::move(follower);
    path_ = std::move(path);
}

void Following::commandStarting(CommandId id, std::span<const std::string_view>, const DataStore& store)
{
    if (!active() || id == CommandId::Follow)
        return;
    if (id == CommandId::Open || id == CommandId::OpenSecond) {
        stop(); // the user reads another file: nothing to say
        if (stopped_)
            stopped_({});
        return;
    }
    if (!before_)
        before_ = std::make_unique<Points>();
    before_->take(store);
    pointsTaken_ = true;
}

void Following::commandFinished(CommandId id, std::span<const std::string_view>, const Outcome&,
                                const DataStore& store)
{
    if (!pointsTaken_ || id == CommandId::Follow)
        return;
    pointsTaken_ = false;
    if (!active() || before_->same(store))
        return;
    const std::string name = fileName();
    stop();
    if (stopped_)
        stopped_(Messages::message(Messages::FollowingStopped, {name}));
}

namespace commands {

namespace {

// The updates of one following gather into the step that began it, as the
// keystrokes in one field do.
void joinUndoStep(Workspace& ws)
{
    if (ws.history)
        ws.history->typingInto(CommandId::Follow);
}

Outcome shownAfterRead(Workspace& ws, FollowScaling scaling)
{
    if (scaling == FollowScaling::Autoscale)
        autoscaleAxes(ws.store);
    showCurrentSet(ws);
    Outcome outcome;
    outcome.setShown = true;
    return outcome;
}

} // namespace

void attachFollowing(Workspace& ws, Following& following)
{
    ws.observers.push_back(&following);
}

Outcome followFile(Workspace& ws, Following& following, const std::string& path, FollowScaling scaling)
{
    following.stop();
    if (ws.history)
        ws.history->seal();
    joinUndoStep(ws);
    auto follower = std::make_unique<FileFollower>(path, ws.store);
    Outcome outcome = run(ws, CommandId::Follow, {path}, [&] {
        ws.store.loadTargetSet = kFirstSet;
        follower->start(ws.store);
        Outcome shown = shownAfterRead(ws, scaling);
        shown.imageOpenName = imageOpenNameFor(path);
        return shown;
    });
    following.follow(std::move(follower), path);
    return outcome;
}

Outcome followUpdate(Workspace& ws, Following& following, FollowScaling scaling)
{
    FileFollower* follower = following.follower();
    if (!follower)
        return Outcome::refused();
    try {
        if (!follower->poll())
            return Outcome::refused();
        joinUndoStep(ws);
        return run(ws, CommandId::Follow, {}, [&] {
            if (!follower->apply(ws.store))
                return Outcome::refused();
            Outcome outcome = shownAfterRead(ws, scaling);
            ws.store.unsavedChanges = false;
            return outcome;
        });
    } catch (...) {
        // The reader cannot go on from a failed read.
        following.stop();
        throw;
    }
}

} // namespace commands
