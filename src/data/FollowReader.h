#pragma once

// Following a data file while another program writes it: after every update
// the sets are exactly what File / "&Open" of the file's complete lines
// would give, and an update reads only the bytes that came since the last.
//
// FollowReader works on bytes handed to it (a fuzz target can drive it);
// FileFollower takes them from the file and notices when it shrank or was
// replaced.

#include "data/DataFileReader.h"
#include "data/DataStore.h"

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <string_view>

class FollowReader {
public:
    // Follows the file `path` (its name decides the kind, as for File /
    // "&Open"); `base` is the store before following began: every read from
    // the start begins with its points, as a fresh File / "&Open" would.
    FollowReader(std::string path, const DataStore& base);

    // Reads `bytes`, all of the file, from the start: its complete lines go
    // into the store as File / "&Open" reads them (from the points of the
    // base and the other settings the store has now), every set sorted,
    // unsavedChanges false. A last line without its line end waits.
    void restart(DataStore& store, std::string_view bytes);

    // The file grew by `more`: the bytes are kept. Returns whether the bytes
    // kept and not yet read complete a line, so that update() can change
    // the sets.
    bool take(std::string_view more);

    // Reads the lines the bytes taken complete into the store: only the
    // sets that got points change (counts and points, sorted), and
    // unsavedChanges is false. Returns whether any set changed. A KWT file,
    // and a Vexon file whose seven header lines are not complete yet, is
    // read again from the start.
    bool update(DataStore& store);

    // restart and update throw InputError where File / "&Open" would fail,
    // with the store as it was; the reader cannot go on after that.

private:
    bool completesLine(std::string_view more) const;
    void restartFromPending(DataStore& store);
    // Goes on from where the plain-line reader stopped in the first
    // completeLength bytes of pending_.
    void keepPosition(const PlainLinesStop& stop, size_t completeLength);

    std::string path_;
    DataFileKind kind_;
    DataStore base_;
    // Every set as the file reading leaves it, points in file order: the
    // store gets sorted copies, so the next lines are sorted in with the
    // same order of equal X values a fresh read gives.
    DataStore raw_;
    // The bytes from where the next read begins: the start of the first line
    // not read for good, up to the last byte given.
    std::string pending_;
    PlainLinesPosition next_;
    // The last line read was an X whose Y was sought to the end: its point
    // is taken back from this set and read again with the next bytes.
    int provisionalSet_ = 0;
    // The last complete line ended with a CR at the very end of the bytes:
    // an LF that follows belongs to it.
    bool skipLineFeed_ = false;
    // The header is read; the data lines go on from next_ (always, but for
    // KWT files and incomplete Vexon headers).
    bool headDone_ = false;
    // Bytes taken complete a line that update() has not read yet.
    bool unreadLines_ = false;
};

class FileFollower {
public:
    FileFollower(std::string path, const DataStore& base);

    // Reads the file as it is now (its complete lines) into the store.
    // Throws FileError or InputError with the store as it was.
    void start(DataStore& store);

    // Looks at the file without changing the store. Returns true when
    // apply() has something that changes the sets: new complete lines, or a
    // file that shrank, was replaced or was written over (its last bytes
    // read differ). Bytes that complete no line are kept for later. A file
    // that is missing for the moment, or is not a regular file, gives
    // nothing. Throws FileError on a failed read or a file that grew beyond
    // what a data file can be.
    bool poll();

    // Reads what poll() found into the store; returns whether the sets
    // changed. Throws as start() does.
    bool apply(DataStore& store);

    const std::string& path() const { return path_; }

private:
    void readAll(DataStore& store);

    std::string path_;
    FollowReader reader_;
    dev_t device_ = 0;
    ino_t inode_ = 0;
    uint64_t taken_ = 0;    // bytes of the file read so far
    std::string tail_;      // the last bytes read, to notice a file written over
    std::string news_;      // bytes read by poll() that apply() has still to read
    bool readAgain_ = false;
};
