#include "print/DataListing.h"

#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Readable failure messages for the listing's lines.
void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

const QString kIndent(40, QLatin1Char(' '));

void fill(DataStore& store, int set, const std::vector<std::pair<double, double>>& points)
{
    store.pointCount[static_cast<size_t>(set)] = static_cast<int32_t>(points.size());
    for (size_t i = 0; i < points.size(); ++i) {
        store.x(set, static_cast<int>(i) + 1) = points[i].first;
        store.y(set, static_cast<int>(i) + 1) = points[i].second;
    }
}

void fillCount(DataStore& store, int n)
{
    std::vector<std::pair<double, double>> points;
    for (int i = 1; i <= n; ++i)
        points.emplace_back(i, 2 * i);
    fill(store, store.currentSet, points);
}

QStringList lines(DataStore& store)
{
    return dataListing(store, QStringLiteral("08.12.2026"), QStringLiteral("04:10:00")).split(QLatin1Char('\n'));
}

TEST(DataListing, HeaderOfTheFivePointExample)
{
    DataStore store;
    store.currentSet = 2;
    fill(store, 2, {{20.4, 9.2}, {19.7, 8.9}, {21.8, 11.4}, {20.1, 9.4}, {20.7, 10.3}});
    store.currentFileName = "/data/probe.kwt";
    store.setHeading("Heat");
    store.setComment("run 2");
    store.setXLabel("t");
    store.setYLabel(2, "T");
    const QStringList l = lines(store);
    ASSERT_GE(l.size(), 16);
    for (int i : {0, 1, 2})
        EXPECT_EQ(l[i], QStringLiteral(" "));
    for (int i : {4, 6, 8, 10})
        EXPECT_EQ(l[i], QString());
    EXPECT_EQ(l[3], kIndent + "Kurvix " + QString(10, ' ') + "08.12.2026" + QString(10, ' ') + "04:10:00"
                        + QString(10, ' ') + "/data/probe.kwt");
    EXPECT_EQ(l[5], kIndent + "Heat" + QString(10, ' ') + "run 2");
    EXPECT_EQ(l[7], kIndent + "y = a x + b    a= 1.229   b=-15.41    n=5   r=0.96212");
    EXPECT_EQ(l[9], kIndent + "X: t     Y: T (Set # 2)");
    EXPECT_EQ(l[11], kIndent + "  1:    20.40     9.200") << "the points as the set holds them";
}

// An empty set prints the header with n=0 and the line last computed.
TEST(DataListing, EmptySetKeepsTheLastLine)
{
    DataStore store;
    fill(store, 1, {{1, 3}, {2, 1}});
    lines(store);
    fill(store, 1, {});
    const QStringList l = lines(store);
    EXPECT_EQ(l.size(), 12) << "eleven lines and the end";
    EXPECT_EQ(l[7], kIndent + "y = a x + b    a=-2.000   b= 5.000    n=0   r=-1.0000");
}

TEST(DataListing, EntriesAreRightAlignedAndNeverCut)
{
    DataStore store;
    fill(store, 1, {{0.5, 1}, {1234.56, 2}, {123456789, -3}});
    const QStringList l = lines(store);
    EXPECT_EQ(l[11], kIndent + "  1:   0.5000     1.000");
    EXPECT_EQ(l[12], kIndent + "  2:     1235     2.000");
    EXPECT_EQ(l[13], kIndent + "  3: 123456789    -3.000");
}

// Rows of up to four entries, 64 rows a page, the form feed after each 64th.
TEST(DataListing, PagesOfFourColumns)
{
    const struct {
        int n;
        std::vector<int> entriesPerRow; // per page, rows after the header
        int pageBreaks;
    } cases[] = {
        {3, {1, 1, 1}, 0},
        {64, std::vector<int>(64, 1), 1},
        {100, [] { std::vector<int> v(36, 2); v.resize(64, 1); return v; }(), 1},
        {256, std::vector<int>(64, 4), 1},
        {300, [] { std::vector<int> v(64, 4); v.resize(64 + 44, 1); return v; }(), 1},
    };
    for (const auto& c : cases) {
        DataStore store;
        fillCount(store, c.n);
        const QString text = dataListing(store, "d", "t");
        EXPECT_EQ(text.count(QLatin1Char('\f')), c.pageBreaks) << c.n;
        std::vector<int> entries;
        const QStringList rows = text.split(QLatin1Char('\n')).mid(11);
        for (const QString& row : rows)
            if (row.contains(QLatin1Char(':')))
                entries.push_back(static_cast<int>(row.count(QLatin1Char(':'))));
        EXPECT_EQ(entries, c.entriesPerRow) << c.n;
        if (c.pageBreaks > 0) {
            EXPECT_TRUE(rows[64].startsWith(QLatin1Char('\f'))) << c.n;
        }
    }
    DataStore store;
    fillCount(store, 300);
    const QStringList rows = dataListing(store, "d", "t").split(QLatin1Char('\n')).mid(11);
    EXPECT_EQ(rows[0], kIndent + "  1:    1.000     2.000" + QString(20, ' ') + " 65:    65.00     130.0"
                           + QString(20, ' ') + "129:    129.0     258.0" + QString(20, ' ') + "193:    193.0     386.0");
    EXPECT_EQ(rows[64], QStringLiteral("\f")) << "page 2 begins with an empty line";
    EXPECT_EQ(rows[65], kIndent + "257:    257.0     514.0");
}

int pdfPages(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return static_cast<int>(QString::fromLatin1(file.readAll()).count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

TEST(DataListing, PrintsOnAPagedDevice)
{
    QTemporaryDir dir;
    for (const auto& [n, pages] : {std::pair{3, 1}, std::pair{100, 2}, std::pair{300, 2}}) {
        DataStore store;
        fillCount(store, n);
        const QString pdf = dir.filePath(QStringLiteral("list%1.pdf").arg(n));
        {
            QPdfWriter writer(pdf);
            writer.setResolution(600);
            printDataListing(store, writer, QDateTime(QDate(2026, 12, 8), QTime(4, 10)));
        }
        EXPECT_EQ(pdfPages(pdf), pages) << n;
    }
}

} // namespace
