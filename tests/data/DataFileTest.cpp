// Reading data files: the KWT layout, plain X/Y lines, Vexon headers, and
// what a failed read leaves behind (nothing).

#include "DataFileFixture.h"

#include "data/DataFile.h"
#include "data/DataFilePath.h"
#include "data/Errors.h"

#include <cstring>
#include <filesystem>

using namespace datafiletest;

namespace {

// Writes `bytes` as `name` into a fresh folder and reads it into `store`.
ReadOutcome readFrom(DataStore& store, const TempDir& dir, const std::string& name, const std::string& bytes,
                     int target = 1)
{
    store.loadTargetSet = static_cast<uint8_t>(target);
    return readDataFile(store, dir.write(name, bytes));
}

// A KWT file of one set block whose set code is `code`, followed by `points`
// X/Y line pairs.
std::string oneBlockKwt(const std::string& code, int points)
{
    std::string out = crlf({"H", "C", "X", "0", "10", "Y1", "0", "1", code});
    for (int i = 0; i < points; ++i)
        out += std::to_string(i) + "\r\n" + std::to_string(2 * i) + "\r\n";
    return out;
}

} // namespace

TEST(DataFileReadKwt, FileEndingAfterThirdBlockLeavesLaterSetsAlone)
{
    DataStore store = busyStore();
    store.symbolNumber[3] = 11;
    store.drawFlags[3] = 6;
    const DataStore before = store;
    store.loadTargetSet = 1;
    const ReadOutcome outcome = readDataFile(store, fixture("THREE.KWT"));

    EXPECT_EQ(store.plot.heading, "Versuch 7");
    EXPECT_EQ(store.plot.comment, "Kommentar mit Umlaut \xE4");
    EXPECT_EQ(store.plot.xLabel, "Zeit / s");
    EXPECT_EQ(store.plot.xFrom, 0);
    EXPECT_EQ(store.plot.xTo, 100);

    EXPECT_EQ(store.yLabel[1], "Temperatur");
    EXPECT_EQ(store.yFrom[1], -10);
    EXPECT_EQ(store.yTo[1], 50.5);
    EXPECT_EQ(store.symbolNumber[1], 2);
    EXPECT_EQ(store.drawFlags[1], 3);
    EXPECT_EQ(pointsOf(store, 1), (Points{{1, 10.25}, {2, 20}, {3, 30.5}})); // sorted by X
    EXPECT_EQ(store.minYIndex[1], 1);
    EXPECT_EQ(store.maxYIndex[1], 3);

    // 0.0703: empty, symbol and flags stay; 2 (whole): two points, the same.
    EXPECT_EQ(store.yLabel[2], "Druck");
    EXPECT_EQ(store.pointCount[2], 0);
    EXPECT_EQ(store.symbolNumber[2], before.symbolNumber[2]);
    EXPECT_EQ(store.drawFlags[2], before.drawFlags[2]);
    EXPECT_EQ(pointsOf(store, 3), (Points{{4, 7}, {5, 6}}));
    EXPECT_EQ(store.symbolNumber[3], 11);
    EXPECT_EQ(store.drawFlags[3], 6);

    for (size_t s = 4; s <= 9; ++s) {
        EXPECT_EQ(store.yLabel[s], before.yLabel[s]) << s;
        EXPECT_EQ(pointsOf(store, static_cast<int>(s)), pointsOf(before, static_cast<int>(s))) << s;
        EXPECT_EQ(store.yTo[s], before.yTo[s]) << s;
    }

    EXPECT_FALSE(store.unsavedChanges);
    EXPECT_EQ(store.currentFileName, "THREE.KWT");
    EXPECT_EQ(store.currentSet, before.currentSet);
    EXPECT_EQ(outcome.imageOpenName, std::string(KURVIX_TEST_FILES) + "/THREE.BMP");
}

TEST(DataFileReadKwt, LineFeedOnlyFileReadsLikeCrLf)
{
    DataStore crlfStore = busyStore();
    DataStore lfStore = busyStore();
    crlfStore.loadTargetSet = lfStore.loadTargetSet = 1;
    readDataFile(crlfStore, fixture("THREE.KWT"));
    readDataFile(lfStore, fixture("THREE_LF.KWT"));
    lfStore.currentFileName = crlfStore.currentFileName;
    EXPECT_EQ(storeDifference(crlfStore, lfStore), "");
}

TEST(DataFileReadKwt, SecondFileShiftsBlocksAndStopsAtSetNine)
{
    struct Row {
        int target;
        std::vector<int> filled; // sets that get blocks 1, 2, 3 in turn
    };
    const std::vector<Row> rows = {{4, {4, 5, 6}}, {8, {8, 9}}, {9, {9}}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.target);
        DataStore store = busyStore();
        const DataStore before = store;
        store.loadTargetSet = static_cast<uint8_t>(row.target);
        readDataFile(store, fixture("THREE.KWT"));
        EXPECT_EQ(store.plot.heading, "Versuch 7"); // plot-wide lines are always taken
        const std::vector<std::string> labels = {"Temperatur", "Druck", "Leer"};
        for (int s = 1; s <= 9; ++s) {
            const auto it = std::find(row.filled.begin(), row.filled.end(), s);
            if (it != row.filled.end()) {
                EXPECT_EQ(store.yLabel[static_cast<size_t>(s)], labels[static_cast<size_t>(it - row.filled.begin())]);
            } else {
                EXPECT_EQ(pointsOf(store, s), pointsOf(before, s)) << "set " << s;
            }
        }
    }
}

TEST(DataFileReadKwt, SetCodeDecoding)
{
    struct Row {
        const char* code;
        int count;
        int symbol; // the set starts with symbol 5 and flags 9
        int flags;
    };
    const std::vector<Row> rows = {
        {"25.0103", 25, 1, 3},  {"25.0100", 25, 1, 0},  {"12", 12, 5, 9},       {"0.0703", 0, 5, 9},
        {"3.1415", 3, 14, 15},  {"1.0008", 1, 0, 8},    {"-2", 0, 5, 9},        {"0.9999", 0, 5, 9},
        {"2.0900", 2, 9, 0},    {"10000.0915", 10000, 9, 15},
    };
    TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        DataStore store;
        store.symbolNumber[1] = 5;
        store.drawFlags[1] = 9;
        readFrom(store, dir, "code.kwt", oneBlockKwt(row.code, row.count));
        EXPECT_EQ(store.pointCount[1], row.count);
        EXPECT_EQ(store.symbolNumber[1], row.symbol);
        EXPECT_EQ(store.drawFlags[1], row.flags);
        if (row.count > 0) {
            EXPECT_EQ(store.y(1, row.count), 2.0 * (row.count - 1));
        }
    }
}

TEST(DataFileReadKwt, NumberLineRules)
{
    struct Row {
        const char* name;
        std::string text; // stands where the lower end of the X axis is read
        double value;
    };
    const std::vector<Row> rows = {
        {"plain", "10", 10},
        {"blanks and tab first", " \t 10.5", 10.5},
        {"empty lines first", "\r\n\r\n-2", -2},
        {"text after the number", "7.25 Grad C", 7.25},
        {"control characters first", "\x01\x02 3", 3},
        {"exponent", "-1.5E3", -1500},
        {"bare fractions", "+.5", 0.5},
        {"lone point", ".", 0},
        {"a long token read whole", "1" + std::string(69, '0'), 1e69},
    };
    TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DataStore store;
        readFrom(store, dir, "n.kwt", "H\r\nC\r\nX\r\n" + row.text + "\r\n5\r\n");
        EXPECT_EQ(store.plot.xFrom, row.value);
        EXPECT_EQ(store.plot.xTo, 5);
    }
}

TEST(DataFileReadKwt, TextLinesAreCutAndKeepLeadingBlanks)
{
    TempDir dir;
    DataStore store;
    const std::string longHeading(100, 'h');
    readFrom(store, dir, "t.kwt",
             crlf({longHeading, "   eingerückt \xFC", std::string(40, 'x'), "0", "1", std::string(35, 'y'), "0", "1",
                   "0"}));
    EXPECT_EQ(store.plot.heading, std::string(80, 'h'));
    EXPECT_EQ(store.plot.comment, "   eingerückt \xFC");
    EXPECT_EQ(store.plot.xLabel, std::string(30, 'x'));
    EXPECT_EQ(store.yLabel[1], std::string(30, 'y'));
    EXPECT_EQ(store.plot.xTo, 1); // the cut rest of a line is skipped, not read as the next line
}

TEST(DataFileReadKwt, InvalidContentFailsAndLeavesStoreAsItWas)
{
    struct Row {
        const char* name;
        std::string bytes;
        int line;
    };
    const std::vector<Row> rows = {
        {"decimal comma", crlf({"H", "C", "X", "1,5", "2"}), 4},
        {"word as number", crlf({"H", "C", "X", "0", "10", "Y", "0", "10", "drei"}), 9},
        {"beyond a double", crlf({"H", "C", "X", "0", "1e999"}), 5},
        {"bad Y in the second block",
         crlf({"H", "C", "X", "0", "10", "A", "0", "1", "1.0103", "1", "2", "B", "0", "1", "2.0203", "1", "2", "3",
               "4x"}),
         19},
        {"after empty lines", crlf({"H", "C", "X", "", "", "1;2"}), 6},
        {"count beyond a set", crlf({"H", "C", "X", "0", "10", "Y", "0", "10", "10001.0103", "1", "2"}), 9},
    };
    TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DataStore store = busyStore();
        const DataStore before = store;
        try {
            readDataFile(store, dir.write("bad.kwt", row.bytes));
            ADD_FAILURE() << "no error";
        } catch (const InputError& e) {
            EXPECT_EQ(e.line(), row.line);
            EXPECT_EQ(e.file(), dir.path("bad.kwt"));
        }
        EXPECT_EQ(storeDifference(store, before), "");
    }
}

TEST(DataFileReadKwt, InvalidNumberMessageNamesFileAndLine)
{
    TempDir dir;
    DataStore store;
    store.loadTargetSet = 1;
    const std::string path = dir.write("bad.kwt", crlf({"H", "C", "X", "1,5"}));
    try {
        readDataFile(store, path);
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(std::string(e.what()), "Ungültige numerische Eingabe\nDatei: " + path + "\nZeile: 4");
    }
}

TEST(DataFileReadPlain, LineRules)
{
    struct Row {
        const char* name;
        std::string bytes;
        Points points; // sorted, as the read leaves them
    };
    const std::vector<Row> rows = {
        {"alternating X and Y lines", crlf({"1", "1.5", "2", "1.9"}), {{1, 1.5}, {2, 1.9}}},
        {"semicolons with a blank", crlf({"1;1.5", "2; 2.5"}), {{1, 1.5}, {2, 2.5}}},
        {"decimal commas", crlf({"1,5;2,5"}), {{1.5, 2.5}}},
        {"one blank", crlf({"3 4"}), {{3, 4}}},
        {"one tab", crlf({"3\t4"}), {{3, 4}}},
        {"third column joins Y", crlf({"1;2;3"}), {{1, 23}}},
        {"blanks between three columns", crlf({"1 2 3"}), {{1, 23}}},
        {"tabs between three columns", crlf({"1\t2\t3"}), {{1, 23}}},
        {"blank and tab", crlf({"1 2\t3"}), {{1, 23}}},
        {"Y cut at 15 characters", crlf({"1;1234567890123456789"}), {{1, 123456789012345}}},
        {"empty Y", crlf({"5;"}), {{5, 0}}},
        {"leading blanks", crlf({"   7;8"}), {{7, 8}}},
        {"negative values", crlf({"-1;-2"}), {{-1, -2}}},
        {"time hh:mm:ss", crlf({"01:30:15;7"}), {{5415, 7}}},
        {"time without seconds", crlf({"12:30;7"}), {{45000, 7}}},
        {"text lines", crlf({"Zeit;Wert", "", "+1;2", ".5;1", "\t1;2", "x 5", "5;6"}), {{5, 6}}},
        {"invalid fields read as 0", crlf({"1x;2", "3;4y"}), {{0, 2}, {3, 0}}},
        {"Y after empty lines, rest of its line skipped", crlf({"1", "", " 2.5 V", "3;4"}), {{1, 2.5}, {3, 4}}},
        {"X line at the end of the file", "4", {{4, 0}}},
        {"line feeds only", "3;0\n1;10\n2;5\n", {{1, 10}, {2, 5}, {3, 0}}},
        {"no line end at all", "1;2", {{1, 2}}},
    };
    TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DataStore store = busyStore();
        readFrom(store, dir, "plain.txt", row.bytes, 3);
        EXPECT_EQ(pointsOf(store, 3), row.points);
    }
}

TEST(DataFileReadPlain, ReplacesHeadingAxesAndTargetSetOnly)
{
    TempDir dir;
    DataStore store = busyStore();
    const DataStore before = store;
    const ReadOutcome outcome = readFrom(store, dir, "data.csv", crlf({"3;0", "1;10", "2;5"}), 4);
    EXPECT_EQ(store.plot.heading, "DATA.CSV");
    EXPECT_EQ(store.plot.comment, "");
    EXPECT_EQ(store.plot.xLabel, "");
    EXPECT_EQ(store.plot.xFrom, 0);
    EXPECT_EQ(store.plot.xTo, 0);
    EXPECT_EQ(store.yLabel[4], "Y");
    EXPECT_EQ(store.yFrom[4], 0);
    EXPECT_EQ(store.yTo[4], 0);
    EXPECT_EQ(pointsOf(store, 4), (Points{{1, 10}, {2, 5}, {3, 0}}));
    EXPECT_EQ(store.minYIndex[4], 3);
    EXPECT_EQ(store.maxYIndex[4], 1);
    EXPECT_EQ(store.symbolNumber[4], before.symbolNumber[4]);
    for (int s : {1, 2, 3, 5, 9}) {
        EXPECT_EQ(pointsOf(store, s), pointsOf(before, s)) << s;
        EXPECT_EQ(store.yLabel[static_cast<size_t>(s)], before.yLabel[static_cast<size_t>(s)]) << s;
    }
    EXPECT_EQ(store.currentFileName, "data.csv");
    EXPECT_FALSE(store.unsavedChanges);
    EXPECT_EQ(outcome.imageOpenName, dir.path("DATA.BMP"));
}

TEST(DataFileReadPlain, HeadingIsTheFileNameInTheStoresCharacterSet)
{
    struct Row {
        std::string name; // as the file system holds it
        std::string heading;
    };
    const std::vector<Row> rows = {
        {"gr\xC3\xB6\xC3\x9F" "e.csv", "GR\xF6\xDF" "E.CSV"},       // UTF-8: only a to z are upper-cased
        {"preis \xE2\x82\xAC.txt", "PREIS \x80.TXT"},                // the euro sign has a Windows-1252 byte
        {"\xE4rger.txt", "\xE4RGER.TXT"},                             // no UTF-8: taken byte for byte
        {std::string(90, 'n') + ".txt", std::string(80, 'N')},         // cut to 80 after the directory went
    };
    TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DataStore store;
        readFrom(store, dir, row.name, "1;2\r\n");
        EXPECT_EQ(store.plot.heading, row.heading);
        EXPECT_EQ(store.currentFileName, row.name); // the file system's name, unchanged
    }
}

TEST(DataFileReadPlain, ColumnTitlesAreSkipped)
{
    DataStore store;
    store.loadTargetSet = 1;
    readDataFile(store, fixture("messung.csv"));
    EXPECT_EQ(pointsOf(store, 1), (Points{{1, 0.1}, {2, 0.2}, {3, 0.3}, {4, 0.4}, {5, 0.5}}));
    EXPECT_EQ(store.plot.heading, "MESSUNG.CSV");
}

TEST(DataFileReadPlain, FullSetPassesTheReadingOn)
{
    struct Row {
        const char* name;
        int target;
        int pairs;
        bool set3Full;
        std::vector<std::pair<int, int>> setCounts; // set, count after the read
    };
    // busyStore gives every set two points; a full set 3 is prepared where named.
    const std::vector<Row> rows = {
        {"into set 2", 2, 10005, false, {{2, 10000}, {3, 7}, {4, 2}}},
        {"past a full set", 2, 10003, true, {{2, 10000}, {3, 10000}, {4, 5}}},
        {"beyond set 9 is dropped", 9, 10005, false, {{9, 10000}, {8, 2}}},
    };
    std::string lines;
    for (int i = 0; i < 10005; ++i)
        lines += std::to_string(i) + ";1\r\n";
    TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DataStore store = busyStore();
        if (row.set3Full)
            setPoints(store, 3, Points(kSetCapacity, {0.5, 0.5}));
        size_t end = 0;
        for (int i = 0; i < row.pairs; ++i)
            end = lines.find('\n', end) + 1;
        readFrom(store, dir, "many.txt", lines.substr(0, end), row.target);
        for (const auto& [set, count] : row.setCounts)
            EXPECT_EQ(store.pointCount[static_cast<size_t>(set)], count) << "set " << set;
    }
}

TEST(DataFileReadPlain, BadYAfterXLineFailsWithoutChange)
{
    TempDir dir;
    DataStore store = busyStore();
    const DataStore before = store;
    try {
        readFrom(store, dir, "x.txt", crlf({"1;2", "5", "", "2;3"}), 1);
        FAIL() << "no error";
    } catch (const InputError& e) {
        EXPECT_EQ(e.line(), 4);
    }
    store.loadTargetSet = before.loadTargetSet;
    EXPECT_EQ(storeDifference(store, before), "");
}

TEST(DataFileReadVexon, HeaderLinesAndSetOne)
{
    DataStore store = busyStore();
    const DataStore before = store;
    store.loadTargetSet = 5;
    readDataFile(store, fixture("SAMPLE.VXN"));
    EXPECT_EQ(store.plot.heading, " Probe A");
    EXPECT_EQ(store.yLabel[1], "Spannung");
    EXPECT_EQ(store.plot.xLabel, "sec");
    EXPECT_EQ(store.plot.xFrom, 0);
    EXPECT_EQ(store.plot.xTo, 0);
    EXPECT_EQ(store.yFrom[1], 0);
    EXPECT_EQ(store.yTo[1], 0);
    EXPECT_EQ(store.plot.comment, before.plot.comment);
    EXPECT_EQ(pointsOf(store, 1), (Points{{0, 1}, {1, 2}, {2, 4}})); // header lines 4 to 7 are no data
    EXPECT_EQ(pointsOf(store, 5), pointsOf(before, 5));
}

TEST(DataFileReadVexon, LabelRules)
{
    struct Row {
        const char* line3;
        const char* label;
    };
    const std::vector<Row> rows = {
        {"Strom<A>", "Strom"},
        {"Kraft<Kanal 2 in kN> max", "Kraft max"},
        {"<ohne>", "<ohne>"},
        {"Ohne Klammer", "Ohne Klammer"},
        {"", ""},
    };
    TempDir dir;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line3);
        DataStore store;
        readFrom(store, dir, "v.vxn", crlf({"a>b>Kopf", "zweite", row.line3, "", "", "", ""}));
        EXPECT_EQ(store.yLabel[1], row.label);
        EXPECT_EQ(store.plot.heading, "Kopf");
        EXPECT_EQ(store.pointCount[1], 0);
    }
}

TEST(DataFileRead, KindFollowsUpperCasedPath)
{
    enum class Kind { Kwt, Vexon, Plain };
    struct Row {
        const char* name;
        Kind kind;
    };
    const std::vector<Row> rows = {
        {"a.kwt", Kind::Kwt},        {"A.Kwt.txt", Kind::Kwt}, {"b.vxn", Kind::Vexon},
        {"b.VXN.kwt", Kind::Kwt},    {"c.dat", Kind::Plain},   {"kwt", Kind::Plain},
        {"ordner.kwt/d.txt", Kind::Kwt},
    };
    const std::string bytes = crlf({"Kopf", "K", "X", "1", "2"});
    TempDir dir;
    std::filesystem::create_directory(dir.path("ordner.kwt"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DataStore store;
        readFrom(store, dir, row.name, bytes);
        switch (row.kind) {
        case Kind::Kwt:
            EXPECT_EQ(store.plot.heading, "Kopf");
            EXPECT_EQ(store.plot.xTo, 2);
            break;
        case Kind::Vexon:
            EXPECT_EQ(store.plot.xLabel, "sec");
            break;
        case Kind::Plain:
            EXPECT_EQ(store.plot.heading, upperAscii(row.name));
            EXPECT_EQ(pointsOf(store, 1), (Points{{1, 2}}));
            break;
        }
    }
}

TEST(DataFileRead, PathsKeepTheirDirectoriesAndCase)
{
    struct Row {
        const char* name;
        const char* fileName;
        const char* imageName;
    };
    const std::vector<Row> rows = {
        {"my.dir/data.txt", "data.txt", "my.dir/DATA.BMP"},
        {"Mixed/Name.Two.csv", "Name.Two.csv", "Mixed/NAME.BMP"},
        {"my.dir/noext", "noext", "my.dir/NOEXT.BMP"},
        {"my.dir/back\\slash.txt", "slash.txt", "my.dir/back\\SLASH.BMP"},
    };
    TempDir dir;
    std::filesystem::create_directory(dir.path("my.dir"));
    std::filesystem::create_directory(dir.path("Mixed"));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        DataStore store;
        const ReadOutcome outcome = readFrom(store, dir, row.name, "1;2\r\n");
        EXPECT_EQ(store.currentFileName, row.fileName);
        EXPECT_EQ(outcome.imageOpenName, dir.path(row.imageName));
    }
}

TEST(DataFileRead, FileThatCannotBeOpenedLeavesStoreAsItWas)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path("ordner.kwt"));
    struct Row {
        std::string path;
        int error;
    };
    const std::vector<Row> rows = {
        {dir.path("fehlt.kwt"), ENOENT},
        {dir.path("ordner.kwt"), EISDIR},
        {dir.path("fehlt/x.txt"), ENOENT},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.path);
        DataStore store = busyStore();
        const DataStore before = store;
        try {
            readDataFile(store, row.path);
            ADD_FAILURE() << "no error";
        } catch (const FileError& e) {
            const std::string text = e.what();
            EXPECT_NE(text.find(row.path), std::string::npos) << text;
            EXPECT_NE(text.find(std::strerror(row.error)), std::string::npos) << text;
        }
        EXPECT_EQ(storeDifference(store, before), "");
    }
}

TEST(DataFileRead, MalformedInputs)
{
    enum class Outcome { Reads, InputFails, Either };
    struct Row {
        const char* file;
        Outcome outcome;
        int line; // of an input error
    };
    const std::vector<Row> rows = {
        {"empty.kwt", Outcome::Reads, 0},
        {"empty.txt", Outcome::Reads, 0},
        {"blank_lines.kwt", Outcome::Reads, 0},
        {"truncated_points.kwt", Outcome::Reads, 0},
        {"truncated_header.kwt", Outcome::Reads, 0},
        {"negative_count.kwt", Outcome::Reads, 0},
        {"huge_count.kwt", Outcome::InputFails, 9},
        {"count_10001.kwt", Outcome::InputFails, 9},
        {"overflow_number.kwt", Outcome::InputFails, 4},
        {"comma_number.kwt", Outcome::InputFails, 5},
        {"x_then_text.txt", Outcome::InputFails, 2},
        {"garbage.kwt", Outcome::Either, 0},
        {"garbage.txt", Outcome::Either, 0},
        {"garbage.vxn", Outcome::Either, 0},
    };
    size_t filesInFolder = 0;
    for (const auto& entry : std::filesystem::directory_iterator(fixture("malformed")))
        filesInFolder += entry.is_regular_file() ? 1 : 0;
    EXPECT_EQ(filesInFolder, rows.size()) << "every malformed file needs a row";

    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        DataStore store = busyStore();
        const DataStore before = store;
        bool failed = false;
        try {
            readDataFile(store, fixture(std::string("malformed/") + row.file));
        } catch (const InputError& e) {
            failed = true;
            if (row.outcome == Outcome::InputFails) {
                EXPECT_EQ(e.line(), row.line);
            }
        }
        if (row.outcome != Outcome::Either) {
            EXPECT_EQ(failed, row.outcome == Outcome::InputFails);
        }
        if (failed) {
            EXPECT_EQ(storeDifference(store, before), "");
        } else {
            for (int s = 0; s <= 9; ++s) {
                EXPECT_GE(store.pointCount[static_cast<size_t>(s)], 0);
                EXPECT_LE(store.pointCount[static_cast<size_t>(s)], kSetCapacity);
            }
            EXPECT_FALSE(store.unsavedChanges);
        }
    }
}

TEST(DataFileRead, TruncatedAndEmptyFilesReadWhatTheyHold)
{
    DataStore store = busyStore();
    const DataStore before = store;
    readDataFile(store, fixture("malformed/truncated_points.kwt"));
    // Missing number lines read as 0: four points, the last ones zero.
    EXPECT_EQ(pointsOf(store, 1), (Points{{0, 0}, {0, 0}, {1, 2}, {3, 0}}));

    store = busyStore();
    readDataFile(store, fixture("malformed/blank_lines.kwt"));
    EXPECT_EQ(store.plot.heading, "");
    EXPECT_EQ(store.plot.xTo, 0);
    for (int s = 1; s <= 9; ++s)
        EXPECT_EQ(pointsOf(store, s), pointsOf(before, s)) << s;

    store = busyStore();
    readDataFile(store, fixture("malformed/negative_count.kwt"));
    EXPECT_EQ(store.pointCount[1], 0);
    EXPECT_EQ(store.yLabel[2], "Z");
    EXPECT_EQ(store.pointCount[2], 0);
    EXPECT_EQ(store.symbolNumber[2], before.symbolNumber[2]); // a code below 1 keeps symbol and flags
}

// The command line's one-shot read (no fall-back copy) leaves exactly the
// store the windows' guarded read does.
TEST(DataFileRead, OneShotReadMatchesGuardedRead)
{
    for (const char* name : {"THREE.KWT", "THREE_LF.KWT", "SAMPLE.VXN", "messung.csv"})
        for (const uint8_t target : {uint8_t{1}, uint8_t{3}, uint8_t{9}}) {
            SCOPED_TRACE(std::string(name) + " into " + std::to_string(target));
            DataStore guarded;
            guarded.loadTargetSet = target;
            DataStore once = guarded;
            readDataFile(guarded, fixture(name));
            readDataFileOnce(once, fixture(name));
            EXPECT_EQ(storecheck::difference(guarded, once), "");
        }
}
