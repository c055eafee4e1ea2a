#pragma once

// Reading and writing data files: the program's own KWT layout, plain X/Y
// text files (ASCII, CSV, text, any other name) and Vexon measurement files.

#include "data/DataStore.h"

#include <string>
#include <string_view>

struct ReadOutcome {
    // The name the graphic window's image open dialog proposes after this
    // read: the directory unchanged, the upper-cased file name cut at its
    // first point, then ".BMP".
    std::string imageOpenName;
};

// Reads `path` into the store; the kind follows from the upper-cased file
// name (".KWT", ".VXN", else plain). On success every set is sorted,
// unsavedChanges is false and currentFileName is the file name without its
// directory. On failure (FileError, InputError) the store is exactly as it was.
// loadTargetSet must be set by the caller (1 for Open, 2..9 for a 2nd file;
// 0 reads like 1, above 9 a KWT file gives only its plot-wide lines and a
// plain file no points).
ReadOutcome readDataFile(DataStore& store, const std::string& path);

// readDataFile for a caller that discards the store when the read fails
// (a one-shot command line run): the file is read straight into the store,
// without the copy that keeps a failed read from leaving half a read behind.
void readDataFileOnce(DataStore& store, const std::string& path);

// readDataFile on bytes already in memory: `path` decides the kind and names
// the file in messages and in the store, as if the bytes had been read from it.
ReadOutcome readDataFileBytes(DataStore& store, std::string_view bytes, const std::string& path);

// The bytes writeDataFile puts into a KWT file and into an ASCII file.
std::string kwtFileBytes(const DataStore& store);
std::string asciiFileBytes(const DataStore& store);

// Writes the store to `path` as KWT (upper-cased name contains ".KWT") or as
// ASCII X;Y lines. The file is created with its file-name part upper-cased,
// unless a file exists under the name exactly as given, which is replaced.
// currentFileName becomes the upper-cased name part of the file written.
// Returns the path written. On failure (FileError) an existing file is left
// as it was and unsavedChanges and currentFileName keep their values.
std::string writeDataFile(DataStore& store, const std::string& path);

// writeDataFile under exactly the name given, upper-cased or not, as the
// command line writes its outputs; the kind still follows from the
// upper-cased name. The same atomic replacement and the same store updates.
std::string writeDataFileExactly(DataStore& store, const std::string& path);
