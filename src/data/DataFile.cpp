#include "data/DataFile.h"

#include "data/AtomicFile.h"
#include "data/DataFilePath.h"
#include "data/DataFileReader.h"
#include "data/FixedFormat.h"

#include <sys/stat.h>

#include <algorithm>

namespace {

// ---------------------------------------------------------------- writing

size_t idx(int s) { return static_cast<size_t>(s); }

void appendLineEnd(std::string& out) { out += "\r\n"; }

// A text line; a line end inside the text would shift every line after it,
// so it is written as a blank.
void appendTextLine(std::string& out, std::string_view text)
{
    for (const char c : text)
        out += (c == '\r' || c == '\n') ? ' ' : c;
    appendLineEnd(out);
}

void appendNumberLine(std::string& out, double value, int width, int decimals)
{
    appendFixed(out, value, width, decimals);
    appendLineEnd(out);
}

// Appends `count` lines, line i written by write(at, i), which returns the
// end of what it wrote and writes at most `room` bytes: the text goes
// straight into the string, which grows only when its room runs short.
template <typename Write>
void appendLines(std::string& out, int count, size_t typical, size_t room, Write&& write)
{
    size_t used = out.size();
    out.resize(used + static_cast<size_t>(count) * typical + room);
    for (int i = 0; i < count; ++i) {
        if (out.size() - used < room)
            out.resize(std::max(2 * out.size(), used + room));
        used = static_cast<size_t>(write(out.data() + used, i) - out.data());
    }
    out.resize(used);
}

char* writeLineEnd(char* at)
{
    at[0] = '\r';
    at[1] = '\n';
    return at + 2;
}

int storedCount(const DataStore& store, int s) { return std::clamp(store.pointCount[idx(s)], 0, kSetCapacity); }

int totalPoints(const DataStore& store)
{
    int total = 0;
    for (int s = kFirstSet; s <= kLastSet; ++s)
        total += storedCount(store, s);
    return total;
}

} // namespace

std::string kwtFileBytes(const DataStore& store)
{
    std::string out;
    out.reserve(1024 + 9 * 128 + static_cast<size_t>(totalPoints(store)) * 36);
    appendTextLine(out, store.plot.heading);
    appendTextLine(out, store.plot.comment);
    appendTextLine(out, store.plot.xLabel);
    appendNumberLine(out, store.plot.xFrom, 16, 10);
    appendNumberLine(out, store.plot.xTo, 16, 10);
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        const int n = storedCount(store, s);
        appendTextLine(out, store.yLabel[idx(s)]);
        appendNumberLine(out, store.yFrom[idx(s)], 16, 10);
        appendNumberLine(out, store.yTo[idx(s)], 16, 10);
        const double code = store.symbolNumber[idx(s)] * 0.01 + n + store.drawFlags[idx(s)] * 0.0001;
        appendNumberLine(out, code, 8, 4);
        const double* xs = store.xs(s);
        const double* ys = store.ys(s);
        appendLines(out, n, 36, 2 * fixedTextRoom(16) + 4, [xs, ys](char* at, int i) {
            at = writeLineEnd(writeFixed(at, xs[i], 16, 10));
            return writeLineEnd(writeFixed(at, ys[i], 16, 10));
        });
    }
    return out;
}

std::string asciiFileBytes(const DataStore& store)
{
    std::string out;
    out.reserve(64 + static_cast<size_t>(totalPoints(store)) * 26);
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        const int n = storedCount(store, s);
        const double* xs = store.xs(s);
        const double* ys = store.ys(s);
        appendLines(out, n, 24, 2 * fixedTextRoom(10) + 3, [xs, ys](char* at, int i) {
            at = writeFixed(at, xs[i], 10, 9);
            *at++ = ';';
            return writeLineEnd(writeFixed(at, ys[i], 10, 9));
        });
    }
    return out;
}

namespace {

enum class SaveName { UpperCaseNew, Exact };

// The name a save creates: an existing file under the chosen name is
// replaced under that name, otherwise the file name is written in capitals.
std::string saveTarget(const std::string& path, SaveName naming)
{
    if (naming == SaveName::Exact)
        return path;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return path;
    return std::string(directoryPart(path)) + upperAscii(fileNamePart(path));
}


} // namespace

ReadOutcome readDataFile(DataStore& store, const std::string& path)
{
    return readDataFileBytes(store, readFileBytes(path), path);
}

namespace {

// The read itself, into `target`, from the set the store's loadTargetSet names.
void readInto(DataStore& target, std::string_view bytes, const std::string& path)
{
    readDataBytes(target, bytes, path, std::max<int>(target.loadTargetSet, kFirstSet));
    finishDataRead(target, path);
}

} // namespace

void readDataFileOnce(DataStore& store, const std::string& path)
{
    readInto(store, readFileBytes(path), path);
}

ReadOutcome readDataFileBytes(DataStore& store, std::string_view bytes, const std::string& path)
{
    // Read into a copy and take it only when the whole file was read, so a
    // failure leaves no half-read set behind. The copy lives for this read
    // only: kept, it would hold on to another 1.6 MB for the whole session.
    DataStore scratch = store;
    readInto(scratch, bytes, path);
    store = scratch; // copy assignment keeps the store's value buffers in place
    return {imageOpenNameFor(path)};
}

namespace {

std::string writeNamed(DataStore& store, const std::string& path, SaveName naming)
{
    const std::string target = saveTarget(path, naming);
    const bool kwt = upperAscii(path).find(".KWT") != std::string::npos;
    const std::string bytes = kwt ? kwtFileBytes(store) : asciiFileBytes(store);
    replaceFileAtomically(target, bytes);
    store.unsavedChanges = false;
    // The plot and the listing show the same name whichever way the file
    // was written.
    store.currentFileName = upperAscii(fileNamePart(target));
    return target;
}

} // namespace

std::string writeDataFile(DataStore& store, const std::string& path)
{
    return writeNamed(store, path, SaveName::UpperCaseNew);
}

std::string writeDataFileExactly(DataStore& store, const std::string& path)
{
    return writeNamed(store, path, SaveName::Exact);
}
