#include "editor/ImageFile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ProcessResult {
    int status;
    QString out, err;
};

ProcessResult kurvix(const QStringList& args, const QString& workDir = QString())
{
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(env);
    if (!workDir.isEmpty())
        process.setWorkingDirectory(workDir);
    process.start(QStringLiteral(KURVIX_BINARY), args);
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
    for (const char* option : {"--convert", "--into", "--export", "--no-date", "--no-filename", "--grid", "--symbol-table", "--help"})
        EXPECT_TRUE(help.out.contains(QString::fromLatin1(option))) << option;

    const QStringList bad[] = {
        {QStringLiteral("--frobnicate")},
        {QStringLiteral("--convert"), QStringLiteral("only-one")},
        {QStringLiteral("--convert"), QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("--into")},
        {QStringLiteral("--export"), QStringLiteral("x.png")},
        {QStringLiteral("--export"), QStringLiteral("x.png"), QStringLiteral("in.kwt"), QStringLiteral("--colour")},
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
    // SVG and PDF files hold the plot as vector shapes.
    for (const auto& [name, magic] : {std::pair{"plot.svg", "<?xml"}, std::pair{"Plot.PDF", "%PDF"}}) {
        const ProcessResult r = kurvix({QStringLiteral("--export"), path(name), path("p.kwt"), QStringLiteral("--no-date")});
        ASSERT_EQ(r.status, 0) << name << r.err.toStdString();
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        EXPECT_TRUE(file.read(qstrlen(magic)) == QByteArray(magic)) << name;
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
}

} // namespace
