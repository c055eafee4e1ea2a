#include "data/ReadExplain.h"

#include "data/Cp1252.h"
#include "data/DataFileReader.h"
#include "data/DataFileScanner.h"
#include "data/DataStore.h"
#include "data/Errors.h"
#include "data/ReadObserver.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <functional>
#include <vector>

namespace {

constexpr size_t kShownCharacters = 80;
constexpr std::string_view kIndent = "          ";

// The shortest text that reads back as the same double.
void appendNumber(std::string& out, double value)
{
    char buffer[32];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

void appendInt(std::string& out, int value)
{
    char buffer[16];
    out.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

// File bytes as the user reads them: UTF-8 as it is, anything else as
// Windows-1252; tabs and other control characters made visible. At most
// `limit` characters; returns whether the text was longer.
bool appendShown(std::string& out, std::string_view bytes, size_t limit = std::string_view::npos)
{
    const std::string converted = isUtf8(bytes) ? std::string() : utf8FromCp1252(bytes);
    const std::string_view text = converted.empty() ? bytes : std::string_view(converted);
    size_t characters = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) != 0x80 && characters++ == limit)
            return true;
        if (c == '\t') {
            out += "<TAB>";
        } else if (c < 0x20 || c == 0x7F) {
            static constexpr char hex[] = "0123456789ABCDEF";
            out += '<';
            out += hex[c >> 4];
            out += hex[c & 15];
            out += '>';
        } else {
            out += static_cast<char>(c);
        }
    }
    return false;
}

void appendQuoted(std::string& out, std::string_view bytes)
{
    out += '"';
    appendShown(out, bytes);
    out += '"';
}

std::string_view trimmedRest(std::string_view rest)
{
    const size_t start = rest.find_first_not_of(" \t");
    return start == std::string_view::npos ? std::string_view() : rest.substr(start);
}

// Collects what the reader reports, as short texts per line in reading
// order (the reader never goes back to an earlier line).
class Explainer : public ReadObserver {
public:
    struct Entry {
        int line;
        size_t begin;
        size_t end;
    };

    void readEvent(const ReadEvent& e) override;

    // One text for line `line`; the parts are appended to `out` between
    // open() and close().
    std::string& open(int line)
    {
        line_ = line;
        begin_ = buffer.size();
        return buffer;
    }
    void close() { entries.push_back({line_, begin_, buffer.size()}); }
    void add(int line, std::string_view text)
    {
        open(line) += text;
        close();
    }

    std::string buffer;
    std::vector<Entry> entries;
    int endLine = 0;
    bool blanksLeft = false;
    int textLines = 0;
    int emptyLines = 0;
    int dropped = 0;
    std::array<bool, kSetSlots> reached{};

private:
    void point(std::string& out, const ReadEvent& e, bool withX);
    void pairNotes(const ReadEvent& e);
    void restNote(const ReadEvent& e);

    int line_ = 0;
    size_t begin_ = 0;
};

void setPrefix(std::string& out, int set)
{
    out += "set ";
    appendInt(out, set);
    out += ": ";
}

void Explainer::point(std::string& out, const ReadEvent& e, bool withX)
{
    if (e.set > 0) {
        out += "set ";
        appendInt(out, e.set);
        out += " point ";
        appendInt(out, e.point);
        out += ": ";
    }
    if (withX) {
        out += "X = ";
        appendNumber(out, e.x);
        out += ", ";
    }
    out += "Y = ";
    appendNumber(out, e.y);
    if (e.set == 0) {
        out += ": dropped, set 9 is full";
        ++dropped;
    } else {
        reached[static_cast<size_t>(e.set)] = true;
    }
}

void Explainer::restNote(const ReadEvent& e)
{
    const std::string_view rest = trimmedRest(e.rest);
    if (rest.empty())
        return;
    std::string& out = open(e.line);
    out += "note: the rest of the line is ignored: ";
    appendQuoted(out, rest);
    close();
}

void Explainer::pairNotes(const ReadEvent& e)
{
    const auto note = [&](std::string_view text) {
        std::string& out = open(e.line);
        out += "note: ";
        out += text;
        return std::ref(out);
    };
    if (e.notes & ReadNote::TimeOfDay) {
        std::string& out = note("time of day: hh ");
        const char* const names[] = {", mm ", ", ss "};
        for (int k = 0; k < 3; ++k) {
            if (k > 0)
                out += names[k - 1];
            appendQuoted(out, e.timeFields[k]);
        }
        out += " read as ";
        appendNumber(out, e.timeValues[0]);
        out += " h ";
        appendNumber(out, e.timeValues[1]);
        out += " min ";
        appendNumber(out, e.timeValues[2]);
        out += " s = ";
        appendNumber(out, e.x);
        out += " s";
        close();
        if (e.notes & ReadNote::TimeFieldInvalid) {
            note("each field takes exactly two characters (09:30:00, not 9:30:00); a field that is no "
                 "number counts as 0");
            close();
        }
    }
    if (e.notes & ReadNote::DecimalComma) {
        note("decimal comma replaced by a point");
        close();
    }
    if (e.notes & ReadNote::ThirdColumn) {
        std::string& out = note("a third column is joined onto Y: ");
        appendQuoted(out, e.yRaw);
        out += " read as ";
        appendQuoted(out, e.yText);
        close();
    }
    if (e.notes & ReadNote::YCut) {
        note("the Y text is cut to its first 15 characters");
        close();
    }
    if (e.notes & ReadNote::XInvalid) {
        std::string& out = note("X text ");
        appendQuoted(out, e.xText);
        out += " is no number: read as 0";
        close();
    }
    if (e.notes & ReadNote::YInvalid) {
        std::string& out = note("Y text ");
        appendQuoted(out, e.yText);
        out += " is no number: read as 0";
        close();
    }
    if (e.notes & ReadNote::YEmpty) {
        note("Y text empty: read as 0");
        close();
    }
}

void Explainer::readEvent(const ReadEvent& e)
{
    const auto textField = [&](std::string_view what, size_t limit) {
        std::string& out = open(e.line);
        if (e.set > 0)
            setPrefix(out, e.set);
        out += what;
        out += ' ';
        appendQuoted(out, e.text);
        if (e.notes & ReadNote::TextCut) {
            out += " (cut to ";
            appendInt(out, static_cast<int>(limit));
            out += " characters)";
        }
        if (e.notes & ReadNote::LabelTagCut)
            out += " (\"<\" and what follows it cut off)";
        close();
    };
    const auto numberField = [&](std::string_view what) {
        std::string& out = open(e.line);
        if (e.set > 0)
            setPrefix(out, e.set);
        out += what;
        appendNumber(out, e.value);
        if (e.notes & ReadNote::AtEnd)
            out += " (end of the file: read as 0)";
        close();
        restNote(e);
    };

    switch (e.step) {
    case ReadStep::Heading: textField("heading", kTextLength); break;
    case ReadStep::Comment: textField("comment", kTextLength); break;
    case ReadStep::XLabel: textField("X-axis label", kLabelLength); break;
    case ReadStep::YLabel:
        reached[static_cast<size_t>(e.set)] = true;
        textField("Y-axis label", kLabelLength);
        break;
    case ReadStep::XFrom: numberField("X axis from "); break;
    case ReadStep::XTo: numberField("X axis to "); break;
    case ReadStep::YFrom: numberField("Y axis from "); break;
    case ReadStep::YTo: numberField("Y axis to "); break;
    case ReadStep::SetCode: {
        std::string& out = open(e.line);
        setPrefix(out, e.set);
        out += "set code ";
        appendNumber(out, e.value);
        out += ": ";
        if (e.value < 1) {
            out += "below 1, no points; symbol and flags unchanged";
        } else {
            appendInt(out, e.count);
            out += e.count == 1 ? " point" : " points";
            if (e.notes & ReadNote::CodeFraction) {
                out += ", symbol ";
                appendInt(out, e.symbol);
                out += ", flags ";
                appendInt(out, e.flags);
                static constexpr std::pair<int, std::string_view> names[] = {
                    {1, "symbols"}, {2, "connecting lines"}, {4, "curve"}, {8, "regression line"}};
                std::string_view separator = " (";
                for (const auto& [bit, name] : names)
                    if (e.flags & bit) {
                        out += separator;
                        out += name;
                        separator = ", ";
                    }
                if (separator == ", ")
                    out += ')';
            } else {
                out += "; symbol and flags unchanged";
            }
        }
        if (e.notes & ReadNote::AtEnd)
            out += " (end of the file: read as 0)";
        close();
        restNote(e);
        break;
    }
    case ReadStep::PointX:
    case ReadStep::PointY: {
        std::string& out = open(e.line);
        out += "set ";
        appendInt(out, e.set);
        out += " point ";
        appendInt(out, e.point);
        out += e.step == ReadStep::PointX ? ": X = " : ": Y = ";
        appendNumber(out, e.value);
        if (e.notes & ReadNote::AtEnd)
            out += " (end of the file: read as 0)";
        close();
        restNote(e);
        break;
    }
    case ReadStep::LabelReplaced: add(e.line, "a Y-axis label, replaced by the next line"); break;
    case ReadStep::HeaderLine: add(e.line, "header line, not used"); break;
    case ReadStep::TextSkipped:
        ++textLines;
        add(e.line, "text line, skipped: it does not start with a digit or \"-\"");
        break;
    case ReadStep::EmptySkipped:
        ++emptyLines;
        add(e.line, "empty line, skipped");
        break;
    case ReadStep::Pair: {
        std::string& out = open(e.line);
        point(out, e, true);
        close();
        pairNotes(e);
        break;
    }
    case ReadStep::XWaiting: {
        std::string& out = open(e.line);
        out += "X = ";
        appendNumber(out, e.x);
        out += " alone: its Y is the next number of the file";
        close();
        pairNotes(e);
        break;
    }
    case ReadStep::YFound: {
        std::string& out = open(e.line);
        point(out, e, true);
        out += " (X from line ";
        appendInt(out, e.waitingLine);
        out += ')';
        if (e.notes & ReadNote::AtEnd)
            out += "; end of the file: Y read as 0";
        close();
        restNote(e);
        break;
    }
    case ReadStep::SetFull: {
        std::string& out = open(e.line);
        out += "set ";
        appendInt(out, e.set);
        out += " is full (10000 points): ";
        if (e.set < kLastSet) {
            out += "the points go on in set ";
            appendInt(out, e.set + 1);
        } else {
            out += "further points are dropped";
        }
        close();
        break;
    }
    case ReadStep::End:
        endLine = e.line;
        blanksLeft = (e.notes & ReadNote::BlanksLeft) != 0;
        break;
    }
}

void appendLineHead(std::string& out, int line, std::string_view text)
{
    char number[16];
    const auto length = static_cast<size_t>(std::to_chars(number, number + sizeof number, line).ptr - number);
    out.append(length < 6 ? 6 - length : 0, ' ');
    out.append(number, length);
    out += "  ";
    if (appendShown(out, text, kShownCharacters))
        out += " ...";
    out += '\n';
}

void appendEntry(std::string& out, std::string_view text)
{
    out += kIndent;
    out += text;
    out += '\n';
}

void appendPreamble(std::string& out, const std::string& path, int firstSet)
{
    out += "How Kurvix reads ";
    appendShown(out, path);
    out += "\n\n";
    switch (dataFileKind(path)) {
    case DataFileKind::Kwt:
        out += "A KWT file (the name contains .KWT): heading, comment, X axis, then one block\nper set, from set ";
        appendInt(out, firstSet);
        out += " on.\n";
        break;
    case DataFileKind::Vexon:
        out += "A Vexon file (the name contains .VXN): seven header lines, then X/Y lines\ninto set 1, whatever "
               "set was chosen. X-axis label \"sec\"; the X axis and the Y axis\nof set 1 are 0 to 0.\n";
        break;
    case DataFileKind::Plain:
        out += "A plain X/Y text file (the name contains neither .KWT nor .VXN): X/Y lines\ninto set ";
        appendInt(out, firstSet);
        out += " on.\nHeading: the file name; comment and X-axis label empty; X axis 0 to 0;\nset ";
        appendInt(out, firstSet);
        out += ": Y-axis label \"Y\", Y axis 0 to 0.\n";
        break;
    }
    out += "Each line of the file with its number, then what the reader makes of it.\n\n";
}

void appendSummary(std::string& out, const Explainer& report, const DataStore& store, int lines, int passedOver,
                   int notRead, bool failed)
{
    out += failed ? "\nSummary of what was read before the failure (File / Open keeps the data as they were)\n"
                  : "\nSummary\n";
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        if (!report.reached[static_cast<size_t>(s)])
            continue;
        const int n = std::clamp(store.pointCount[static_cast<size_t>(s)], 0, kSetCapacity);
        out += "  set ";
        appendInt(out, s);
        out += ": ";
        if (n == 0) {
            out += "no points\n";
            continue;
        }
        appendInt(out, n);
        out += n == 1 ? " point" : " points";
        const auto [xLow, xHigh] = std::minmax_element(store.xs(s), store.xs(s) + n);
        const auto [yLow, yHigh] = std::minmax_element(store.ys(s), store.ys(s) + n);
        out += ", X from ";
        appendNumber(out, *xLow);
        out += " to ";
        appendNumber(out, *xHigh);
        out += ", Y from ";
        appendNumber(out, *yLow);
        out += " to ";
        appendNumber(out, *yHigh);
        out += '\n';
    }
    out += "  lines: ";
    appendInt(out, lines);
    out += "; skipped: ";
    appendInt(out, report.textLines);
    out += " text, ";
    appendInt(out, report.emptyLines);
    out += " empty; passed over: ";
    appendInt(out, passedOver);
    out += "; not read: ";
    appendInt(out, notRead);
    out += '\n';
    if (report.dropped > 0) {
        out += "  pairs dropped after set 9: ";
        appendInt(out, report.dropped);
        out += '\n';
    }
}

} // namespace

ReadExplanation explainDataBytes(std::string_view bytes, const std::string& path, int firstSet)
{
    ReadExplanation result;
    Explainer report;
    DataStore store;
    const int first = std::max(firstSet, kFirstSet);
    if (dataFileKind(path) == DataFileKind::Plain && first <= kLastSet)
        report.reached[static_cast<size_t>(first)] = true;
    if (dataFileKind(path) == DataFileKind::Vexon)
        report.reached[1] = true;
    int failedLine = 0;
    try {
        readDataBytes(store, bytes, path, first, &report);
    } catch (const InputError& failure) {
        result.failure = failure.what();
        failedLine = failure.line();
        std::string& out = report.open(failedLine);
        out += "reading stops here: ";
        for (const char c : result.failure)
            out += c == '\n' ? ' ' : c;
        report.close();
    }
    // The end of the read: lines from here on were not looked at.
    const int unreadFrom = failedLine > 0 ? failedLine + 1 : report.endLine;

    std::string& out = result.text;
    out.reserve(bytes.size() * 4 + 1024);
    appendPreamble(out, path, first);
    DataFileScanner lines(bytes, path);
    size_t next = 0;
    int count = 0;
    int passedOver = 0;
    int notRead = 0;
    int firstUnread = 0;
    while (!lines.atEnd()) {
        const int line = lines.line();
        const std::string_view text = lines.readLine();
        ++count;
        if (unreadFrom > 0 && line >= unreadFrom) {
            if (notRead++ == 0)
                firstUnread = line;
            continue;
        }
        appendLineHead(out, line, text);
        if (next == report.entries.size() || report.entries[next].line != line) {
            ++passedOver;
            appendEntry(out, "blank line, passed over");
        }
        for (; next < report.entries.size() && report.entries[next].line == line; ++next) {
            const Explainer::Entry& entry = report.entries[next];
            appendEntry(out, std::string_view(report.buffer).substr(entry.begin, entry.end - entry.begin));
        }
    }
    // What the reader took at the end of the data, after the last line.
    if (next < report.entries.size())
        out += "        (end of the file)\n";
    for (; next < report.entries.size(); ++next) {
        const Explainer::Entry& entry = report.entries[next];
        appendEntry(out, std::string_view(report.buffer).substr(entry.begin, entry.end - entry.begin));
    }
    if (notRead > 0) {
        out += "\nLine";
        if (notRead > 1)
            out += 's';
        out += ' ';
        appendInt(out, firstUnread);
        if (notRead > 1) {
            out += " to ";
            appendInt(out, firstUnread + notRead - 1);
        }
        out += failedLine > 0 ? ": not read, the reading stopped before"
             : report.blanksLeft ? ": not read, nothing but blanks follows"
                                 : ": not read, there is no set left for them";
        out += '\n';
    }
    if (count == 0)
        out += "The file is empty.\n";
    appendSummary(out, report, store, count, passedOver, notRead, failedLine > 0);
    return result;
}

ReadExplanation explainDataFile(const std::string& path, int firstSet)
{
    return explainDataBytes(readFileBytes(path), path, firstSet);
}
