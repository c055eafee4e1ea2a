// Writing data files: byte-exact layouts, the names a save creates, round
// trips through the reader, and saves that fail without harm.

#include "DataFileFixture.h"

#include "data/DataFile.h"
#include "data/DataFilePath.h"
#include "data/Errors.h"
#include "data/Numbers.h"

#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iostream>
#include <random>

using namespace datafiletest;

namespace {

// The store behind expected/SMALL.KWT and expected/SMALL.ASC.
DataStore smallStore()
{
    DataStore store;
    store.plot.heading = "Messreihe 1";
    store.plot.comment = "Ofen 3";
    store.plot.xLabel = "Zeit";
    store.yLabel[1] = "U";
    store.yFrom[1] = -1.5;
    store.yTo[1] = 2.25;
    setPoints(store, 1, {{1.5, -2}, {123456.789, 0.0000000003}});
    store.yLabel[3] = "Leer";
    store.symbolNumber[3] = 0;
    store.drawFlags[3] = 0;
    setPoints(store, 3, {{7, 8}});
    store.symbolNumber[5] = 14;
    store.drawFlags[5] = 15;
    store.unsavedChanges = true;
    return store;
}

std::vector<std::string> linesOf(const std::string& bytes)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(bytes.substr(start) + "<no CR LF>");
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

void expectBytesLike(const std::string& actual, const std::string& expectedFile)
{
    const std::string expected = readBytes(fixture("expected/" + expectedFile));
    ASSERT_FALSE(expected.empty());
    if (actual != expected) {
        writeBytes(std::string(KURVIX_TEST_OUTPUT) + "/actual-" + expectedFile, actual);
        EXPECT_EQ(linesOf(actual), linesOf(expected)) << "actual file written to " << KURVIX_TEST_OUTPUT;
    }
}

bool runningAsRoot() { return ::geteuid() == 0; }

} // namespace

TEST(DataFileWrite, KwtLayoutIsByteExact)
{
    TempDir dir;
    DataStore store = smallStore();
    const std::string written = writeDataFile(store, dir.path("small.kwt"));
    EXPECT_EQ(written, dir.path("SMALL.KWT"));
    expectBytesLike(readBytes(written), "SMALL.KWT");
    EXPECT_FALSE(store.unsavedChanges);
    EXPECT_EQ(store.currentFileName, "SMALL.KWT");
}

TEST(DataFileWrite, AsciiLayoutIsByteExact)
{
    TempDir dir;
    DataStore store = smallStore();
    const std::string written = writeDataFile(store, dir.path("small.asc"));
    EXPECT_EQ(written, dir.path("SMALL.ASC"));
    expectBytesLike(readBytes(written), "SMALL.ASC");
}

TEST(DataFileWrite, NumberFields)
{
    struct Row {
        const char* name;
        int count;
        int symbol;
        int flags;
        double yFrom;
        const char* codeLine;
        const char* yFromLine;
    };
    const std::vector<Row> rows = {
        {"25 points, symbol 1, flags 3", 25, 1, 3, 10, " 25.0103", "   10.0000000000"},
        {"empty set, symbol 4", 0, 4, 3, -0.00000000004, "  0.0403", "    0.0000000000"},
        {"full set, last symbol, all flags", 10000, 14, 15, 1e20, "10000.1415", "100000000000000000000.0000000000"},
        {"symbol 0, no flags", 12, 0, 0, -123.45678901234, " 12.0000", " -123.4567890123"},
        {"rounding of the tenth decimal", 1, 9, 8, 0.12345678906, "  1.0908", "    0.1234567891"},
    };
    TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DataStore store;
        store.symbolNumber[1] = static_cast<uint8_t>(row.symbol);
        store.drawFlags[1] = static_cast<uint8_t>(row.flags);
        store.yFrom[1] = row.yFrom;
        store.pointCount[1] = row.count;
        const std::vector<std::string> lines = linesOf(readBytes(writeDataFile(store, dir.path("f.kwt"))));
        ASSERT_EQ(lines.size(), 5u + 9 * 4 + 2u * static_cast<size_t>(row.count));
        EXPECT_EQ(lines[6], row.yFromLine);
        EXPECT_EQ(lines[8], row.codeLine);
    }
}

TEST(DataFileWrite, NameAndKindOfTheFileWritten)
{
    enum class Layout { Kwt, Ascii };
    struct Row {
        const char* given;
        const char* existing; // a file already there, or nullptr
        bool exact;
        const char* created;
        Layout layout;
    };
    const std::vector<Row> rows = {
        {"data.kwt", nullptr, false, "DATA.KWT", Layout::Kwt},
        {"data.kwt", "data.kwt", false, "data.kwt", Layout::Kwt},
        {"data.kwt", "DATA.KWT", false, "DATA.KWT", Layout::Kwt},
        {"Sub.Dir/data.asc", nullptr, false, "Sub.Dir/DATA.ASC", Layout::Ascii},
        {"noext", nullptr, false, "NOEXT", Layout::Ascii},
        {"liste.csv", nullptr, false, "LISTE.CSV", Layout::Ascii},
        {"alt.kwt.bak", nullptr, false, "ALT.KWT.BAK", Layout::Kwt},
        {"out.kwt", nullptr, true, "out.kwt", Layout::Kwt},
        {"out.txt", "out.txt", true, "out.txt", Layout::Ascii},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.given) + (row.existing ? " over " + std::string(row.existing) : ""));
        TempDir dir;
        std::filesystem::create_directory(dir.path("Sub.Dir"));
        if (row.existing)
            dir.write(row.existing, "alt\r\n");
        DataStore store = smallStore();
        store.currentFileName = "VORHER";
        const std::string path = dir.path(row.given);
        const std::string written = row.exact ? writeDataFileExactly(store, path) : writeDataFile(store, path);
        EXPECT_EQ(written, dir.path(row.created));
        // The name the plot and the listing show is upper-cased, however the file was named.
        EXPECT_EQ(store.currentFileName, upperAscii(std::filesystem::path(row.created).filename().string()));
        EXPECT_FALSE(store.unsavedChanges);
        const std::string bytes = readBytes(written);
        EXPECT_EQ(linesOf(bytes).size(), row.layout == Layout::Kwt ? 5u + 36 + 6 : 3u);
        // Nothing but the file itself is left: no second name, no temporary file.
        std::vector<std::string> expectedNames = {"Sub.Dir"};
        if (std::string(row.created).rfind("Sub.Dir/", 0) != 0)
            expectedNames.push_back(row.created);
        std::sort(expectedNames.begin(), expectedNames.end());
        EXPECT_EQ(dir.names(), expectedNames);
    }
}

TEST(DataFileWrite, KwtRoundTripRestoresEverySet)
{
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> countOf(0, 40);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-8, 7);
    auto value = [&] { return mantissa(random) * std::pow(10.0, exponent(random)); };

    DataStore original;
    original.plot.heading = "  Kopf mit \xC4nderung";
    original.plot.comment = std::string(80, 'k');
    original.plot.xLabel = "x \xB0" "C";
    original.plot.xFrom = value();
    original.plot.xTo = value();
    int total = 0;
    for (int s = 1; s <= 9; ++s) {
        const auto i = static_cast<size_t>(s);
        original.yLabel[i] = "Satz " + std::to_string(s) + " \x80";
        original.yFrom[i] = value();
        original.yTo[i] = value();
        original.symbolNumber[i] = static_cast<uint8_t>((s * 5) % 15);
        original.drawFlags[i] = static_cast<uint8_t>((s * 7) % 16);
        const int n = s == 6 ? 0 : (s == 7 ? kSetCapacity : countOf(random));
        Points points;
        for (int k = 0; k < n; ++k)
            points.emplace_back(value(), value());
        setPoints(original, s, points);
        original.sortSet(s);
        total += n;
    }

    TempDir dir;
    DataStore store = original;
    const std::string path = writeDataFile(store, dir.path("rund.kwt"));
    const std::string bytes = readBytes(path);
    EXPECT_EQ(linesOf(bytes).size(), static_cast<size_t>(5 + 9 * 4 + 2 * total));

    DataStore back;
    back.loadTargetSet = 1;
    readDataFile(back, path);
    auto to10 = [](double v) { return parseNumber(formatValue(v, 16, 10)).value; };
    EXPECT_EQ(back.plot.heading, original.plot.heading);
    EXPECT_EQ(back.plot.comment, original.plot.comment);
    EXPECT_EQ(back.plot.xLabel, original.plot.xLabel);
    EXPECT_EQ(back.plot.xFrom, to10(original.plot.xFrom));
    EXPECT_EQ(back.plot.xTo, to10(original.plot.xTo));
    for (int s = 1; s <= 9; ++s) {
        SCOPED_TRACE(s);
        const auto i = static_cast<size_t>(s);
        EXPECT_EQ(back.yLabel[i], original.yLabel[i]);
        EXPECT_EQ(back.yFrom[i], to10(original.yFrom[i]));
        EXPECT_EQ(back.yTo[i], to10(original.yTo[i]));
        ASSERT_EQ(back.pointCount[i], original.pointCount[i]);
        if (original.pointCount[i] > 0 && (original.symbolNumber[i] != 0 || original.drawFlags[i] != 0)) {
            EXPECT_EQ(back.symbolNumber[i], original.symbolNumber[i]);
            EXPECT_EQ(back.drawFlags[i], original.drawFlags[i]);
        }
        int mismatches = 0;
        for (int k = 1; k <= original.pointCount[i]; ++k)
            mismatches += back.x(s, k) != to10(original.x(s, k)) || back.y(s, k) != to10(original.y(s, k));
        EXPECT_EQ(mismatches, 0);
    }

    // Reopened over the same settings, the file writes the very same bytes
    // again (empty sets keep the symbol and flags the reading store had).
    DataStore again = original;
    again.loadTargetSet = 1;
    readDataFile(again, path);
    EXPECT_TRUE(readBytes(writeDataFile(again, dir.path("RUND.KWT"))) == bytes);
}

TEST(DataFileWrite, WholeNumberSetCodeKeepsTheReadersSymbol)
{
    TempDir dir;
    DataStore store;
    store.symbolNumber[2] = 0;
    store.drawFlags[2] = 0;
    setPoints(store, 2, {{1, 2}, {3, 4}});
    const std::string path = writeDataFile(store, dir.path("null.kwt"));
    EXPECT_EQ(linesOf(readBytes(path))[12], "  2.0000");

    DataStore back;
    back.symbolNumber[2] = 6;
    back.drawFlags[2] = 5;
    back.loadTargetSet = 1;
    readDataFile(back, path);
    EXPECT_EQ(pointsOf(back, 2), (Points{{1, 2}, {3, 4}}));
    EXPECT_EQ(back.symbolNumber[2], 6);
    EXPECT_EQ(back.drawFlags[2], 5);
}

TEST(DataFileWrite, AsciiRoundTripGathersAllSetsIntoOne)
{
    TempDir dir;
    DataStore store;
    setPoints(store, 1, {{1, 10}, {2, 20}, {3, 30}});
    setPoints(store, 4, {{0.5, -1.5}, {2.5, 7}});
    const std::string path = writeDataFile(store, dir.path("data.asc"));
    EXPECT_EQ(readBytes(path), crlf({"1.000000000;10.000000000", "2.000000000;20.000000000", "3.000000000;30.000000000",
                                     "0.500000000;-1.500000000", "2.500000000;7.000000000"}));
    DataStore back;
    back.loadTargetSet = 1;
    readDataFile(back, path);
    EXPECT_EQ(pointsOf(back, 1), (Points{{0.5, -1.5}, {1, 10}, {2, 20}, {2.5, 7}, {3, 30}}));
    EXPECT_EQ(back.pointCount[4], 0);
}

TEST(DataFileWrite, FailedSaveLeavesOldFileAndStore)
{
    struct Row {
        const char* name;
        std::function<std::string(const TempDir&)> prepare; // returns the path to save to
        const char* reason;                                 // the system's text for the failure
        bool needsPermissions;                              // root writes anywhere
    };
    const std::vector<Row> rows = {
        {"target is a directory",
         [](const TempDir& dir) {
             std::filesystem::create_directory(dir.path("data.kwt"));
             dir.write("data.kwt/inside.txt", "alt");
             return dir.path("data.kwt");
         },
         "Is a directory", false},
        {"upper-cased target is a directory",
         [](const TempDir& dir) {
             std::filesystem::create_directory(dir.path("DATA.KWT"));
             return dir.path("data.kwt");
         },
         "Is a directory", false},
        {"missing directory", [](const TempDir& dir) { return dir.path("fehlt/data.kwt"); },
         std::strerror(ENOENT), false},
        {"read-only directory",
         [](const TempDir& dir) {
             std::filesystem::create_directory(dir.path("ro"));
             dir.write("ro/data.kwt", "alt\r\n");
             ::chmod(dir.path("ro").c_str(), 0555);
             return dir.path("ro/data.kwt");
         },
         std::strerror(EACCES), true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.needsPermissions && runningAsRoot()) {
            std::cout << "(not checked: permissions do not bind root) " << row.name << "\n";
            continue;
        }
        TempDir dir;
        const std::string path = row.prepare(dir);
        std::vector<std::pair<std::string, std::string>> before;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.root()))
            before.emplace_back(entry.path().string(), entry.is_regular_file() ? readBytes(entry.path()) : "");

        DataStore store = smallStore();
        store.currentFileName = "VORHER.KWT";
        try {
            writeDataFile(store, path);
            ADD_FAILURE() << "no error";
        } catch (const FileError& e) {
            EXPECT_NE(std::string(e.what()).find(row.reason), std::string::npos) << e.what();
        }
        EXPECT_TRUE(store.unsavedChanges);
        EXPECT_EQ(store.currentFileName, "VORHER.KWT");

        std::vector<std::pair<std::string, std::string>> after;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.root()))
            after.emplace_back(entry.path().string(), entry.is_regular_file() ? readBytes(entry.path()) : "");
        std::sort(before.begin(), before.end());
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, before);
    }
}

// A disk that fills up while the new file is written: the file-size limit
// makes the write fail the same way, also for root.
TEST(DataFileWrite, SaveThatRunsOutOfSpaceKeepsTheOldFile)
{
    TempDir dir;
    const std::string old = "old contents\r\n";
    dir.write("DATA.KWT", old);
    DataStore store = smallStore();
    store.currentFileName = "VORHER.KWT";

    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    auto* previous = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string message;
    try {
        writeDataFile(store, dir.path("data.kwt"));
    } catch (const FileError& e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);

    EXPECT_NE(message.find(std::strerror(EFBIG)), std::string::npos) << message;
    EXPECT_EQ(readBytes(dir.path("DATA.KWT")), old);
    EXPECT_TRUE(store.unsavedChanges);
    EXPECT_EQ(store.currentFileName, "VORHER.KWT");
    size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.root()))
        ++files;
    EXPECT_EQ(files, 1u) << "the temporary file was left behind";
}

TEST(DataFileWrite, ReplacedFileKeepsPermissionsAndLinks)
{
    TempDir dir;
    const std::string target = dir.write("data.kwt", "alt\r\n");
    ::chmod(target.c_str(), 0640);
    std::filesystem::create_symlink("data.kwt", dir.path("link.kwt"));

    DataStore store = smallStore();
    writeDataFile(store, dir.path("link.kwt"));
    EXPECT_TRUE(std::filesystem::is_symlink(dir.path("link.kwt")));
    expectBytesLike(readBytes(target), "SMALL.KWT");
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"data.kwt", "link.kwt"}));
}
