#include "data/DataFile.h"

#include "data/AtomicFile.h"
#include "data/Cp1252.h"
#include "data/DataFilePath.h"
#include "data/DataFileScanner.h"
#include "data/Errors.h"
#include "data/FixedFormat.h"
#include "data/Messages.h"
#include "data/Numbers.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// ---------------------------------------------------------------- reading

std::string systemReason(int error) { return std::strerror(error); }

[[noreturn]] void throwCannotOpen(const std::string& path, int error)
{
    throw FileError(Messages::message(Messages::CannotOpenFile, {path, systemReason(error)}));
}

// No data file comes near this; the limit keeps an endless device such as
// /dev/zero, or a huge file chosen by mistake, from eating all memory.
constexpr size_t kMaxDataFileBytes = size_t{256} << 20;

[[noreturn]] void throwTooLarge(const std::string& path)
{
    throw FileError(Messages::message(Messages::DataFileTooLarge, {path}));
}

// The whole file in one read, so the parsers below walk a plain buffer.
std::string readWholeFile(const std::string& path)
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
void decodeSetCode(DataStore& store, int s, double code, const DataFileScanner& in)
{
    if (code < 1) {
        store.pointCount[idx(s)] = 0;
        return;
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
    if (code - whole > 0) {
        // The small addend lifts codes such as 25.0100, stored just below
        // 25.01, over the hundredth they stand for.
        const double lifted = code + 0.00001;
        const double w = (lifted - std::trunc(lifted)) * 100;
        const double symbol = std::trunc(w);
        store.symbolNumber[idx(s)] = static_cast<uint8_t>(symbol);
        store.drawFlags[idx(s)] = static_cast<uint8_t>(std::trunc((w - symbol) * 100));
    }
}

void readKwt(DataStore& store, DataFileScanner& in, int firstSet)
{
    store.setHeading(in.readTextLine(kTextLength));
    store.setComment(in.readTextLine(kTextLength));
    store.setXLabel(in.readTextLine(kLabelLength));
    store.plot.xFrom = in.readNumberLine();
    store.plot.xTo = in.readNumberLine();
    for (int s = firstSet; s <= kLastSet; ++s) {
        if (in.onlyBlanksLeft())
            break; // sets without a block keep what they hold
        store.setYLabel(s, in.readTextLine(kLabelLength));
        store.yFrom[idx(s)] = in.readNumberLine();
        store.yTo[idx(s)] = in.readNumberLine();
        decodeSetCode(store, s, in.readNumberLine(), in);
        double* xs = store.xs(s);
        double* ys = store.ys(s);
        const int n = store.pointCount[idx(s)];
        for (int i = 0; i < n; ++i) {
            xs[i] = in.readNumberLine();
            ys[i] = in.readNumberLine();
        }
    }
}

double numberOrZero(std::string_view text) { return parseNumber(text).value; }

// A time of day hh:mm:ss, two characters per field; a missing field is 0.
double timeOfDay(std::string_view text)
{
    auto field = [text](size_t pos) { return pos < text.size() ? text.substr(pos, 2) : std::string_view(); };
    return numberOrZero(field(0)) * 3600 + numberOrZero(field(3)) * 60 + numberOrZero(field(6));
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Reads X/Y lines to the end of the data, filling set `set` onward; a full
// set passes the reading on to the next one, and pairs beyond set 9 are
// dropped.
void readPlainLines(DataStore& store, DataFileScanner& in, int set)
{
    std::string work;
    work.reserve(256);
    std::array<char, 16> yText{};
    while (!in.atEnd()) {
        std::string_view line = in.readLine();
        const size_t start = line.find_first_not_of(' ');
        if (start == std::string_view::npos)
            continue;
        line.remove_prefix(start);
        if (line[0] != '-' && !isDigit(line[0]))
            continue; // a title or comment line

        // The first blank and the first tab separate the columns; other
        // blanks go, and a decimal comma becomes a point.
        const size_t firstSpace = line.find(' ');
        const size_t firstTab = line.find('\t');
        work.clear();
        work.reserve(line.size()); // one allocation even for a line of 256 MB
        for (size_t k = 0; k < line.size(); ++k) {
            const char c = line[k];
            if (k == firstSpace || k == firstTab)
                work += ';';
            else if (c == ' ')
                continue;
            else
                work += c == ',' ? '.' : c;
        }

        double x = 0;
        double y = 0;
        const size_t semicolon = work.find(';');
        if (semicolon != std::string::npos) {
            const std::string_view view(work);
            const std::string_view xText = view.substr(0, semicolon);
            // A third column is joined onto Y: only ";" and tabs are removed.
            const std::string_view yRaw = view.substr(semicolon + 1, 15);
            size_t yLength = 0;
            for (const char c : yRaw)
                if (c != ';' && c != '\t')
                    yText[yLength++] = c;
            x = xText.find(':') != std::string_view::npos ? timeOfDay(xText) : numberOrZero(xText);
            y = numberOrZero(std::string_view(yText.data(), yLength));
        } else {
            x = numberOrZero(work);
            y = in.readNumberLine(); // Y follows on a later line
        }

        while (set <= kLastSet && store.pointCount[idx(set)] >= kSetCapacity)
            ++set;
        if (set > kLastSet)
            continue;
        const int n = ++store.pointCount[idx(set)];
        store.x(set, n) = x;
        store.y(set, n) = y;
    }
}

void readVexon(DataStore& store, DataFileScanner& in)
{
    std::string_view heading = in.readTextLine(kTextLength);
    const size_t marker = heading.rfind('>');
    if (marker != std::string_view::npos)
        heading.remove_prefix(marker + 1);
    store.setHeading(heading);

    in.readLine(); // the second line is a label too, but the third wins
    std::string label(in.readTextLine(kLabelLength));
    // A unit or tag in angle brackets after the label is cut off.
    if (label.find('<', 1) != std::string::npos)
        label.erase(label.find('<'), 15);
    store.setYLabel(1, label);
    for (int k = 4; k <= 7; ++k)
        in.readLine();

    store.setXLabel("sec");
    store.plot.xFrom = 0;
    store.plot.xTo = 0;
    store.yFrom[1] = 0;
    store.yTo[1] = 0;
    store.pointCount[1] = 0;
    readPlainLines(store, in, 1);
}

bool isUtf8(std::string_view text)
{
    size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const size_t length = c < 0x80 ? 1 : (c >= 0xC2 && c <= 0xDF) ? 2 : (c >= 0xE0 && c <= 0xEF) ? 3
                                         : (c >= 0xF0 && c <= 0xF4)   ? 4
                                                                      : 0;
        if (length == 0 || i + length > text.size())
            return false;
        for (size_t k = 1; k < length; ++k)
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
                return false;
        i += length;
    }
    return true;
}

// The heading is one of the store's Windows-1252 texts, but a file name
// comes in the file system's UTF-8: "größe.csv" must head the plot as
// GRößE.CSV, not as its UTF-8 bytes. A name that is no UTF-8 (copied from
// an old medium) is taken byte for byte.
std::string headingFromFileName(std::string_view name)
{
    return isUtf8(name) ? cp1252FromUtf8(name) : std::string(name);
}

void readPlain(DataStore& store, DataFileScanner& in, const std::string& upperPath, int set)
{
    // The directory goes first, then the cut: long directory names must not
    // push the file name out of the heading.
    store.setHeading(headingFromFileName(fileNamePart(upperPath)));
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
    readPlainLines(store, in, set);
}

// ---------------------------------------------------------------- writing

void appendLineEnd(std::string& out) { out += "\r\n"; }

// A text line; a line end inside the text would shift every line after it,
// so it is written as a blank.
void appendTextLine(std::string& out, std::string_view text)
{
    for (const char c : text)
        out += (c == '\r' || c == '\n') ? ' ' : c;
    appendLineEnd(out);
}

void appendNumberLine(std::string& out, double value, int width, int decimals)
{
    appendFixed(out, value, width, decimals);
    appendLineEnd(out);
}

int storedCount(const DataStore& store, int s) { return std::clamp(store.pointCount[idx(s)], 0, kSetCapacity); }

int totalPoints(const DataStore& store)
{
    int total = 0;
    for (int s = kFirstSet; s <= kLastSet; ++s)
        total += storedCount(store, s);
    return total;
}

} // namespace

std::string kwtFileBytes(const DataStore& store)
{
    std::string out;
    out.reserve(1024 + 9 * 128 + static_cast<size_t>(totalPoints(store)) * 36);
    appendTextLine(out, store.plot.heading);
    appendTextLine(out, store.plot.comment);
    appendTextLine(out, store.plot.xLabel);
    appendNumberLine(out, store.plot.xFrom, 16, 10);
    appendNumberLine(out, store.plot.xTo, 16, 10);
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        const int n = storedCount(store, s);
        appendTextLine(out, store.yLabel[idx(s)]);
        appendNumberLine(out, store.yFrom[idx(s)], 16, 10);
        appendNumberLine(out, store.yTo[idx(s)], 16, 10);
        const double code = store.symbolNumber[idx(s)] * 0.01 + n + store.drawFlags[idx(s)] * 0.0001;
        appendNumberLine(out, code, 8, 4);
        const double* xs = store.xs(s);
        const double* ys = store.ys(s);
        for (int i = 0; i < n; ++i) {
            appendNumberLine(out, xs[i], 16, 10);
            appendNumberLine(out, ys[i], 16, 10);
        }
    }
    return out;
}

std::string asciiFileBytes(const DataStore& store)
{
    std::string out;
    out.reserve(64 + static_cast<size_t>(totalPoints(store)) * 26);
    for (int s = kFirstSet; s <= kLastSet; ++s) {
        const int n = storedCount(store, s);
        const double* xs = store.xs(s);
        const double* ys = store.ys(s);
        for (int i = 0; i < n; ++i) {
            appendFixed(out, xs[i], 10, 9);
            out += ';';
            appendFixed(out, ys[i], 10, 9);
            appendLineEnd(out);
        }
    }
    return out;
}

namespace {

enum class SaveName { UpperCaseNew, Exact };

// The name a save creates: an existing file under the chosen name is
// replaced under that name, otherwise the file name is written in capitals.
std::string saveTarget(const std::string& path, SaveName naming)
{
    if (naming == SaveName::Exact)
        return path;
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0)
        return path;
    return std::string(directoryPart(path)) + upperAscii(fileNamePart(path));
}


} // namespace

ReadOutcome readDataFile(DataStore& store, const std::string& path)
{
    return readDataBytes(store, readWholeFile(path), path);
}

ReadOutcome readDataBytes(DataStore& store, std::string_view bytes, const std::string& path)
{
    const std::string upperPath = upperAscii(path);
    const int firstSet = std::max<int>(store.loadTargetSet, kFirstSet);

    // Read into a copy and take it only when the whole file was read, so a
    // failure leaves no half-read set behind. The copy is kept between reads:
    // its value arrays would otherwise cost more than reading a small file.
    thread_local DataStore scratch;
    scratch = store;
    DataFileScanner in(bytes, path);
    if (upperPath.find(".KWT") != std::string::npos)
        readKwt(scratch, in, firstSet);
    else if (upperPath.find(".VXN") != std::string::npos)
        readVexon(scratch, in);
    else
        readPlain(scratch, in, upperPath, firstSet);

    for (int s = kFirstSet; s <= kLastSet; ++s)
        scratch.sortSet(s);
    scratch.unsavedChanges = false;
    scratch.currentFileName = std::string(fileNamePart(path));
    store = scratch; // copy assignment keeps the store's value buffers in place
    return {imageOpenNameFor(path)};
}

namespace {

std::string writeNamed(DataStore& store, const std::string& path, SaveName naming)
{
    const std::string target = saveTarget(path, naming);
    const bool kwt = upperAscii(path).find(".KWT") != std::string::npos;
    const std::string bytes = kwt ? kwtFileBytes(store) : asciiFileBytes(store);
    replaceFileAtomically(target, bytes);
    store.unsavedChanges = false;
    // The plot and the listing show the same name whichever way the file
    // was written.
    store.currentFileName = upperAscii(fileNamePart(target));
    return target;
}

} // namespace

std::string writeDataFile(DataStore& store, const std::string& path)
{
    return writeNamed(store, path, SaveName::UpperCaseNew);
}

std::string writeDataFileExactly(DataStore& store, const std::string& path)
{
    return writeNamed(store, path, SaveName::Exact);
}
