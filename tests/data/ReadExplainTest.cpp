// The report of how a file is read: the notes that explain surprises, and
// points that are exactly what File / "&Open" reads.

#include "DataFileFixture.h"

#include "data/DataFile.h"
#include "data/DataFileReader.h"
#include "data/Errors.h"
#include "data/PointText.h"
#include "data/ReadExplain.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>

using namespace datafiletest;

namespace {

TEST(ReadExplain, LinesCarryTheirNotes)
{
    struct Row {
        const char* file;
        std::string bytes;
        std::vector<const char*> notes;
    };
    std::string full;
    for (int i = 0; i < kSetCapacity + 1; ++i)
        full += "1;2\n";
    const Row rows[] = {
        {"a.csv", "1;2;3\r\n", {"set 1 point 1: X = 1, Y = 23", "a third column is joined onto Y: \"2;3\" read as \"23\""}},
        {"a.csv", "09:30:00;1\r\n", {"X = 34200", "hh \"09\", mm \"30\", ss \"00\" read as 9 h 30 min 0 s = 34200 s"}},
        {"a.csv", "9:30:00;1\r\n", {"X = 0,", "hh \"9:\", mm \"0:\", ss \"0\"", "exactly two characters"}},
        {"a.csv", "1,5;2,5\r\n", {"X = 1.5, Y = 2.5", "decimal comma replaced by a point"}},
        {"a.csv", "1.2.3;4\r\n", {"X text \"1.2.3\" is no number: read as 0"}},
        {"a.csv", "5;\r\n", {"Y text empty: read as 0"}},
        {"a.csv", "5;x\r\n", {"Y text \"x\" is no number: read as 0"}},
        {"a.csv", "1;1234567890123456789\r\n", {"Y = 123456789012345", "cut to its first 15 characters"}},
        {"a.csv", "Zeit;Wert\r\n\r\n3\t4\r\n", {"text line, skipped", "empty line, skipped", "   3  3<TAB>4"}},
        {"a.csv", "5\r\n\r\n7 cm\r\n", {"X = 5 alone", "blank line, passed over",
                                         "set 1 point 1: X = 5, Y = 7 (X from line 1)",
                                         "the rest of the line is ignored: \"cm\""}},
        {"a.csv", "5\r\n", {"(end of the file)", "Y = 0 (X from line 1); end of the file: Y read as 0"}},
        {"a.csv", full, {"set 1 is full (10000 points): the points go on in set 2", "set 2 point 1: X = 1, Y = 2"}},
        {"a.kwt", "H\r\nC\r\nX\r\n0\r\n1 s\r\nY\r\n0\r\n1\r\n2.0103\r\n5\r\n6\r\n",
         {"X axis to 1", "the rest of the line is ignored: \"s\"", "set code 2.0103: 2 points, symbol 1, flags 3 "
                                                                  "(symbols, connecting lines)",
          "set 1 point 2: X = 0 (end of the file: read as 0)"}},
        {"a.kwt", "H\r\nC\r\nX\r\n0\r\n1\r\nY\r\n0\r\n1\r\n12\r\n", {"set code 12: 12 points; symbol and flags unchanged"}},
        {"a.kwt", "H\r\nC\r\nX\r\n0\r\n1\r\nY\r\n0\r\n1\r\n0.0703\r\n\r\n \r\n",
         {"below 1, no points", "Lines 10 to 11: not read, nothing but blanks follows"}},
        {"a.vxn", "V > Kopf\r\nL\r\nU <mV>\r\n4\r\n5\r\n6\r\n7\r\n1;2\r\n",
         {"heading \" Kopf\"", "replaced by the next line", "Y-axis label \"U \" (\"<\" and what follows it cut off)",
          "header line, not used"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.bytes.substr(0, 60));
        const std::string text = explainDataBytes(row.bytes, row.file, 1).text;
        for (const char* note : row.notes)
            EXPECT_NE(text.find(note), std::string::npos) << note << "\n" << text.substr(0, 2000);
    }
    // Full sets from set 9 on: the pairs beyond it are dropped and counted.
    const std::string text = explainDataBytes(full, "a.csv", 9).text;
    EXPECT_NE(text.find("further points are dropped"), std::string::npos);
    EXPECT_NE(text.find("pairs dropped after set 9: 1"), std::string::npos);
}

// The points "set S point I: X = x, Y = y" (or X and Y on lines of their
// own) the report lists, as a store holds them before sorting.
DataStore pointsListed(const std::string& report)
{
    DataStore store;
    static const std::regex point(R"(set (\d+) point (\d+): (?:X = ([-+.e0-9]+))?(?:, )?(?:Y = ([-+.e0-9]+))?)");
    for (auto it = std::sregex_iterator(report.begin(), report.end(), point); it != std::sregex_iterator(); ++it) {
        const int s = std::stoi((*it)[1]);
        const int i = std::stoi((*it)[2]);
        store.pointCount[static_cast<size_t>(s)] = std::max(store.pointCount[static_cast<size_t>(s)], i);
        if ((*it)[3].matched)
            store.x(s, i) = std::strtod((*it)[3].str().c_str(), nullptr);
        if ((*it)[4].matched)
            store.y(s, i) = std::strtod((*it)[4].str().c_str(), nullptr);
    }
    for (int s = kFirstSet; s <= kLastSet; ++s)
        store.sortSet(s);
    return store;
}

TEST(ReadExplain, ListsExactlyThePointsOpenReads)
{
    std::vector<std::string> files;
    for (const char* folder : {"", "malformed/"})
        for (const auto& entry : std::filesystem::directory_iterator(fixture(folder)))
            if (entry.is_regular_file())
                files.push_back(entry.path().string());
    ASSERT_GT(files.size(), 15u);
    for (const std::string& file : files) {
        for (const int firstSet : {1, 8}) {
            SCOPED_TRACE(file + " into " + std::to_string(firstSet));
            const ReadExplanation report = explainDataFile(file, firstSet);
            DataStore opened;
            opened.loadTargetSet = static_cast<uint8_t>(firstSet);
            try {
                readDataFile(opened, file);
            } catch (const InputError& failure) {
                EXPECT_EQ(report.failure, failure.what());
                continue;
            }
            EXPECT_EQ(report.failure, "");
            const DataStore listed = pointsListed(report.text);
            for (int s = kFirstSet; s <= kLastSet; ++s)
                EXPECT_EQ(pointsOf(listed, s), pointsOf(opened, s)) << "set " << s;
        }
    }
}

TEST(PointText, SetToTextToSetIsExact)
{
    // Values of up to 10 decimals whose text fits the reader's Y field, and
    // the signs, magnitudes and exponents a set can hold.
    const Points values = {
        {0, 0},          {-0.0, 1},           {1.5, -2.25},      {0.1, 0.2},       {1234.0123456789, -0.0000000001},
        {1e-10, 1e10},   {-98765.4321, 3e-7}, {1e300, -1e-300},  {1.0 / 3, 2.0 / 3}, {123456789012345, 9999.9999999999},
        {-7.5e-5, -1.25e22},
    };
    DataStore store;
    setPoints(store, 3, values);
    store.currentSet = 3;
    const std::string text = pointsAsText(store, 3);

    DataStore back;
    const PlainTextRead read = readPlainText(back, text, 3, "clipboard");
    EXPECT_EQ(read.points, static_cast<int>(values.size()));
    ASSERT_EQ(back.pointCount[3], static_cast<int>(values.size()));
    for (size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::signbit(back.x(3, static_cast<int>(i) + 1)), std::signbit(values[i].first));
        EXPECT_EQ(back.x(3, static_cast<int>(i) + 1), values[i].first);
        // Y beyond the field (1/3, 2/3 have 17 digits) comes back as the
        // closest value that fits; everything else exactly.
        const double y = back.y(3, static_cast<int>(i) + 1);
        if (i == 8)
            EXPECT_NEAR(y, values[i].second, 1e-13);
        else
            EXPECT_EQ(y, values[i].second);
    }
    // Each line is X, a tab, Y: a spreadsheet's two columns.
    EXPECT_EQ(text.substr(0, text.find('\n', text.find('\n') + 1) + 1), "0\t0\n-0\t1\n");
}

TEST(PointText, PastedTextFillsTheSetAndGoesOnAfterAFullOne)
{
    DataStore store = busyStore();
    // Two columns from a German spreadsheet: a title row, commas, tabs.
    std::string text = "Zeit\tSpannung\r\n1,5\t-2,25\r\n";
    for (int i = 0; i < kSetCapacity; ++i)
        text += "2\t3\r\n";
    const PlainTextRead read = readPlainText(store, text, 4, "clipboard");
    EXPECT_EQ(read.points, kSetCapacity + 1);
    EXPECT_EQ(read.firstChanged, 4);
    EXPECT_EQ(read.lastChanged, 5);
    EXPECT_EQ(store.pointCount[4], kSetCapacity);
    EXPECT_EQ(store.x(4, 1), 1.5);
    EXPECT_EQ(store.y(4, 1), -2.25);
    EXPECT_EQ(pointsOf(store, 5), (Points{{5, 1}, {6, 2}, {2, 3}})) << "appended after what set 5 held";
    EXPECT_EQ(store.yLabel[4], "Alt 4") << "labels stay";
    EXPECT_EQ(store.plot.heading, "Alte Kopfzeile");
}

} // namespace
