// Following a file that grows by random appends: the first byte picks the
// kind of file, the second how the writer splits its writes. After the first
// bytes and after every append the store must be what a fresh read of the
// file's complete lines gives, or both must refuse it, leaving the store as
// it was.

#include "FuzzCheck.h"
#include "FuzzStores.h"
#include "support/StoreChecks.h"

#include "data/DataFile.h"
#include "data/FollowReader.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

constexpr const char* kNames[] = {"folge.csv", "folge.kwt", "folge.vxn"};

std::string_view completeLines(std::string_view written)
{
    const size_t last = written.find_last_of("\r\n");
    return last == std::string_view::npos ? std::string_view() : written.substr(0, last + 1);
}

// Fresh reads of the complete lines so far, the last one and the one
// before it (a follow step that fails must leave the store at the latter).
struct FreshReads {
    DataStore last;
    DataStore previous;
    std::string_view lines; // what `last` read
    bool ok = true;
};

// A follow step and a fresh read of the same complete lines: both succeed
// with equal stores, or both fail and the followed store kept its state.
void compare(bool followed, const DataStore& store, std::string_view written, const char* name,
             const DataStore& base, FreshReads& fresh)
{
    const std::string_view lines = completeLines(written);
    if (lines.size() != fresh.lines.size() || !fresh.ok) {
        std::swap(fresh.last, fresh.previous);
        fresh.last = base;
        fresh.lines = lines;
        fresh.ok = fuzzcheck::attempt([&] { readDataFileBytes(fresh.last, lines, name); });
    }
    fuzzcheck::require(followed == fresh.ok, followed ? "followed lines a fresh read refuses" : "following refused lines a fresh read takes");
    if (followed) {
        fuzzcheck::requireNone(storecheck::difference(store, fresh.last, storecheck::Values::Points),
                               "followed store and fresh read differ");
        fuzzcheck::requireNone(storecheck::invariantBreaks(store), "while following");
    } else {
        fuzzcheck::requireNone(storecheck::difference(store, fresh.previous, storecheck::Values::Points),
                               "a refused follow step changed the store");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const char* name = kNames[data[0] % 3];
    // Chunk lengths from a small generator, 1 to `longest` bytes.
    uint32_t state = data[1] | 0x100u;
    const size_t longest = 1 + (data[0] >> 2) % 48;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 2), size - 2);

    static DataStore base;
    base = fuzzstore::busyStore();
    base.loadTargetSet = 1;
    static DataStore store;
    store = base;
    static FreshReads fresh;
    fresh.last = base;
    fresh.lines = {};
    fresh.ok = false; // nothing read yet: the first step reads
    FollowReader reader(name, base);

    std::string_view written;
    size_t at = 0;
    bool started = false;
    while (at < bytes.size()) {
        state = state * 1103515245u + 12345u;
        const size_t n = std::min<size_t>(1 + (state >> 16) % longest, bytes.size() - at);
        const std::string_view more = bytes.substr(at, n);
        at += n;
        written = bytes.substr(0, at);
        bool ok = true;
        if (!started) {
            ok = fuzzcheck::attempt([&] { reader.restart(store, written); });
            started = true;
        } else if (reader.take(more)) {
            ok = fuzzcheck::attempt([&] { reader.update(store); });
        }
        compare(ok, store, written, name, base, fresh);
        if (!ok)
            break; // following ends with the message
    }
    return 0;
}
