#include "data/DataFileReader.h"

#include "data/Cp1252.h"
#include "data/DataFilePath.h"
#include "data/DataFileScanner.h"
#include "data/Errors.h"
#include "data/Messages.h"
#include "data/Numbers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// ---------------------------------------------------------------- the file

std::string systemReason(int error) { return std::strerror(error); }

[[noreturn]] void throwCannotOpen(const std::string& path, int error)
{
    throw FileError(Messages::message(Messages::CannotOpenFile, {path, systemReason(error)}));
}

[[noreturn]] void throwTooLarge(const std::string& path)
{
    throw FileError(Messages::message(Messages::DataFileTooLarge, {path}));
}

// ---------------------------------------------------------------- reporting

// The reader runs in one of two ways: silent, for File / "&Open" at full
// speed (every report compiles away), or telling an observer what it does.
struct Silent {
    static constexpr bool active = false;
    void operator()(const ReadEvent&) const {}
};

struct Observed {
    static constexpr bool active = true;
    ReadObserver& observer;
    void operator()(const ReadEvent& event) const { observer.readEvent(event); }
};

ReadEvent eventAt(ReadStep step, int line, int set = 0)
{
    ReadEvent event;
    event.step = step;
    event.line = line;
    event.set = set;
    return event;
}

// A text line cut to `maxLength`.
template <typename Report>
std::string_view textLine(DataFileScanner& in, size_t maxLength, Report& report, ReadStep step, int set = 0)
{
    if constexpr (!Report::active) {
        return in.readTextLine(maxLength);
    } else {
        ReadEvent event = eventAt(step, in.line(), set);
        const std::string_view whole = in.readLine();
        event.text = whole.substr(0, maxLength);
        if (whole.size() > maxLength)
            event.notes |= ReadNote::TextCut;
        report(event);
        return event.text;
    }
}

template <typename Report>
double numberLine(DataFileScanner& in, Report& report, ReadStep step, int set = 0, int point = 0)
{
    if constexpr (!Report::active) {
        return in.readNumberLine();
    } else {
        const NumberToken number = in.readNumberToken();
        ReadEvent event = eventAt(step, in.tokenLine(), set);
        event.point = point;
        event.value = number.value;
        event.text = number.token;
        event.rest = number.rest;
        if (number.token.empty())
            event.notes |= ReadNote::AtEnd;
        report(event);
        return number.value;
    }
}

// ---------------------------------------------------------------- KWT files

size_t idx(int s) { return static_cast<size_t>(s); }

// A claimed point count for a message: whole digits while they are short,
// else the shortest exponent form ("1e+300", not 301 digits).
std::string countText(double whole)
{
    if (whole < 1e15)
        return formatValue(whole, 1, 0);
    char buffer[32];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, whole).ptr);
}

// The set code packs the point count into the whole part, the symbol number
// into the hundredths and the draw flags into the ten-thousandths. A count
// that a set cannot hold is refused before anything is read into it.
// Returns whether the code's fraction set symbol and flags.
bool decodeSetCode(DataStore& store, int s, double code, const DataFileScanner& in)
{
    if (code < 1) {
        store.pointCount[idx(s)] = 0;
        return false;
    }
    const double whole = std::trunc(code);
    if (whole > kSetCapacity) {
        const int line = in.tokenLine();
        throw InputError(Messages::message(Messages::SetCountTooLarge,
                                           {std::to_string(s), in.fileName(), std::to_string(line),
                                            countText(whole)}),
                         in.fileName(), line);
    }
    store.pointCount[idx(s)] = static_cast<int32_t>(whole);
    if (code - whole <= 0)
        return false;
    // The small addend lifts codes such as 25.0100, stored just below
    // 25.01, over the hundredth they stand for.
    const double lifted = code + 0.00001;
    const double w = (lifted - std::trunc(lifted)) * 100;
    const double symbol = std::trunc(w);
    store.symbolNumber[idx(s)] = static_cast<uint8_t>(symbol);
    store.drawFlags[idx(s)] = static_cast<uint8_t>(std::trunc((w - symbol) * 100));
    return true;
}

template <typename Report>
void readKwt(DataStore& store, DataFileScanner& in, int firstSet, Report& report)
{
    store.setHeading(textLine(in, kTextLength, report, ReadStep::Heading));
    store.setComment(textLine(in, kTextLength, report, ReadStep::Comment));
    store.setXLabel(textLine(in, kLabelLength, report, ReadStep::XLabel));
    store.plot.xFrom = numberLine(in, report, ReadStep::XFrom);
    store.plot.xTo = numberLine(in, report, ReadStep::XTo);
    for (int s = firstSet; s <= kLastSet; ++s) {
        if (in.onlyBlanksLeft()) {
            if constexpr (Report::active) {
                if (in.atEnd())
                    return;
                ReadEvent end = eventAt(ReadStep::End, in.line());
                end.notes = ReadNote::BlanksLeft;
                report(end);
            }
            return; // sets without a block keep what they hold
        }
        store.setYLabel(s, textLine(in, kLabelLength, report, ReadStep::YLabel, s));
        store.yFrom[idx(s)] = numberLine(in, report, ReadStep::YFrom, s);
        store.yTo[idx(s)] = numberLine(in, report, ReadStep::YTo, s);
        if constexpr (!Report::active) {
            decodeSetCode(store, s, in.readNumberLine(), in);
        } else {
            const NumberToken code = in.readNumberToken();
            ReadEvent event = eventAt(ReadStep::SetCode, in.tokenLine(), s);
            event.value = code.value;
            event.text = code.token;
            event.rest = code.rest;
            if (code.token.empty())
                event.notes |= ReadNote::AtEnd;
            if (decodeSetCode(store, s, code.value, in))
                event.notes |= ReadNote::CodeFraction;
            event.count = store.pointCount[idx(s)];
            event.symbol = store.symbolNumber[idx(s)];
            event.flags = store.drawFlags[idx(s)];
            report(event);
        }
        double* xs = store.xs(s);
        double* ys = store.ys(s);
        const int n = store.pointCount[idx(s)];
        for (int i = 0; i < n; ++i) {
            xs[i] = numberLine(in, report, ReadStep::PointX, s, i + 1);
            ys[i] = numberLine(in, report, ReadStep::PointY, s, i + 1);
        }
    }
    if constexpr (Report::active)
        if (!in.atEnd())
            report(eventAt(ReadStep::End, in.line())); // blocks beyond set 9
}

// ---------------------------------------------------------------- plain lines

// The value of a field; a text that is no number counts as 0.
double numberOrZero(std::string_view text) { return parseNumber(text).value; }

// The same, noting in the event when the field was empty or no number.
double fieldValue(std::string_view text, ReadEvent& event, uint16_t invalidNote, uint16_t emptyNote)
{
    const ParsedNumber number = parseNumber(text);
    if (!number.ok)
        event.notes |= text.find_first_not_of(' ') == std::string_view::npos ? emptyNote : invalidNote;
    return number.value;
}

// A time of day hh:mm:ss, two characters per field; a missing field is 0.
// With an event, its fields and their failures are noted there.
double timeOfDay(std::string_view text, ReadEvent* event)
{
    auto field = [text](size_t pos) { return pos < text.size() ? text.substr(pos, 2) : std::string_view(); };
    const std::string_view fields[3] = {field(0), field(3), field(6)};
    double values[3];
    for (int k = 0; k < 3; ++k) {
        const ParsedNumber number = parseNumber(fields[k]);
        values[k] = number.value;
        if (event) {
            event->timeFields[k] = fields[k];
            event->timeValues[k] = number.value;
            if (!number.ok && !fields[k].empty())
                event->notes |= ReadNote::TimeFieldInvalid;
        }
    }
    if (event)
        event->notes |= ReadNote::TimeOfDay;
    return values[0] * 3600 + values[1] * 60 + values[2];
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The buffers one run of the plain-line reader reuses from line to line.
struct PlainScratch {
    std::string work;
    std::array<char, kPlainYField + 1> yText{};
    PlainScratch() { work.reserve(256); }
};

enum class RecordEnd : uint8_t {
    Line,    // the record was read from its own lines
    DataEnd, // an X line whose Y was sought up to the end of the data
};

// One record of the plain-line reader: a skipped line, a pair line, or an X
// line with the Y that follows. The pair goes into set `set`, or the next
// set with room; storedIn is the set it went into (0: dropped or none).
template <typename Report>
RecordEnd readPlainRecord(DataStore& store, DataFileScanner& in, int& set, PlainScratch& scratch, Report& report,
                          int& storedIn)
{
    storedIn = 0;
    const int lineNumber = in.line();
    const std::string_view whole = in.readLine();
    std::string_view line = whole;
    const size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos) {
        if constexpr (Report::active)
            report(eventAt(ReadStep::EmptySkipped, lineNumber));
        return RecordEnd::Line;
    }
    line.remove_prefix(start);
    if (line[0] != '-' && !isDigit(line[0])) {
        // a title or comment line
        if constexpr (Report::active) {
            ReadEvent event = eventAt(ReadStep::TextSkipped, lineNumber);
            event.text = whole;
            report(event);
        }
        return RecordEnd::Line;
    }

    // The first blank and the first tab separate the columns; other
    // blanks go, and a decimal comma becomes a point.
    const size_t firstSpace = line.find(' ');
    const size_t firstTab = line.find('\t');
    std::string& work = scratch.work;
    work.clear();
    work.reserve(line.size()); // one allocation even for a line of 256 MB
    [[maybe_unused]] ReadEvent event;
    for (size_t k = 0; k < line.size(); ++k) {
        const char c = line[k];
        if (k == firstSpace || k == firstTab) {
            work += ';';
        } else if (c == ' ') {
            continue;
        } else {
            if constexpr (Report::active)
                if (c == ',')
                    event.notes |= ReadNote::DecimalComma;
            work += c == ',' ? '.' : c;
        }
    }

    double x = 0;
    double y = 0;
    RecordEnd end = RecordEnd::Line;
    [[maybe_unused]] int eventLine = lineNumber;
    const size_t semicolon = work.find(';');
    if (semicolon != std::string::npos) {
        const std::string_view view(work);
        const std::string_view xText = view.substr(0, semicolon);
        // A third column is joined onto Y: only ";" and tabs are removed.
        const std::string_view yRaw = view.substr(semicolon + 1, kPlainYField);
        size_t yLength = 0;
        for (const char c : yRaw)
            if (c != ';' && c != '\t')
                scratch.yText[yLength++] = c;
        const std::string_view yText(scratch.yText.data(), yLength);
        if constexpr (!Report::active) {
            x = xText.find(':') != std::string_view::npos ? timeOfDay(xText, nullptr) : numberOrZero(xText);
            y = numberOrZero(yText);
        } else {
            event.step = ReadStep::Pair;
            event.text = whole;
            event.xText = xText;
            event.yText = yText;
            event.yRaw = yRaw;
            if (yLength != yRaw.size())
                event.notes |= ReadNote::ThirdColumn;
            if (view.size() - semicolon - 1 > yRaw.size())
                event.notes |= ReadNote::YCut;
            x = xText.find(':') != std::string_view::npos
                ? timeOfDay(xText, &event)
                : fieldValue(xText, event, ReadNote::XInvalid, ReadNote::XInvalid);
            y = fieldValue(yText, event, ReadNote::YInvalid, ReadNote::YEmpty);
        }
    } else {
        if constexpr (!Report::active) {
            x = numberOrZero(work);
        } else {
            event.step = ReadStep::XWaiting;
            event.text = whole;
            event.xText = work;
            x = fieldValue(work, event, ReadNote::XInvalid, ReadNote::XInvalid);
            event.x = x;
            event.line = lineNumber;
            report(event);
        }
        // Y follows on a later line.
        const NumberToken number = in.readNumberToken();
        y = number.value;
        if (number.token.empty())
            end = RecordEnd::DataEnd;
        if constexpr (Report::active) {
            eventLine = in.tokenLine();
            event.step = ReadStep::YFound;
            event.waitingLine = lineNumber;
            event.yText = number.token;
            event.rest = number.rest;
            if (end == RecordEnd::DataEnd)
                event.notes |= ReadNote::AtEnd;
        }
    }

    while (set <= kLastSet && store.pointCount[idx(set)] >= kSetCapacity) {
        if constexpr (Report::active)
            report(eventAt(ReadStep::SetFull, eventLine, set));
        ++set;
    }
    int n = 0;
    if (set <= kLastSet) {
        n = ++store.pointCount[idx(set)];
        store.x(set, n) = x;
        store.y(set, n) = y;
        storedIn = set;
    }
    if constexpr (Report::active) {
        event.line = eventLine;
        event.set = storedIn;
        event.point = n;
        event.x = x;
        event.y = y;
        report(event);
    }
    return end;
}

// Reads X/Y lines to the end of the data, filling set `set` onward; a full
// set passes the reading on to the next one, and pairs beyond set 9 are
// dropped.
template <typename Report>
void readPlainLines(DataStore& store, DataFileScanner& in, int set, Report& report)
{
    PlainScratch scratch;
    int storedIn = 0;
    while (!in.atEnd())
        readPlainRecord(store, in, set, scratch, report, storedIn);
}

// ---------------------------------------------------------------- Vexon and plain files

template <typename Report>
void readVexonHead(DataStore& store, DataFileScanner& in, Report& report)
{
    // The heading is what follows the last ">" of the first line.
    [[maybe_unused]] const int headingLine = in.line();
    std::string_view heading = in.readTextLine(kTextLength);
    const size_t marker = heading.rfind('>');
    if (marker != std::string_view::npos)
        heading.remove_prefix(marker + 1);
    store.setHeading(heading);
    if constexpr (Report::active) {
        ReadEvent event = eventAt(ReadStep::Heading, headingLine);
        event.text = store.plot.heading;
        report(event);
    }

    // The second line is a label too, but the third wins.
    textLine(in, kLabelLength, report, ReadStep::LabelReplaced, 1);
    [[maybe_unused]] const int labelLine = in.line();
    std::string label(in.readTextLine(kLabelLength));
    // A unit or tag in angle brackets after the label is cut off.
    const bool tagged = label.find('<', 1) != std::string::npos;
    if (tagged)
        label.erase(label.find('<'), 15);
    store.setYLabel(1, label);
    if constexpr (Report::active) {
        ReadEvent event = eventAt(ReadStep::YLabel, labelLine, 1);
        event.text = store.yLabel[1];
        if (tagged)
            event.notes |= ReadNote::LabelTagCut;
        report(event);
    }
    for (int k = 4; k <= 7; ++k) {
        if constexpr (Report::active)
            report(eventAt(ReadStep::HeaderLine, in.line()));
        in.readLine();
    }

    store.setXLabel("sec");
    store.plot.xFrom = 0;
    store.plot.xTo = 0;
    store.yFrom[1] = 0;
    store.yTo[1] = 0;
    store.pointCount[1] = 0;
}

// The heading is one of the store's Windows-1252 texts, but a file name
// comes in the file system's UTF-8: "größe.csv" must head the plot as
// GRößE.CSV, not as its UTF-8 bytes. A name that is no UTF-8 (copied from
// an old medium) is taken byte for byte.
std::string headingFromFileName(std::string_view name)
{
    return isUtf8(name) ? cp1252FromUtf8(name) : std::string(name);
}

void readPlainFields(DataStore& store, const std::string& path, int set)
{
    // The directory goes first, then the cut: long directory names must not
    // push the file name out of the heading.
    store.setHeading(headingFromFileName(fileNamePart(upperAscii(path))));
    store.setComment("");
    store.setXLabel("");
    store.plot.xFrom = 0;
    store.plot.xTo = 0;
    if (set <= kLastSet) {
        store.setYLabel(set, "Y");
        store.yFrom[idx(set)] = 0;
        store.yTo[idx(set)] = 0;
        store.pointCount[idx(set)] = 0;
    }
}

template <typename Report>
void readKind(DataStore& store, DataFileScanner& in, const std::string& path, int firstSet, Report& report)
{
    switch (dataFileKind(path)) {
    case DataFileKind::Kwt:
        readKwt(store, in, firstSet, report);
        break;
    case DataFileKind::Vexon:
        readVexonHead(store, in, report);
        readPlainLines(store, in, 1, report);
        break;
    case DataFileKind::Plain:
        readPlainFields(store, path, firstSet);
        readPlainLines(store, in, firstSet, report);
        break;
    }
}

} // namespace

DataFileKind dataFileKind(std::string_view path)
{
    const std::string upperPath = upperAscii(path);
    if (upperPath.find(".KWT") != std::string::npos)
        return DataFileKind::Kwt;
    if (upperPath.find(".VXN") != std::string::npos)
        return DataFileKind::Vexon;
    return DataFileKind::Plain;
}

std::string readFileBytes(const std::string& path)
{
    // Opened without blocking: a FIFO without a writer then reads as empty
    // instead of hanging the program in open().
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        throwCannotOpen(path, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        throwCannotOpen(path, error);
    }
    if (!S_ISREG(info.st_mode)) {
        // Pipes and devices are read blocking, to the end of what they give.
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    } else if (static_cast<uint64_t>(info.st_size) > kMaxDataFileBytes) {
        ::close(fd);
        throwTooLarge(path);
    }
    std::string bytes;
    // Devices and pipes report no size; they are read in growing steps.
    bytes.resize(info.st_size > 0 ? static_cast<size_t>(info.st_size) + 1 : 4096);
    size_t got = 0;
    while (true) {
        if (got == bytes.size()) {
            if (got > kMaxDataFileBytes) {
                ::close(fd);
                throwTooLarge(path);
            }
            bytes.resize(std::min(bytes.size() * 2, kMaxDataFileBytes + 1));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(fd);
            throwCannotOpen(path, error);
        }
        if (n == 0)
            break;
        got += static_cast<size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return bytes;
}

void readDataBytes(DataStore& store, std::string_view bytes, const std::string& path, int firstSet,
                   ReadObserver* observer)
{
    DataFileScanner in(bytes, path);
    if (observer) {
        Observed report{*observer};
        readKind(store, in, path, firstSet, report);
    } else {
        Silent report;
        readKind(store, in, path, firstSet, report);
    }
}

void finishDataRead(DataStore& store, const std::string& path)
{
    for (int s = kFirstSet; s <= kLastSet; ++s)
        store.sortSet(s);
    store.unsavedChanges = false;
    store.currentFileName = std::string(fileNamePart(path));
}

PlainLinesPosition readPlainHead(DataStore& store, std::string_view bytes, const std::string& path, int firstSet)
{
    if (dataFileKind(path) != DataFileKind::Vexon) {
        readPlainFields(store, path, firstSet);
        return {0, 1, firstSet};
    }
    DataFileScanner in(bytes, path);
    Silent report;
    readVexonHead(store, in, report);
    return {in.position(), in.line(), 1};
}

PlainLinesStop readPlainLinesFrom(DataStore& store, std::string_view bytes, const std::string& path,
                                  PlainLinesPosition from)
{
    DataFileScanner in(bytes, path, from.offset, from.line);
    PlainScratch scratch;
    Silent report;
    PlainLinesStop stop;
    int set = from.set;
    while (!in.atEnd()) {
        const PlainLinesPosition before{in.position(), in.line(), set};
        int storedIn = 0;
        const RecordEnd end = readPlainRecord(store, in, set, scratch, report, storedIn);
        if (storedIn > 0) {
            stop.firstChanged = std::min(stop.firstChanged, storedIn);
            stop.lastChanged = std::max(stop.lastChanged, storedIn);
        }
        if (end == RecordEnd::DataEnd) {
            stop.resume = before;
            stop.provisionalSet = storedIn;
            return stop;
        }
    }
    stop.resume = {in.position(), in.line(), set};
    return stop;
}

PlainTextRead readPlainText(DataStore& store, std::string_view text, int firstSet, const std::string& name)
{
    PlainTextRead result;
    if (firstSet < kFirstSet || firstSet > kLastSet)
        return result;
    store.pointCount[idx(firstSet)] = 0;
    DataFileScanner in(text, name);
    PlainScratch scratch;
    Silent report;
    int set = firstSet;
    while (!in.atEnd()) {
        int storedIn = 0;
        readPlainRecord(store, in, set, scratch, report, storedIn);
        if (storedIn > 0) {
            result.firstChanged = std::min(result.firstChanged, storedIn);
            result.lastChanged = std::max(result.lastChanged, storedIn);
            ++result.points;
        }
    }
    return result;
}
