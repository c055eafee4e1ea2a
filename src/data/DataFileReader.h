#pragma once

// The data file reader itself, on bytes held in memory: what readDataFile
// (data/DataFile.h) does between opening the file and sorting the sets, and
// the pieces of it that following a growing file and pasting text need. One
// reader for all of them, so none can read a line differently.

#include "data/DataStore.h"
#include "data/ReadObserver.h"

#include <cstddef>
#include <string>
#include <string_view>

// No data file comes near this; the limit keeps an endless device such as
// /dev/zero, or a huge file chosen by mistake, from eating all memory.
constexpr size_t kMaxDataFileBytes = size_t{256} << 20;

// The longest Y text the plain-line reader takes after the column separator.
constexpr size_t kPlainYField = 15;

enum class DataFileKind { Kwt, Vexon, Plain };

// The kind a path names: ".KWT" anywhere in the upper-cased path, else
// ".VXN", else a plain X/Y text file.
DataFileKind dataFileKind(std::string_view path);

// The whole file in one read. Throws FileError when it cannot be opened or
// read, or is larger than kMaxDataFileBytes. A FIFO without a writer reads
// as empty; pipes and devices are read to their end.
std::string readFileBytes(const std::string& path);

// Reads `bytes`, the content of the file `path`, into the store from set
// firstSet on, as readDataFile does, but leaves sorting, unsavedChanges and
// currentFileName to the caller (finishDataRead). The observer, when given,
// hears every step. Throws InputError with the store partly changed: callers
// read into a copy.
void readDataBytes(DataStore& store, std::string_view bytes, const std::string& path, int firstSet,
                   ReadObserver* observer = nullptr);

// What every successful read ends with: every set sorted, unsavedChanges
// false, currentFileName the file name of `path`.
void finishDataRead(DataStore& store, const std::string& path);

// Where the plain-line reader stands between two lines of a plain file or
// of a Vexon file's data lines: the byte offset and line number of the next
// line, and the set the next pair goes into.
struct PlainLinesPosition {
    size_t offset = 0;
    int line = 1;
    int set = kFirstSet;
};

// The part of a plain or Vexon file before its data lines, read into the
// store as readDataBytes reads it (for a plain file: the heading from the
// name, the emptied fields and target set; for a Vexon file also its seven
// header lines). Returns the position of the first data line; a Vexon
// header is complete when that position is on line 8.
PlainLinesPosition readPlainHead(DataStore& store, std::string_view bytes, const std::string& path, int firstSet);

// How far readPlainLinesFrom got.
struct PlainLinesStop {
    // Where the next read goes on: the end of the bytes; or, when the last
    // line was an X whose Y was sought up to the end of the bytes (and read
    // as 0, as at the end of a file), the start of that line, since more
    // bytes may bring its Y.
    PlainLinesPosition resume;
    // The set that holds the point of that last X line (0 when there is
    // none, or the pair was dropped): it is the set's last point.
    int provisionalSet = 0;
    // The sets that got points: first..last (last < first when none).
    int firstChanged = kLastSet + 1;
    int lastChanged = 0;
};

// The plain-line reader from `from` to the end of `bytes`, which must end
// with a line end for the stop to be a place to go on from.
PlainLinesStop readPlainLinesFrom(DataStore& store, std::string_view bytes, const std::string& path,
                                  PlainLinesPosition from);

// Text pasted as data: the points of set firstSet are replaced by the X/Y
// lines of `text`, read with the plain-line reader; past 10000 points they go
// on in the next sets after what those hold. Labels, ranges, heading and
// comment are not touched and nothing is sorted. `name` stands for the file
// in the reader's messages. Returns the sets that got points, as in
// PlainLinesStop, and how many points were read.
struct PlainTextRead {
    int firstChanged = kLastSet + 1;
    int lastChanged = 0;
    int points = 0;
};
PlainTextRead readPlainText(DataStore& store, std::string_view text, int firstSet, const std::string& name);
