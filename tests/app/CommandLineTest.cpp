#include "commands/ScriptRun.h"
#include "editor/ImageFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ProcessResult {
    int status;
    QString out, err;
};

// The lean front runs some modes itself and hands the drawing modes to a
// program without widgets; the full program must give the same for them,
// byte for byte.
enum class Program { Front, Full };

ProcessResult kurvix(const QStringList& args, const QString& workDir = QString(), Program program = Program::Front)
{
    const QString binary = program == Program::Front
        ? QStringLiteral(KURVIX_BINARY)
        : QFileInfo(QStringLiteral(KURVIX_BINARY)).dir().filePath(QStringLiteral("kurvix-qt"));
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);
    if (!workDir.isEmpty())
        process.setWorkingDirectory(workDir);
    process.start(binary, args);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class CommandLine : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

TEST_F(CommandLine, HelpAndUsage)
{
    const ProcessResult help = kurvix({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--convert", "--into", "--export", "--no-date", "--no-filename", "--grid", "--symbol-table",
                               "--autoscale", "--run", "--jobs", "--listing", "--set", "--pdf", "--explain", "--help",
                               "--version"})
        EXPECT_TRUE(help.out.contains(QString::fromLatin1(option))) << option;
    for (const ScriptCommand& command : scriptCommands())
        EXPECT_TRUE(help.out.contains(QStringLiteral("  %1").arg(QString::fromLatin1(commandInfo(command.id).scriptWord))))
            << commandInfo(command.id).scriptWord;

    const QStringList bad[] = {
        {QStringLiteral("--frobnicate")},
        {QStringLiteral("--convert"), QStringLiteral("only-one")},
        {QStringLiteral("--convert"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("--into")},
        {QStringLiteral("--export"), QStringLiteral("x.png")},
        {QStringLiteral("--export"), QStringLiteral("x.png"), QStringLiteral("in.kwt"), QStringLiteral("--colour")},
        {QStringLiteral("--run")},
        {QStringLiteral("--run"), QStringLiteral("s.txt"), QStringLiteral("--jobs"), QStringLiteral("0")},
        {QStringLiteral("--listing")},
        {QStringLiteral("--listing"), QStringLiteral("in.kwt"), QStringLiteral("--set"), QStringLiteral("10")},
    };
    for (const QStringList& args : bad) {
        const ProcessResult r = kurvix(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.contains(QStringLiteral("Usage"))) << args.join(' ').toStdString();
    }
}

TEST_F(CommandLine, ConvertPlainToKwtUnderTheExactName)
{
    writeFile(path("data.txt"), "x y\r\n1;1.5\r\n2;2.5\r\n");
    const ProcessResult r = kurvix({QStringLiteral("--convert"), path("data.txt"), path("out.kwt")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(QFile::exists(path("out.kwt")));
    EXPECT_FALSE(QFile::exists(path("OUT.KWT")));
    const QList<QByteArray> lines = readFile(path("out.kwt")).split('\n');
    ASSERT_GT(lines.size(), 12);
    EXPECT_EQ(lines[0], "DATA.TXT\r");
    EXPECT_EQ(lines[5], "Y\r");
    EXPECT_EQ(lines[8], "  2.0103\r");
    EXPECT_EQ(lines[9], "    1.0000000000\r");
    EXPECT_EQ(lines[10], "    1.5000000000\r");
}

TEST_F(CommandLine, ConvertIntoASetAndToAscii)
{
    writeFile(path("in.asc"), "1;2\r\n3;4\r\n");
    const ProcessResult r = kurvix({QStringLiteral("--convert"), path("in.asc"), path("mid.kwt"), QStringLiteral("--into"), QStringLiteral("3")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QList<QByteArray> lines = readFile(path("mid.kwt")).split('\n');
    // Sets 1 and 2 are empty blocks of four lines; set 3 holds the points.
    ASSERT_GT(lines.size(), 17);
    EXPECT_EQ(lines[8], "  0.0103\r");
    EXPECT_EQ(lines[12], "  0.0203\r");
    EXPECT_EQ(lines[16], "  2.0303\r");

    const ProcessResult back = kurvix({QStringLiteral("--convert"), path("mid.kwt"), path("back.asc")});
    ASSERT_EQ(back.status, 0) << back.err.toStdString();
    EXPECT_EQ(readFile(path("back.asc")), "1.000000000;2.000000000\r\n3.000000000;4.000000000\r\n");
}

TEST_F(CommandLine, FailuresWriteNothing)
{
    struct Case {
        const char* name;
        QStringList args;
        const char* out;
        const char* message;
    };
    writeFile(path("bad.kwt"), "h\r\nc\r\nX\r\n0\r\n1,5\r\n");
    writeFile(path("ok.asc"), "1;2\r\n");
    writeFile(path("zero.asc"), "0;0\r\n");
    const Case cases[] = {
        {"missing input", {QStringLiteral("--convert"), path("missing.kwt"), path("o1.kwt")}, "o1.kwt", "missing.kwt"},
        {"bad number", {QStringLiteral("--convert"), path("bad.kwt"), path("o2.asc")}, "o2.asc", "Ungültige numerische Eingabe"},
        {"set out of range", {QStringLiteral("--convert"), path("ok.asc"), path("o3.kwt"), QStringLiteral("--into"), QStringLiteral("10")}, "o3.kwt", "1 to 9"},
        {"set not a number", {QStringLiteral("--convert"), path("ok.asc"), path("o4.kwt"), QStringLiteral("--into"), QStringLiteral("x")}, "o4.kwt", "'x' ist kein gültiger Integerwert"},
        {"export missing input", {QStringLiteral("--export"), path("o5.png"), path("missing.kwt")}, "o5.png", "missing.kwt"},
        // A plain file leaves the X range 0..0: mapping a point divides 0 by 0.
        {"export zero range", {QStringLiteral("--export"), path("o6.png"), path("zero.asc")}, "o6.png", "Ungültige Gleitkommaoperation"},
    };
    for (const auto& c : cases) {
        const ProcessResult r = kurvix(c.args);
        EXPECT_EQ(r.status, 1) << c.name;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.message))) << c.name << ": " << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(path(c.out))) << c.name;
    }
}

TEST_F(CommandLine, ExportWritesThePlot)
{
    writeFile(path("p.kwt"),
              "Heading\r\nComment\r\nTime\r\n0\r\n10\r\n"
              "Volt\r\n0\r\n10\r\n3.0103\r\n1\r\n1\r\n2\r\n5\r\n3\r\n2\r\n");
    for (const char* name : {"plot.png", "plot.bmp", "Plot.Bmp"}) {
        const ProcessResult r = kurvix({QStringLiteral("--export"), path(name), path("p.kwt"), QStringLiteral("--no-date")});
        ASSERT_EQ(r.status, 0) << name << r.err.toStdString();
        const QImage image(path(name));
        ASSERT_EQ(image.size(), QSize(480, 480)) << name;
        // The frame's top-left corner, in the default black pen.
        EXPECT_EQ(image.pixel(65, 65) & 0xFFFFFF, 0u) << name;
        EXPECT_EQ(image.pixel(10, 10) & 0xFFFFFF, 0xFFFFFFu) << name;
    }
    // SVG and PDF files hold the plot as vector shapes, from --export and
    // from a script's export alike.
    writeFile(path("s.txt"), "open $FILE\nexport $DIR/run.svg\nexport $DIR/Run.Pdf\n");
    const ProcessResult run = kurvix({QStringLiteral("--run"), path("s.txt"), path("p.kwt")});
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const struct {
        const char* name;
        const char* magic;
        bool byScript;
    } vectorRows[] = {
        {"plot.svg", "<?xml", false}, {"Plot.PDF", "%PDF", false}, {"run.svg", "<?xml", true}, {"Run.Pdf", "%PDF", true}};
    for (const auto& row : vectorRows) {
        if (!row.byScript) {
            const ProcessResult r =
                kurvix({QStringLiteral("--export"), path(row.name), path("p.kwt"), QStringLiteral("--no-date")});
            ASSERT_EQ(r.status, 0) << row.name << r.err.toStdString();
        }
        QFile file(path(row.name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << row.name;
        EXPECT_TRUE(file.read(qstrlen(row.magic)) == QByteArray(row.magic)) << row.name;
    }
    // Any other name is a JPEG file.
    for (const char* name : {"plot.jpg", "plot.gif"}) {
        const ProcessResult r = kurvix({QStringLiteral("--export"), path(name), path("p.kwt"), QStringLiteral("--no-date")});
        ASSERT_EQ(r.status, 0) << name << r.err.toStdString();
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_TRUE(file.read(3) == QByteArray("\xFF\xD8\xFF")) << name;
        EXPECT_EQ(readImageFile(path(name).toStdString(), ImageFormat::Jpeg).size(), QSize(480, 480)) << name;
    }
    const ProcessResult table = kurvix({QStringLiteral("--export"), path("table.png"), path("p.kwt"), QStringLiteral("--symbol-table")});
    ASSERT_EQ(table.status, 0) << table.err.toStdString();
    const QImage image(path("table.png"));
    ASSERT_EQ(image.size(), QSize(480, 480));
    // No frame on the symbol table.
    EXPECT_EQ(image.pixel(65, 65) & 0xFFFFFF, 0xFFFFFFu);

    // A plain file's ranges are 0..0, which cannot be plotted until autoscaled.
    writeFile(path("zero.asc"), "0;0\r\n");
    const ProcessResult scaled = kurvix({QStringLiteral("--export"), path("zero.png"), path("zero.asc"), QStringLiteral("--autoscale")});
    ASSERT_EQ(scaled.status, 0) << scaled.err.toStdString();
    EXPECT_EQ(QImage(path("zero.png")).size(), QSize(480, 480));
}

// A failing command names the script's line and the file; the next file
// still runs, and the run ends with status 1.
TEST_F(CommandLine, RunStopsAFilesRunAndGoesOn)
{
    writeFile(path("s.txt"), "# two points are too few for the filter\nopen $FILE\r\nfilter 3\nsave $DIR/$NAME.kwt\n");
    writeFile(path("short.txt"), "1 1\n2 2\n");
    writeFile(path("long.txt"), "1 1\n2 5\n3 2\n4 3\n5 9\n6 1\n");
    writeFile(path("bad.kwt"), "h\r\nc\r\nX\r\n0\r\n1,5\r\n");
    const ProcessResult r = kurvix({QStringLiteral("--run"), path("s.txt"), path("short.txt"), path("bad.kwt"), path("long.txt")});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, QString());
    EXPECT_EQ(r.err, path("s.txt") + ":3: No data to filter (" + path("short.txt") + ")\n" + path("s.txt")
                         + ":2: Ungültige numerische Eingabe Datei: " + path("bad.kwt") + " Zeile: 5 (" + path("bad.kwt")
                         + ")\n");
    EXPECT_FALSE(QFile::exists(path("short.kwt")));
    EXPECT_TRUE(readFile(path("long.kwt")).startsWith("LONG.TXT\r\n"));

    const ProcessResult done = kurvix({QStringLiteral("--run"), path("s.txt"), path("long.txt")});
    EXPECT_EQ(done.status, 0) << done.err.toStdString();
    EXPECT_EQ(done.err, QString());
}

// Bad lines are found before anything runs.
TEST_F(CommandLine, RunRefusesABadScriptBeforeRunning)
{
    const struct {
        const char* script;
        QStringList files;
        const char* message;
    } rows[] = {
        {"save first.kwt\nfrobnicate\n", {}, ":2: unknown command frobnicate\n"},
        {"save first.kwt\nopen2 3\nsmooth x\n", {}, ":2: missing argument: open2 N PATH\n"},
        {"save first.kwt\nexport $NAME.png\n", {}, ":2: $FILE, $NAME and $DIR need a FILE to run on\n"},
    };
    for (const auto& row : rows) {
        writeFile(path("bad.txt"), row.script);
        const ProcessResult r = kurvix(QStringList{QStringLiteral("--run"), path("bad.txt")} + row.files, dir.path());
        EXPECT_EQ(r.status, 2) << row.script;
        EXPECT_TRUE(r.err.startsWith(path("bad.txt") + QString::fromUtf8(row.message))) << r.err.toStdString();
        EXPECT_FALSE(QFile::exists(path("first.kwt"))) << row.script;
    }
}

TEST_F(CommandLine, RunGivesTheSameOutputsOnAnyNumberOfJobs)
{
    writeFile(path("s.txt"), "open $FILE\ndatetime off\nxto 8\nyto 12\nsmooth\nfilter 3\nderivative\n"
                             "save out/$NAME.kwt\nexport out/$NAME.png\nlisting out/$NAME.pdf\n");
    QStringList args{QStringLiteral("--run"), path("s.txt")};
    for (int i = 0; i < 7; ++i) {
        QByteArray data;
        for (int p = 1; p <= (i == 3 ? 3 : 40 + i); ++p)
            data += QByteArray::number(p * 0.2) + ' ' + QByteArray::number((p * 7 + i) % 11) + '\n';
        writeFile(path(qPrintable(QStringLiteral("f%1.txt").arg(i))), data);
        args << path(qPrintable(QStringLiteral("f%1.txt").arg(i)));
    }
    ProcessResult results[2];
    for (int jobs : {1, 2}) {
        const QString work = path(qPrintable(QStringLiteral("jobs%1").arg(jobs)));
        QDir().mkpath(work + "/out");
        results[jobs - 1] = kurvix(args + QStringList{QStringLiteral("--jobs"), QString::number(jobs)}, work);
        EXPECT_EQ(results[jobs - 1].status, 1);
    }
    EXPECT_EQ(results[1].err, results[0].err);
    EXPECT_TRUE(results[0].err.contains(QStringLiteral(":6: No data to filter (") + path("f3.txt"))) << results[0].err.toStdString();
    const QStringList outputs = QDir(path("jobs1/out")).entryList(QDir::Files);
    EXPECT_EQ(outputs.size(), 18);
    EXPECT_EQ(QDir(path("jobs2/out")).entryList(QDir::Files), outputs);
    for (const QString& name : outputs) {
        const QByteArray one = readFile(path("jobs1/out/") + name);
        if (name.endsWith(QLatin1String(".pdf")))
            EXPECT_TRUE(one.startsWith("%PDF")) << name.toStdString(); // PDF files carry the time they were made
        else
            EXPECT_EQ(readFile(path("jobs2/out/") + name), one) << name.toStdString();
    }
}

// The listing's own lines in Windows-1252 bytes, a page's end as a form feed
// and its line end; as PDF pages with --pdf; nothing at all on a failure.
TEST_F(CommandLine, ListingOfASet)
{
    QByteArray kwt = "Kopf\r\nBemerkung\r\nZeit\r\n0\r\n10\r\nY\r\n0\r\n10\r\n0.0103\r\nSpannung \xE4\r\n0\r\n10\r\n64.0203\r\n";
    for (int p = 1; p <= 64; ++p)
        kwt += QByteArray::number(p) + "\r\n" + QByteArray::number(p * 0.5) + "\r\n";
    writeFile(path("l.kwt"), kwt);
    QProcess process;
    process.start(QStringLiteral(KURVIX_BINARY), {QStringLiteral("--listing"), path("l.kwt"), QStringLiteral("--set"), QStringLiteral("2")});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    const QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    ASSERT_EQ(lines.size(), 11 + 64 + 2);
    EXPECT_EQ(lines[0], " ");
    EXPECT_TRUE(lines[3].startsWith(QByteArray(40, ' ') + "Kurvix ") && lines[3].endsWith("l.kwt"));
    EXPECT_EQ(lines[5], QByteArray(40, ' ') + "Kopf" + QByteArray(10, ' ') + "Bemerkung");
    EXPECT_EQ(lines[9], QByteArray(40, ' ') + "X: Zeit     Y: Spannung \xE4 (Set # 2)");
    EXPECT_EQ(lines[11], QByteArray(40, ' ') + "  1:    1.000    0.5000");
    EXPECT_EQ(lines[74], QByteArray(40, ' ') + " 64:    64.00     32.00");
    EXPECT_EQ(lines[75], "\f");
    EXPECT_EQ(lines[76], "");

    const ProcessResult pdf = kurvix({QStringLiteral("--listing"), path("l.kwt"), QStringLiteral("--pdf"), path("l.pdf")});
    EXPECT_EQ(pdf.status, 0) << pdf.err.toStdString();
    EXPECT_TRUE(readFile(path("l.pdf")).startsWith("%PDF"));

    const ProcessResult missing = kurvix({QStringLiteral("--listing"), path("none.kwt"), QStringLiteral("--pdf"), path("n.pdf")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, QString());
    EXPECT_TRUE(missing.err.contains(QStringLiteral("none.kwt")));
    EXPECT_FALSE(QFile::exists(path("n.pdf")));
}

TEST_F(CommandLine, FrontAndFullProgramGiveTheSameForTheHeadlessModes)
{
    const QString files = QStringLiteral(KURVIX_TEST_FILES);
    const struct {
        QStringList args; // OUT names the output file, if any
    } cases[] = {
        {{"--convert", files + "/THREE.KWT", "OUT.KWT"}},
        {{"--convert", files + "/THREE_LF.KWT", "OUT.txt"}},
        {{"--convert", files + "/SAMPLE.VXN", "OUT.KWT", "--into", "4"}},
        {{"--convert", files + "/messung.csv", "OUT.KWT"}},
        {{"--convert", files + "/malformed/garbage.kwt", "OUT.KWT"}},
        {{"--convert", files + "/malformed/count_10001.kwt", "OUT.KWT"}},
        {{"--convert", files + "/THREE.KWT", "OUT.KWT", "--into", "x"}},
        {{"--convert", files + "/THREE.KWT"}},
        {{"--convert", files + "/none.kwt", "OUT.KWT"}},
        {{"--explain", files + "/messung.csv"}},
        {{"--explain", files + "/malformed/comma_number.kwt", "--into", "9"}},
        {{"--explain", files + "/THREE.KWT", "--into", "10"}},
        {{"--explain", files + "/THREE.KWT", "--bogus"}},
        {{"--version"}},
        {{"--export", "OUT.txt", files + "/THREE.KWT", "--no-date", "--grid"}},
        {{"--export", "OUT.txt", files + "/SAMPLE.VXN", "--no-date", "--autoscale"}},
        {{"--export", "OUT.txt", files + "/malformed/garbage.kwt"}},
        {{"--frobnicate"}},
    };
    for (const auto& c : cases) {
        ProcessResult result[2];
        QByteArray output[2];
        for (const Program program : {Program::Front, Program::Full}) {
            const int i = program == Program::Front ? 0 : 1;
            QDir(dir.path()).remove(QStringLiteral("OUT.KWT"));
            QDir(dir.path()).remove(QStringLiteral("OUT.txt"));
            result[i] = kurvix(c.args, dir.path(), program);
            output[i] = readFile(path("OUT.KWT")) + readFile(path("OUT.txt"));
        }
        const std::string label = c.args.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(result[0].status, result[1].status) << label;
        EXPECT_EQ(result[0].out, result[1].out) << label;
        EXPECT_EQ(result[0].err, result[1].err) << label;
        EXPECT_EQ(output[0], output[1]) << label;
    }
}

} // namespace
