// The readers on hostile input: huge lines and counts, NUL bytes, things that
// are not files, and a bounded mutation run over valid files. Whatever comes
// in, a read either succeeds with a sane store or fails with the program's
// own error and leaves the store as it was.

#include "DataFileFixture.h"

#include "data/DataFile.h"
#include "data/DataFilePath.h"
#include "data/Errors.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <random>

using namespace datafiletest;

namespace {

// What every successful read must leave: counts a set can hold, finite
// values, texts within their limits, sorted sets, nothing unsaved.
std::string insanity(const DataStore& store)
{
    std::string why = storecheck::invariantBreaks(store);
    for (int s = kFirstSet; s <= kLastSet; ++s)
        why += storecheck::sortBreaks(store, s);
    if (store.unsavedChanges)
        why += "unsaved ";
    return why;
}

enum class Result { Read, Failed };

// Reads `path` into `store`, which starts as `start`; a failure must be the
// program's own and must leave the store exactly as it was.
Result checkedRead(DataStore& store, const DataStore& start, const std::string& path, int target,
                   std::string& problem)
{
    store = start;
    store.loadTargetSet = static_cast<uint8_t>(target);
    try {
        readDataFile(store, path);
    } catch (const KurvixError&) {
        store.loadTargetSet = start.loadTargetSet;
        problem = storeDifference(store, start);
        return Result::Failed;
    } catch (const std::exception& e) {
        problem = std::string("foreign exception: ") + e.what();
        return Result::Failed;
    }
    problem = insanity(store);
    return Result::Read;
}

} // namespace

TEST(DataFileRobust, HostileContent)
{
    struct Row {
        const char* name;
        const char* file;
        std::string bytes;
        Result result;
        int set1Count; // after a read
    };
    // One line of 50 MB; the other long lines are smaller, as they take the
    // same paths.
    const std::string big(50'000'000, '7');
    const std::string longer(5'000'000, '7');
    const std::vector<Row> rows = {
        {"50 MB of digits as X", "a.txt", big + ";2\r\n4;5\r\n", Result::Read, 2},
        {"5 MB Y text, cut to 15", "b.txt", "1;" + longer + "\r\n", Result::Read, 1},
        {"5 MB of blanks between X and Y", "c.txt", "1" + std::string(5'000'000, ' ') + "2\r\n", Result::Read, 1},
        {"5 MB heading line", "d.kwt", longer + "\r\nC\r\nX\r\n0\r\n1\r\n", Result::Read, 2},
        {"5 MB number token, beyond a double", "e.kwt", "H\r\nC\r\nX\r\n" + longer + "\r\n1\r\n", Result::Failed, 0},
        {"NUL bytes in a KWT file", "f.kwt", std::string("H\0\r\nC\r\nX\r\n\0 5\0 7\r\n6\r\n", 21), Result::Read, 2},
        {"NUL bytes in plain lines", "g.txt", std::string("1\0;2\r\n\0" "3;4\r\n5;\0" "6\r\n", 18), Result::Read, 2},
        {"count of 1e300", "h.kwt", crlf({"H", "C", "X", "0", "1", "Y", "0", "1", "1e300"}), Result::Failed, 0},
        {"count of -1e300", "i.kwt", crlf({"H", "C", "X", "0", "1", "Y", "0", "1", "-1e300"}), Result::Read, 0},
        {"count just below 10001", "j.kwt", crlf({"H", "C", "X", "0", "1", "Y", "0", "1", "10000.9999"}), Result::Read,
         kSetCapacity},
        {"largest doubles", "k.txt", crlf({"1.7976931348623157e308;-1.7976931348623157e308"}), Result::Read, 1},
        {"beyond a double in a plain line", "l.txt", crlf({"1e400;-1e400"}), Result::Read, 1},
        {"time fields of nonsense", "m.txt", crlf({"9e:9e:9e;1", "1:;2", "12:34:5x;3"}), Result::Read, 3},
    };
    TempDir dir;
    const DataStore start = busyStore();
    DataStore store;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = dir.write(row.file, row.bytes);
        std::string problem;
        EXPECT_EQ(checkedRead(store, start, path, 1, problem), row.result);
        EXPECT_EQ(problem, "");
        if (row.result == Result::Read) {
            EXPECT_EQ(store.pointCount[1], row.set1Count);
        }
        std::filesystem::remove(path);
    }
}

TEST(DataFileRobust, HugeCountMessageStaysShort)
{
    TempDir dir;
    DataStore store;
    store.loadTargetSet = 1;
    const std::string path = dir.write("h.kwt", crlf({"H", "C", "X", "0", "1", "Y", "0", "1", "1e300"}));
    try {
        readDataFile(store, path);
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()), "Set 1 of file " + path + " (line 9) claims 1e+300 points; a set holds at most 10000");
    }
}

TEST(DataFileRobust, ThingsThatAreNotDataFiles)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path("ordner.txt"));
    ASSERT_EQ(::mkfifo(dir.path("rohr.txt").c_str(), 0600), 0);
    {
        // A sparse file just over the limit: refused before anything is read.
        const int fd = ::open(dir.path("riesig.txt").c_str(), O_WRONLY | O_CREAT, 0600);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::ftruncate(fd, (off_t{256} << 20) + 1), 0);
        ::close(fd);
    }
    struct Row {
        std::string path;
        Result result;
        const char* message; // part of the error text
    };
    const std::vector<Row> rows = {
        {"/dev/null", Result::Read, ""},
        {dir.path("ordner.txt"), Result::Failed, "Is a directory"},
        {dir.path("rohr.txt"), Result::Read, ""}, // no writer: empty, and no hang
        {dir.path("riesig.txt"), Result::Failed, "larger than 256 MB"},
    };
    const DataStore start = busyStore();
    DataStore store;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        std::string problem;
        EXPECT_EQ(checkedRead(store, start, row.path, 2, problem), row.result);
        EXPECT_EQ(problem, "");
        if (row.result == Result::Failed) {
            try {
                readDataFile(store, row.path);
            } catch (const FileError& e) {
                EXPECT_NE(std::string(e.what()).find(row.message), std::string::npos) << e.what();
                EXPECT_NE(std::string(e.what()).find(row.path), std::string::npos) << e.what();
            }
        } else {
            EXPECT_EQ(store.pointCount[2], 0);
            EXPECT_EQ(store.plot.heading, upperAscii(std::filesystem::path(row.path).filename().string()));
        }
    }
}

// Valid files of every kind, mutated the way damaged or foreign files look:
// bytes changed, inserted, dropped, repeated or cut off, and numbers swapped
// for extreme ones. Deterministic, and bounded: about a second here.
TEST(DataFileRobust, MutatedFilesNeverCorruptTheStore)
{
    std::vector<std::string> seeds = {
        readBytes(fixture("THREE.KWT")),
        readBytes(fixture("SAMPLE.VXN")),
        readBytes(fixture("messung.csv")),
        crlf({"Zeit;Wert", "01:30:15;7", "1,5 2,5", "3\t4\t5", "6", "", "7.5 V", "-8;9;10"}),
        crlf({"H", "C", "X", "0", "10", "A", "0", "1", "2.0103", "1", "2", "3", "4", "B", "-1", "1", "1.1415", "5", "6"}),
    };
    const std::vector<std::string> specials = {"\0", "\r", "\n", ";", ",", ":", "-", " ", "\t", "<", ">", ".",
                                               "1e300", "-7", "10001.0103", "9999.9999", "1e999", "0.0703", "E",
                                               std::string(70, '9')};
    const std::vector<const char*> names = {"m.kwt", "m.vxn", "m.txt"};

    std::mt19937 random(20250611);
    auto below = [&](size_t n) { return n == 0 ? size_t{0} : std::uniform_int_distribution<size_t>(0, n - 1)(random); };
    auto mutate = [&](std::string bytes) {
        const int steps = 1 + static_cast<int>(below(4));
        for (int k = 0; k < steps; ++k) {
            const size_t at = below(bytes.size() + 1);
            switch (below(6)) {
            case 0: // one byte anything
                if (at < bytes.size())
                    bytes[at] = static_cast<char>(below(256));
                break;
            case 1:
                bytes.insert(at, specials[below(specials.size())]);
                break;
            case 2:
                bytes.erase(at, below(12));
                break;
            case 3: {
                const std::string piece = bytes.substr(at, below(40));
                bytes.insert(below(bytes.size() + 1), piece);
                break;
            }
            case 4:
                bytes.resize(at);
                break;
            default: { // a whole line becomes an extreme number
                const size_t start = bytes.rfind('\n', at == 0 ? 0 : at - 1);
                const size_t from = start == std::string::npos ? 0 : start + 1;
                const size_t end = bytes.find('\r', from);
                bytes.replace(from, end == std::string::npos ? std::string::npos : end - from,
                              specials[12 + below(specials.size() - 12)]);
                break;
            }
            }
        }
        return bytes;
    };

    TempDir dir;
    const DataStore start = busyStore();
    DataStore store;
    int reads = 0;
    int failures = 0;
    for (int round = 0; round < 400; ++round) {
        const std::string bytes = mutate(seeds[below(seeds.size())]);
        for (const char* name : names) {
            const int target = 1 + static_cast<int>(below(9));
            std::string problem;
            const Result result = checkedRead(store, start, dir.write(name, bytes), target, problem);
            ASSERT_EQ(problem, "") << "round " << round << " as " << name << " into set " << target;
            (result == Result::Read ? reads : failures) += 1;
        }
    }
    // Both outcomes must occur, or the mutations test nothing.
    EXPECT_GT(reads, 100);
    EXPECT_GT(failures, 10);
}
