#include "commands/UndoHistory.h"

#include "commands/SetDisplay.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace {

// The fields of one set besides its points.
struct SetFields {
    int32_t pointCount = 0;
    std::string yLabel;
    double yFrom = 0;
    double yTo = 0;
    uint8_t drawFlags = 0;
    uint8_t symbolNumber = 0;
    uint8_t setColour = 0;
    int32_t minYIndex = 0;
    int32_t maxYIndex = 0;
};

void readFields(const DataStore& store, int s, SetFields& f)
{
    const auto si = static_cast<size_t>(s);
    f.pointCount = store.pointCount[si];
    f.yLabel = store.yLabel[si];
    f.yFrom = store.yFrom[si];
    f.yTo = store.yTo[si];
    f.drawFlags = store.drawFlags[si];
    f.symbolNumber = store.symbolNumber[si];
    f.setColour = store.setColour[si];
    f.minYIndex = store.minYIndex[si];
    f.maxYIndex = store.maxYIndex[si];
}

void writeFields(DataStore& store, int s, const SetFields& f)
{
    const auto si = static_cast<size_t>(s);
    store.pointCount[si] = f.pointCount;
    store.yLabel[si] = f.yLabel;
    store.yFrom[si] = f.yFrom;
    store.yTo[si] = f.yTo;
    store.drawFlags[si] = f.drawFlags;
    store.symbolNumber[si] = f.symbolNumber;
    store.setColour[si] = f.setColour;
    store.minYIndex[si] = f.minYIndex;
    store.maxYIndex[si] = f.maxYIndex;
}

// Bit for bit, so that -0 and 0 differ and a NaN equals itself: undo puts
// back exactly what was there.
bool same(double a, double b) { return std::bit_cast<uint64_t>(a) == std::bit_cast<uint64_t>(b); }

bool same(const SetFields& f, const DataStore& store, int s)
{
    const auto si = static_cast<size_t>(s);
    return f.pointCount == store.pointCount[si] && f.yLabel == store.yLabel[si] && same(f.yFrom, store.yFrom[si])
        && same(f.yTo, store.yTo[si]) && f.drawFlags == store.drawFlags[si]
        && f.symbolNumber == store.symbolNumber[si] && f.setColour == store.setColour[si]
        && f.minYIndex == store.minYIndex[si] && f.maxYIndex == store.maxYIndex[si];
}

bool same(const PlotSettings& a, const PlotSettings& b)
{
    return a.xLabel == b.xLabel && same(a.xFrom, b.xFrom) && same(a.xTo, b.xTo) && a.heading == b.heading
        && a.comment == b.comment && a.showDateTime == b.showDateTime && a.showFileName == b.showFileName
        && a.plotWithGrid == b.plotWithGrid;
}

bool same(const RegressionResult& a, const RegressionResult& b)
{
    return same(a.a, b.a) && same(a.b, b.b) && same(a.r, b.r);
}

bool samePoints(const double* a, const double* b, int n)
{
    // An empty vector's data() may be null, which memcmp must not get even
    // for no bytes.
    return n <= 0 || std::memcmp(a, b, static_cast<size_t>(n) * sizeof(double)) == 0;
}

bool samePoints(const std::vector<double>& kept, const double* values, int n)
{
    return static_cast<int>(kept.size()) == n && samePoints(kept.data(), values, n);
}

// The points that count: a count outside 0..capacity is the callers' fault,
// but must not make the history read or write outside the set's block.
int countOf(int32_t pointCount) { return std::clamp(pointCount, 0, kSetCapacity); }

// One set's part of a step: each part that the step changed, as it is not
// in the store now. Points are kept 1..n with n the count of that state;
// a step that changed the count keeps fields, X and Y together.
struct SetChange {
    int set = 0;
    std::optional<SetFields> fields;
    std::optional<std::vector<double>> xs;
    std::optional<std::vector<double>> ys;

    bool empty() const { return !fields && !xs && !ys; }
};

// Swaps kept points with the store's: in place when the counts agree (the
// usual case of an operation on a set), else through a new buffer.
void swapPoints(std::vector<double>& kept, double* values, int n)
{
    if (static_cast<int>(kept.size()) == n) {
        std::swap_ranges(kept.begin(), kept.end(), values);
        return;
    }
    std::vector<double> now(values, values + n);
    std::copy(kept.begin(), kept.end(), values);
    kept = std::move(now);
}

} // namespace

struct UndoHistory::Image {
    std::array<SetFields, kSetSlots> sets;
    std::vector<double> xs; // set s at s * kSetCapacity, points 1..count copied
    std::vector<double> ys;
    PlotSettings plot;
    int32_t currentSet = 0;
    std::string fileName;
    RegressionResult regression;
    uint8_t loadTargetSet = 0;

    const double* x(int s) const { return xs.data() + static_cast<size_t>(s) * kSetCapacity; }
    const double* y(int s) const { return ys.data() + static_cast<size_t>(s) * kSetCapacity; }

    void take(const DataStore& store)
    {
        if (xs.empty()) {
            xs.resize(static_cast<size_t>(kSetSlots) * kSetCapacity);
            ys.resize(xs.size());
        }
        for (int s = kFirstSet; s <= kLastSet; ++s) {
            readFields(store, s, sets[static_cast<size_t>(s)]);
            const int n = countOf(store.pointCount[static_cast<size_t>(s)]);
            std::copy_n(store.xs(s), n, xs.data() + static_cast<size_t>(s) * kSetCapacity);
            std::copy_n(store.ys(s), n, ys.data() + static_cast<size_t>(s) * kSetCapacity);
        }
        plot = store.plot;
        currentSet = store.currentSet;
        fileName = store.currentFileName;
        regression = store.regression;
        loadTargetSet = store.loadTargetSet;
    }
};

struct UndoHistory::Step {
    CommandId id = CommandId::Open;
    int32_t currentSet = 0; // always kept: undo shows the set the step acted on
    std::vector<SetChange> sets;
    std::optional<PlotSettings> plot;
    // Kept along with a change of data, never a step of their own.
    std::optional<std::string> fileName;
    std::optional<RegressionResult> regression;
    std::optional<uint8_t> loadTargetSet;

    SetChange& changeOf(int s)
    {
        for (SetChange& c : sets)
            if (c.set == s)
                return c;
        sets.push_back(SetChange{s, {}, {}, {}});
        return sets.back();
    }

    // Adds, for each part that differs between `before` and the store and
    // that the step does not keep yet, its state in `before`. Parts the step
    // keeps already hold an earlier state, the one to go back to.
    void addChanges(const Image& before, const DataStore& store)
    {
        for (int s = kFirstSet; s <= kLastSet; ++s) {
            const SetFields& was = before.sets[static_cast<size_t>(s)];
            const int n = countOf(was.pointCount);
            const bool countChanged = was.pointCount != store.pointCount[static_cast<size_t>(s)];
            const bool fieldsChanged = !same(was, store, s);
            const bool xChanged = countChanged || !samePoints(before.x(s), store.xs(s), n);
            const bool yChanged = countChanged || !samePoints(before.y(s), store.ys(s), n);
            if (!fieldsChanged && !xChanged && !yChanged)
                continue;
            SetChange& c = changeOf(s);
            if (fieldsChanged && !c.fields)
                c.fields = was;
            if (xChanged && !c.xs)
                c.xs.emplace(before.x(s), before.x(s) + n);
            if (yChanged && !c.ys)
                c.ys.emplace(before.y(s), before.y(s) + n);
        }
        if (!plot && !same(before.plot, store.plot))
            plot = before.plot;
        if (!fileName && before.fileName != store.currentFileName)
            fileName = before.fileName;
        if (!regression && !same(before.regression, store.regression))
            regression = before.regression;
        if (!loadTargetSet && before.loadTargetSet != store.loadTargetSet)
            loadTargetSet = before.loadTargetSet;
    }

    // Drops the parts that equal the store again (a keystroke taken back).
    void dropUnchanged(const DataStore& store)
    {
        for (SetChange& c : sets) {
            const int n = countOf(store.pointCount[static_cast<size_t>(c.set)]);
            if (c.fields && same(*c.fields, store, c.set))
                c.fields.reset();
            if (c.xs && samePoints(*c.xs, store.xs(c.set), n))
                c.xs.reset();
            if (c.ys && samePoints(*c.ys, store.ys(c.set), n))
                c.ys.reset();
        }
        std::erase_if(sets, [](const SetChange& c) { return c.empty(); });
        if (plot && same(*plot, store.plot))
            plot.reset();
    }

    // Whether undoing it would change the sets, the plot settings or the
    // current set; the file name, regression and read target alone do not
    // make a step.
    bool changesData(const DataStore& store) const
    {
        return !sets.empty() || plot || currentSet != store.currentSet;
    }

    void swapWith(DataStore& store)
    {
        for (SetChange& c : sets) {
            const int n = countOf(store.pointCount[static_cast<size_t>(c.set)]);
            if (c.xs)
                swapPoints(*c.xs, store.xs(c.set), n);
            if (c.ys)
                swapPoints(*c.ys, store.ys(c.set), n);
            if (c.fields) {
                SetFields now;
                readFields(store, c.set, now);
                writeFields(store, c.set, *c.fields);
                *c.fields = std::move(now);
            }
        }
        if (plot)
            std::swap(*plot, store.plot);
        if (fileName)
            std::swap(*fileName, store.currentFileName);
        if (regression)
            std::swap(*regression, store.regression);
        if (loadTargetSet)
            std::swap(*loadTargetSet, store.loadTargetSet);
        std::swap(currentSet, store.currentSet);
    }

    size_t bytes() const
    {
        size_t total = sizeof(Step) + sets.capacity() * sizeof(SetChange);
        for (const SetChange& c : sets) {
            if (c.fields)
                total += c.fields->yLabel.capacity();
            if (c.xs)
                total += c.xs->capacity() * sizeof(double);
            if (c.ys)
                total += c.ys->capacity() * sizeof(double);
        }
        if (plot)
            total += plot->xLabel.capacity() + plot->heading.capacity() + plot->comment.capacity();
        if (fileName)
            total += fileName->capacity();
        return total;
    }
};

UndoHistory::UndoHistory(size_t depth)
    : depth_(std::max<size_t>(depth, 1))
{
}

UndoHistory::~UndoHistory() = default;

bool UndoHistory::canUndo() const { return !undo_.empty(); }
bool UndoHistory::canRedo() const { return !redo_.empty(); }
size_t UndoHistory::undoSteps() const { return undo_.size(); }
size_t UndoHistory::redoSteps() const { return redo_.size(); }

std::string_view UndoHistory::undoLabel() const
{
    return undo_.empty() ? std::string_view() : commandInfo(undo_.back().id).undoLabel;
}

std::string_view UndoHistory::redoLabel() const
{
    return redo_.empty() ? std::string_view() : commandInfo(redo_.back().id).undoLabel;
}

size_t UndoHistory::bytes() const
{
    size_t total = 0;
    for (const std::vector<Step>* steps : {&undo_, &redo_})
        for (const Step& step : *steps)
            total += step.bytes();
    return total;
}

bool UndoHistory::undo(DataStore& store)
{
    seal();
    if (undo_.empty())
        return false;
    Step step = std::move(undo_.back());
    undo_.pop_back();
    step.swapWith(store);
    store.unsavedChanges = true;
    redo_.push_back(std::move(step));
    notify();
    return true;
}

bool UndoHistory::redo(DataStore& store)
{
    seal();
    if (redo_.empty())
        return false;
    Step step = std::move(redo_.back());
    redo_.pop_back();
    step.swapWith(store);
    store.unsavedChanges = true;
    undo_.push_back(std::move(step));
    notify();
    return true;
}

void UndoHistory::typingInto(CommandId id)
{
    if (typing_ != id) {
        seal();
        typing_ = id;
    }
}

void UndoHistory::seal()
{
    typing_.reset();
    stepOpen_ = false;
}

void UndoHistory::commandStarting(CommandId id, std::span<const std::string_view>, const DataStore& store)
{
    if (typing_ != id)
        seal();
    imageTaken_ = false;
    if (id == CommandId::SelectSet || id == CommandId::Undo || id == CommandId::Redo)
        return;
    if (!before_)
        before_ = std::make_unique<Image>();
    before_->take(store);
    imageTaken_ = true;
}

void UndoHistory::commandFinished(CommandId id, std::span<const std::string_view>, const Outcome&,
                                  const DataStore& store)
{
    // A failed command is kept like any other: whatever it changed before it
    // stopped can be taken back.
    if (!imageTaken_)
        return;
    imageTaken_ = false;
    if (stepOpen_ && typing_ == id && !undo_.empty() && undo_.back().id == id) {
        Step& last = undo_.back();
        last.addChanges(*before_, store);
        last.dropUnchanged(store);
        if (!last.changesData(store)) {
            undo_.pop_back();
            stepOpen_ = false;
            notify();
        }
        return;
    }
    Step step;
    step.id = id;
    step.currentSet = before_->currentSet;
    step.addChanges(*before_, store);
    if (!step.changesData(store))
        return;
    push(std::move(step));
    stepOpen_ = typing_ == id;
}

void UndoHistory::push(Step step)
{
    redo_.clear();
    undo_.push_back(std::move(step));
    if (undo_.size() > depth_)
        undo_.erase(undo_.begin(), undo_.end() - static_cast<std::ptrdiff_t>(depth_));
    notify();
}

void UndoHistory::notify() const
{
    if (changed_)
        changed_();
}

namespace commands {

namespace {

// The set display for a state put back as it was kept: texts without any
// write-back, the grid filled with the points in their kept order.
Outcome showKept(Workspace& ws)
{
    const DataStore& store = ws.store;
    const int s = store.currentSet;
    ws.display = describeCurrentSet(store);
    ws.grid.showPoints(store.xs(s), store.ys(s), countOf(store.pointCount[static_cast<size_t>(s)]));
    Outcome outcome;
    outcome.setShown = true;
    return outcome;
}

} // namespace

void attachHistory(Workspace& ws, UndoHistory& history)
{
    ws.observers.insert(ws.observers.begin(), &history);
    ws.history = &history;
}

Outcome undo(Workspace& ws)
{
    return run(ws, CommandId::Undo, {}, [&] {
        if (!ws.history || !ws.history->undo(ws.store))
            return Outcome::refused();
        return showKept(ws);
    });
}

Outcome redo(Workspace& ws)
{
    return run(ws, CommandId::Redo, {}, [&] {
        if (!ws.history || !ws.history->redo(ws.store))
            return Outcome::refused();
        return showKept(ws);
    });
}

} // namespace commands
