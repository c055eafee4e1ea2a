#pragma once

// Walks the bytes of a data file held in memory, line by line and number by
// number, with the line rules both data file kinds share. A line ends at
// CR LF, at a lone LF or at a lone CR; the end of the data ends the last line.
// Nothing is allocated while scanning: lines are views into the buffer.

#include <string>
#include <string_view>

// A number line as the scanner took it: the value, the token it was read
// from (empty at the end of the data) and the rest of the token's line,
// which is skipped.
struct NumberToken {
    double value = 0;
    std::string_view token;
    std::string_view rest;
};

class DataFileScanner {
public:
    // Views `bytes`, which must outlive the scanner; `fileName` names the
    // file in the messages of the errors thrown. Scanning starts at byte
    // `start`, which is the beginning of line `line` (a reader that goes on
    // where an earlier one stopped).
    DataFileScanner(std::string_view bytes, std::string fileName, size_t start = 0, int line = 1);

    // True when every byte has been consumed.
    bool atEnd() const { return pos_ >= bytes_.size(); }

    // True when nothing but blanks and control characters is left, so a
    // trailing empty line does not count as one more block.
    bool onlyBlanksLeft() const;

    // The rest of the current line without its line end, which is consumed.
    // At the end of the data: an empty line.
    std::string_view readLine();

    // A text line cut to `maxLength` bytes; the rest of the line is skipped.
    std::string_view readTextLine(size_t maxLength) { return readLine().substr(0, maxLength); }

    // A number line: blanks, tabs, line ends and other control characters are
    // skipped, the next run of other characters is the number, the rest of
    // its line is skipped. At the end of the data the
    // value is 0. A token that is not a number throws InputError naming the
    // file and the token's line.
    double readNumberLine();
    // The same, with the token and the rest of its line.
    NumberToken readNumberToken();

    // Byte offset of the current position.
    size_t position() const { return pos_; }

    // Line of the current position, from 1.
    int line() const { return line_; }

    // Line of the token the last readNumberLine took (or of the end of the
    // data when it found none).
    int tokenLine() const { return tokenLine_; }

    const std::string& fileName() const { return fileName_; }

private:
    // Consumes the line end at pos_, if there is one.
    void skipLineEnd();
    NumberToken scanNumberToken();

    std::string_view bytes_;
    std::string fileName_;
    size_t pos_ = 0;
    int line_ = 1;
    int tokenLine_ = 1;
};
