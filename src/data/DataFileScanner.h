#pragma once

// Walks the bytes of a data file held in memory, line by line and number by
// number, with the line rules both data file kinds share. A line ends at
// CR LF, at a lone LF or at a lone CR; the end of the data ends the last line.
// Nothing is allocated while scanning: lines are views into the buffer.

#include <string>
#include <string_view>

class DataFileScanner {
public:
    // Views `bytes`, which must outlive the scanner; `fileName` names the
    // file in the messages of the errors thrown.
    DataFileScanner(std::string_view bytes, std::string fileName);

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

    // Line of the current position, from 1.
    int line() const { return line_; }

    // Line of the token the last readNumberLine took (or of the end of the
    // data when it found none).
    int tokenLine() const { return tokenLine_; }

    const std::string& fileName() const { return fileName_; }

private:
    // Consumes the line end at pos_, if there is one.
    void skipLineEnd();

    std::string_view bytes_;
    std::string fileName_;
    size_t pos_ = 0;
    int line_ = 1;
    int tokenLine_ = 1;
};
