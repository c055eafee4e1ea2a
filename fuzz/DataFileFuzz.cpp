// The data file reader on any bytes, as a KWT, plain or Vexon file into any
// set. A read either takes the whole file and leaves a sane, sorted store that
// writes and reads back to itself, or it fails with the program's own error
// and leaves the store byte for byte as it was.

#include "FuzzCheck.h"
#include "FuzzStores.h"
#include "support/StoreChecks.h"

#include "data/DataFile.h"

#include <cstdint>
#include <string_view>

namespace {

constexpr const char* kNames[] = {"fuzz.kwt", "fuzz.txt", "fuzz.vxn"};

void checkRead(const DataStore& store)
{
    fuzzcheck::requireNone(storecheck::invariantBreaks(store), "after a read");
    for (int s = kFirstSet; s <= kLastSet; ++s)
        fuzzcheck::requireNone(storecheck::sortBreaks(store, s), "after a read");
    fuzzcheck::require(!store.unsavedChanges, "a read left unsaved changes");
}

// Written as KWT and read back into the store it came from, nothing changes
// but what the 10 decimals of the file round; so a second write gives the
// same bytes.
void checkRoundTrip(const DataStore& store)
{
    const std::string written = kwtFileBytes(store);
    static DataStore back;
    back = store;
    back.loadTargetSet = 1;
    const bool read = fuzzcheck::attempt([&] { readDataFileBytes(back, written, "back.kwt"); });
    fuzzcheck::require(read, "a written KWT file does not read back");
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        const auto i = static_cast<size_t>(s);
        fuzzcheck::require(back.pointCount[i] == store.pointCount[i] && back.yLabel[i] == store.yLabel[i]
                               && back.symbolNumber[i] == store.symbolNumber[i]
                               && back.drawFlags[i] == store.drawFlags[i],
                           "set " + std::to_string(s) + " differs after write and read");
    }
    fuzzcheck::require(back.plot.heading == store.plot.heading && back.plot.comment == store.plot.comment
                           && back.plot.xLabel == store.plot.xLabel,
                       "plot texts differ after write and read");
    fuzzcheck::require(kwtFileBytes(back) == written, "values differ after write and read");

    // An ASCII file of the points reads back as the same number of points,
    // as far as the nine sets hold them.
    int total = 0;
    for (int s = kFirstSet; s <= kLastSet; ++s)
        total += store.pointCount[static_cast<size_t>(s)];
    static const DataStore fresh;
    static DataStore plain;
    plain = fresh;
    plain.loadTargetSet = 1;
    fuzzcheck::require(fuzzcheck::attempt([&] { readDataFileBytes(plain, asciiFileBytes(store), "back.asc"); }),
                       "a written ASCII file does not read back");
    int readBack = 0;
    for (int s = kFirstSet; s <= kLastSet; ++s)
        readBack += plain.pointCount[static_cast<size_t>(s)];
    fuzzcheck::require(readBack == total, "ASCII file read back to another number of points");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    // The first byte picks the kind of file and the set it is read into.
    const int kind = data[0] % 3;
    const int target = 1 + (data[0] / 3) % 9;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    const DataStore& start = fuzzstore::busyStore();
    static DataStore store;
    store = start;
    store.loadTargetSet = static_cast<uint8_t>(target);
    if (fuzzcheck::attempt([&] { readDataFileBytes(store, bytes, kNames[kind]); })) {
        checkRead(store);
        checkRoundTrip(store);
    } else {
        store.loadTargetSet = start.loadTargetSet;
        fuzzcheck::requireNone(storecheck::difference(store, start), "a failed read changed the store");
    }
    return 0;
}
