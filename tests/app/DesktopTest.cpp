// What the desktop sees of the program: its icon, and the example files
// shipped with it, each of which opens as File / Open does without a message,
// plots through the command line's --export and is named in the help text.

#include "app/ApplicationIcon.h"
#include "commands/FileCommands.h"
#include "commands/GridText.h"
#include "data/Cp1252.h"
#include "help/HelpText.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

QString example(const char* name) { return QStringLiteral(KURVIX_EXAMPLES "/") + QString::fromLatin1(name); }

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Finished {
    int status;
    QByteArray err;
};

Finished kurvix(const QStringList& args)
{
    QProcess process;
    process.start(QStringLiteral(KURVIX_BINARY), args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1, process.readAllStandardError()};
}

// Pixels inside the frame that are not white: without a grid, only the
// points, lines and curves of the sets draw there.
int dataPixels(const QImage& image)
{
    int n = 0;
    for (int y = 70; y < 411; ++y)
        for (int x = 70; x < 411; ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

TEST(Examples, OpenWithoutMessageAndPlot)
{
    const struct {
        const char* file;
        const char* heading; // UTF-8
        int set1, set2;
        // A KWT file brings its axis ranges; plain and Vexon files read with
        // all ranges 0 and plot on autoscaled axes.
        bool autoscale;
    } rows[] = {
        {"solarzelle.kwt", "Kennlinie einer Solarzelle", 18, 18, false},
        {"wetterstation.csv", "WETTERSTATION.CSV", 29, 0, true},
        {"pendel.vxn", "Federpendel mit Luftdämpfung", 241, 0, true},
    };
    QTemporaryDir out;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file);
        DataStore store;
        GridText grid;
        Workspace ws(store, grid);
        const Outcome opened = commands::openFile(ws, example(row.file).toStdString());
        EXPECT_EQ(opened.kind, OutcomeKind::Done) << opened.message;
        EXPECT_EQ(utf8FromCp1252(store.plot.heading), row.heading);
        EXPECT_EQ(store.pointCount[1], row.set1);
        EXPECT_EQ(store.pointCount[2], row.set2);

        const QString image = out.filePath(QString::fromLatin1(row.file) + QStringLiteral(".png"));
        QStringList args = {QStringLiteral("--export"), image, example(row.file), QStringLiteral("--no-date")};
        if (row.autoscale)
            args << QStringLiteral("--autoscale");
        const Finished run = kurvix(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
        const QImage plot(image);
        ASSERT_EQ(plot.size(), QSize(480, 480));
        EXPECT_GT(dataPixels(plot), 300);
    }
}

// The KWT example is byte for byte what the program itself writes for it.
TEST(Examples, KwtExampleIsWrittenBackUnchanged)
{
    QTemporaryDir out;
    const QString copy = out.filePath(QStringLiteral("copy.kwt"));
    const Finished run = kurvix({QStringLiteral("--convert"), example("solarzelle.kwt"), copy});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_EQ(readFile(copy), readFile(example("solarzelle.kwt")));
}

TEST(Examples, HelpTextNamesEveryExample)
{
    const QStringList files = QDir(QStringLiteral(KURVIX_EXAMPLES)).entryList(QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files)
        EXPECT_TRUE(helpText().contains(file)) << file.toStdString();
    EXPECT_TRUE(helpText().contains(QStringLiteral("/usr/share/kurvix/examples")));
}

TEST(ApplicationIcon, WindowSizesOfTheIconTheme)
{
    const QIcon icon = applicationIcon();
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    const QList<QSize> expected = {{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}};
    EXPECT_EQ(sizes, expected);
    for (const QSize size : expected)
        EXPECT_EQ(icon.pixmap(size).size(), size);
}

} // namespace
