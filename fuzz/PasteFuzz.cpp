// Text pasted as data: any bytes into any current set. A paste either fills
// the sets a file of the same text read into that set would fill, with the
// same points, or it changes nothing at all; and the set copied as text and
// pasted back is the same set.

#include "FuzzCheck.h"
#include "FuzzStores.h"
#include "support/StoreChecks.h"

#include "commands/GridText.h"
#include "commands/TextCommands.h"
#include "commands/Workspace.h"
#include "data/DataFile.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

struct Session {
    DataStore store;
    GridText grid;
    Workspace ws{store, grid};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const int current = kFirstSet + data[0] % kLastSet;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    static Session session;
    static DataStore before;
    before = fuzzstore::busyStore();
    before.currentSet = current;
    session.store = before;
    Outcome outcome;
    const bool pasted = fuzzcheck::attempt([&] { outcome = commands::pasteData(session.ws, text); });
    const DataStore& store = session.store;
    fuzzcheck::requireNone(storecheck::invariantBreaks(store), "after a paste");

    // The same text as a plain file read into the current set.
    static DataStore file;
    file = before;
    file.loadTargetSet = static_cast<uint8_t>(current);
    const bool read = fuzzcheck::attempt([&] { readDataFileBytes(file, text, "paste.txt"); });
    fuzzcheck::require(pasted == read, pasted ? "a paste took text a file read refuses" : "a paste refused text a file read takes");

    if (!pasted || !outcome.isDone()) {
        fuzzcheck::requireNone(storecheck::difference(store, before), "a refused paste changed the store");
        return 0;
    }
    fuzzcheck::requireNone(storecheck::pointDifference(store, file), "paste and file read differ");
    fuzzcheck::require(store.unsavedChanges && store.currentSet == current, "a paste left the wrong state");
    for (int s = kFirstSet; s <= kLastSet; ++s)
        fuzzcheck::requireNone(storecheck::sortBreaks(store, s), "after a paste");

    // The set copied and pasted back keeps its X values; a long Y may be
    // rounded to the reader's field once, after that nothing changes.
    const int count = store.pointCount[static_cast<size_t>(current)];
    if (count == 0)
        return 0;
    static DataStore pasted1;
    pasted1 = store;
    for (int round = 0; round < 2; ++round) {
        const std::string copied = commands::setAsText(store);
        const bool again = fuzzcheck::attempt([&] { outcome = commands::pasteData(session.ws, copied); });
        fuzzcheck::require(again && outcome.isDone(), "the set as text does not paste back");
        fuzzcheck::require(store.pointCount[static_cast<size_t>(current)] == count, "pasted back to another count");
        fuzzcheck::require(std::memcmp(store.xs(current), pasted1.xs(current), static_cast<size_t>(count) * sizeof(double)) == 0,
                           "X values changed by copy and paste");
        if (round == 1)
            fuzzcheck::requireNone(storecheck::pointDifference(store, pasted1), "copy and paste is not stable");
        pasted1 = store;
    }
    return 0;
}
