#pragma once

// What the data file reader tells whoever listens while it reads: one event
// per thing it takes from a line, with the line's number and what it made of
// it. The reader reports to an observer only when it is given one; File /
// "&Open" reads without, at full speed. Texts in an event view the reader's
// buffers and live only as long as the call.

#include <cstdint>
#include <string_view>

enum class ReadStep : uint8_t {
    // Text lines of a KWT file's head and set blocks and of a Vexon header;
    // text is what the store keeps.
    Heading,
    Comment,
    XLabel,
    YLabel,
    // Number lines of a KWT file: value; rest is the text after the number.
    XFrom,
    XTo,
    YFrom,
    YTo,
    // The set code of a KWT block: value is the code, count, symbol and
    // flags what it gives (symbol and flags only with Note::CodeFraction).
    SetCode,
    // A point's X or Y line of a KWT block.
    PointX,
    PointY,
    // Vexon header: line 2, whose label line 3 replaces; lines 4 to 7.
    LabelReplaced,
    HeaderLine,
    // Plain lines: a text line and an empty one, both skipped.
    TextSkipped,
    EmptySkipped,
    // A line with X and Y; set 0 when the pair was dropped beyond set 9.
    Pair,
    // A line with X alone: its Y is the next number of the file.
    XWaiting,
    // That Y, on the line of its token (or at the end of the data, with
    // Note::AtEnd): completes the point x, y.
    YFound,
    // Set `set` is full: the points go on in the next set (none after 9).
    SetFull,
    // A KWT file ends before its bytes do (only blanks are left, or no set
    // is left for its further blocks): line is the first line not read.
    End,
};

// Surprises an event explains, as bits of ReadEvent::notes.
namespace ReadNote {
inline constexpr uint16_t DecimalComma = 1 << 0;   // "," became "."
inline constexpr uint16_t TimeOfDay = 1 << 1;      // X hh:mm:ss converted to seconds
inline constexpr uint16_t ThirdColumn = 1 << 2;    // ";" or tabs removed from the Y text
inline constexpr uint16_t YCut = 1 << 3;           // Y text cut to 15 characters
inline constexpr uint16_t XInvalid = 1 << 4;       // X text no number, read as 0
inline constexpr uint16_t YInvalid = 1 << 5;       // Y text no number, read as 0
inline constexpr uint16_t YEmpty = 1 << 6;         // Y text empty, read as 0
inline constexpr uint16_t TextCut = 1 << 7;        // a text line longer than its field
inline constexpr uint16_t AtEnd = 1 << 8;          // a number sought at the end of the data, read as 0
inline constexpr uint16_t CodeFraction = 1 << 9;   // the set code set symbol and flags
inline constexpr uint16_t LabelTagCut = 1 << 10;   // Vexon label: "<" and what follows cut
inline constexpr uint16_t BlanksLeft = 1 << 11;    // End: only blanks followed
inline constexpr uint16_t TimeFieldInvalid = 1 << 12; // a field of a time of day no number, read as 0
} // namespace ReadNote

struct ReadEvent {
    ReadStep step = ReadStep::End;
    int line = 0;
    int set = 0;
    int point = 0;
    double x = 0;
    double y = 0;
    double value = 0;
    uint16_t notes = 0;
    std::string_view text;  // a text line as stored; the whole line of a plain pair
    std::string_view xText; // plain lines: the fields as the rules left them
    std::string_view yText;
    std::string_view yRaw;  // plain lines: the Y text before ";" and tabs were removed
    std::string_view rest;  // the rest of a number's line, skipped
    std::string_view timeFields[3]; // hh, mm, ss of a time of day
    double timeValues[3] = {0, 0, 0}; // and what they were read as
    int count = 0;          // set code
    int symbol = 0;
    int flags = 0;
    int waitingLine = 0;    // YFound: the line of its X
};

class ReadObserver {
public:
    virtual ~ReadObserver() = default;
    virtual void readEvent(const ReadEvent& event) = 0;
};
