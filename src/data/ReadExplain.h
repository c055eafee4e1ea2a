#pragma once

// How the reader reads a data file, as a text for the user: every line of
// the file with its number (cut at 80 characters), what the reader made of
// it and the notes that explain surprises, then a summary. The text comes
// from the reader's own report of what it does, so it cannot disagree with
// File / "&Open".

#include <string>
#include <string_view>

struct ReadExplanation {
    std::string text;    // UTF-8
    std::string failure; // the message that stopped the read; empty when it read to the end
};

// Reads `bytes`, the content of the file `path`, as File / "&Open" (or
// "Open 2nd file" for firstSet 2..9) would into sets that hold nothing yet,
// and describes the reading.
ReadExplanation explainDataBytes(std::string_view bytes, const std::string& path, int firstSet);

// The same for the file; throws FileError when it cannot be read.
ReadExplanation explainDataFile(const std::string& path, int firstSet);
