// Scripts against the real window: each script command leaves the store as
// the same work done with the window's controls leaves it, and work recorded
// in the window replays to the same store and a byte-identical save.

#include "TForm1Fixture.h"

#include "app/ClickPanel.h"
#include "commands/ExportCommands.h"
#include "commands/ListingCommands.h"
#include "commands/SameStore.h"
#include "commands/Script.h"
#include "commands/ScriptRun.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QRadioButton>
#include <QTemporaryDir>

#include <functional>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Two sets of five points, a comment to empty, room for copies.
constexpr char kData[] = "Heading\r\nc\r\nX\r\n0\r\n10\r\n"
                         "Y\r\n0\r\n10\r\n5.0103\r\n1\r\n2\r\n2\r\n1\r\n3\r\n4\r\n4\r\n3\r\n5\r\n5\r\n"
                         "Y\r\n0\r\n10\r\n5.0203\r\n1\r\n1\r\n2\r\n1\r\n3\r\n1\r\n4\r\n1\r\n5\r\n1\r\n";

class ScriptWindowTest : public TForm1Test {
protected:
    void SetUp() override
    {
        TForm1Test::SetUp();
        ASSERT_TRUE(dir.isValid());
        QFile data(path("w.kwt"));
        ASSERT_TRUE(data.open(QIODevice::WriteOnly));
        data.write(kData);
        data.close();
        QDir().mkpath(path("win"));
        QDir().mkpath(path("run"));
        useWindow();
    }

    QString path(const QString& name) const { return dir.filePath(name); }
    std::string stdPath(const QString& name) const { return path(name).toStdString(); }

    // A fresh window whose dialogs answer by their kind.
    void useWindow()
    {
        form = std::make_unique<TForm1>(store = DataStore(), nullptr, nullptr);
        form->setFileChooser([this](QFileDialog& dialog) {
            const QString name = dialog.objectName();
            return name == QLatin1String("SaveDialog1") ? path("win/OUT.KWT")
                : name == QLatin1String("RecordDialog") ? path("script.txt")
                                                        : path("w.kwt");
        });
        showActive();
    }

    void leaveToGrid()
    {
        form->grid()->setFocus();
        QApplication::processEvents();
    }

    // Types text into a settings field, replacing its text, and leaves it.
    void typeField(const char* name, const QString& text)
    {
        auto* edit = child<QLineEdit>(name);
        edit->setFocus();
        QApplication::processEvents();
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, text);
        leaveToGrid();
    }

    // An operation button, its text typed into the input box, OK.
    void datok(const char* button, const QString& text)
    {
        click(button);
        auto* edit = child<QLineEdit>("EdGBDATOK");
        edit->selectAll();
        QTest::keyClicks(edit, text);
        click("Bndatokok");
    }

    void removal(bool range, const QString& first, const QString& second = {})
    {
        click("BnLoeschen");
        if (range) {
            child<QRadioButton>("RBrange")->setChecked(true);
            child<QLineEdit>("EdClearvon")->setText(first);
            child<QLineEdit>("EdClearbis")->setText(second);
        } else {
            child<QRadioButton>("RBreduce")->setChecked(true);
            child<QLineEdit>("Edfactor")->setText(first);
        }
        click("Bnokclear");
    }

    void openInWindow() { child<QAction>("ffnen1")->trigger(); }

    struct Row {
        const char* name;
        const char* script; // after "open $FILE"
        std::function<void()> window; // after File / Open
    };

    // One row per script command; the outputs go to run/ and win/.
    std::vector<Row> rows()
    {
        return {
            {"open2", "open2 3 $FILE",
             [this] {
                 child<QAction>("Open2nd1")->trigger();
                 child<QLineEdit>("Ed2nd")->setText(QStringLiteral("3"));
                 click("Bn2ndok");
             }},
            {"set", "set 2", [this] { click("BnSatzplus"); }},
            {"xlabel", "xlabel Zeit", [this] { typeField("EdXachse", QStringLiteral("Zeit")); }},
            {"xfrom", "xfrom 0.5", [this] { typeField("EdXvon", QStringLiteral("0.5")); }},
            {"xto", "xto 7", [this] { typeField("Edxbis", QStringLiteral("7")); }},
            {"heading", "heading  Lauf $$1", [this] { typeField("EdTitel", QStringLiteral(" Lauf $1")); }},
            {"comment emptied", "comment", [this] { typeField("EdBemerkung", QString()); }},
            {"ylabel", "ylabel Volt", [this] { typeField("EdYAchse", QStringLiteral("Volt")); }},
            {"yfrom", "yfrom -1.125", [this] { typeField("EdYvon", QStringLiteral("-1.125")); }},
            {"yto", "yto 6.25", [this] { typeField("EdYBis", QStringLiteral("6.25")); }},
            {"symbols", "symbols off", [this] { click("CBSymbolzeichnen"); }},
            {"connect, curve, regression", "connect off\ncurve on\nregression on",
             [this] {
                 click("CBVerbinden");
                 click("CBKurve");
                 click("CBGerade");
                 click("BnPlotstart");
             }},
            {"symbol", "symbol 0", [this] { click("BnSyminus"); }},
            {"colour", "colour 2",
             [this] {
                 for (int i = 0; i < 2; ++i)
                     QTest::mouseClick(child<ClickPanel>("PnColor"), Qt::LeftButton);
             }},
            {"datetime, filename, grid", "datetime off\nfilename off\ngrid on",
             [this] {
                 click("CBDatumzeit");
                 click("CBfilename");
                 child<QAction>("Grid1")->trigger();
             }},
            {"calc", "calc Y*2", [this] { datok("Bnrech", QStringLiteral("Y*2")); }},
            {"slope", "slope S-0,5", [this] { datok("BnDrift", QStringLiteral("S-0,5")); }},
            {"copy", "copy 4", [this] { datok("BnCopy", QStringLiteral("4")); }},
            {"insert", "insert 2", [this] { datok("BnEinf", QStringLiteral("2")); }},
            {"exchange", "exchange 2", [this] { datok("BnSatztausch", QStringLiteral("2")); }},
            {"add", "add 2", [this] { datok("BnAddY", QStringLiteral("2")); }},
            {"filter", "filter 3", [this] { datok("Bn", QStringLiteral("3")); }},
            {"smooth", "smooth", [this] { click("Bnglaett"); }},
            {"derivative", "set 2\nderivative",
             [this] {
                 click("BnSatzplus");
                 click("BnAbl");
             }},
            {"integral", "set 2\nintegral",
             [this] {
                 click("BnSatzplus");
                 click("BnIntegral");
             }},
            {"swap", "swap", [this] { click("BnTAUSCH"); }},
            {"remove", "remove 2 3", [this] { removal(true, QStringLiteral("2"), QStringLiteral("3")); }},
            {"thin", "thin 2", [this] { removal(false, QStringLiteral("2")); }},
            {"point", "point 6 7 8\npoint 2 0,5 9",
             [this] {
                 typeIntoGrid("7\n8", 6, 1);
                 typeIntoGrid("0,5\n9", 2, 1);
                 child<QLineEdit>("EdTitel")->setFocus();
                 QApplication::processEvents();
             }},
            {"save", "save $DIR/run/OUT.KWT", [this] { child<QAction>("Speichernals1")->trigger(); }},
            {"export", "datetime off\nexport $DIR/run/p.png",
             [this] {
                 click("CBDatumzeit");
                 commands::exportPlot(form->workspace(), stdPath(QStringLiteral("win/p.png")));
             }},
            {"listing", "listing $DIR/run/l.txt",
             [this] {
                 commands::writeListing(form->workspace(), stdPath(QStringLiteral("win/l.txt")),
                                        commands::ListingKind::Text, QDateTime::currentDateTime());
             }},
        };
    }

    // The listing's fourth line carries the time it was written.
    static QByteArray withoutTime(const QByteArray& listing)
    {
        QList<QByteArray> lines = listing.split('\n');
        if (lines.size() > 3)
            lines[3].clear();
        return lines.join('\n');
    }

    QTemporaryDir dir;
};

TEST_F(ScriptWindowTest, EachCommandDoesWhatTheWindowDoes)
{
    for (const Row& row : rows()) {
        SCOPED_TRACE(row.name);
        useWindow();
        openInWindow();
        row.window();
        std::vector<ScriptProblem> problems;
        const Script script = parseScript(std::string("open $FILE\n") + row.script, problems);
        ASSERT_TRUE(problems.empty());
        ScriptRun run;
        const RunFile file{stdPath(QStringLiteral("w.kwt"))};
        const auto stop = runScript(script, &file, run);
        EXPECT_FALSE(stop) << stop->message;
        EXPECT_EQ(storeDifference(run.store, store), "");
        EXPECT_TRUE(failures.empty()) << failures.front();
        for (const char* output : {"OUT.KWT", "p.png"}) {
            const QByteArray written = bytesOf(path(QStringLiteral("win/") + QLatin1String(output)));
            EXPECT_EQ(bytesOf(path(QStringLiteral("run/") + QLatin1String(output))), written) << output;
        }
        EXPECT_EQ(withoutTime(bytesOf(path(QStringLiteral("run/l.txt")))),
                  withoutTime(bytesOf(path(QStringLiteral("win/l.txt")))));
        for (const QString& name : QDir(path(QStringLiteral("run"))).entryList(QDir::Files))
            QFile::remove(path(QStringLiteral("run/") + name));
        for (const QString& name : QDir(path(QStringLiteral("win"))).entryList(QDir::Files))
            QFile::remove(path(QStringLiteral("win/") + name));
    }
}

// All of the work above in one session while recording: the script replays
// on the same file to the same store and the same saved bytes.
TEST_F(ScriptWindowTest, RecordedWorkReplaysToTheSameSave)
{
    auto* record = child<QAction>("Recordcommands1");
    auto* stop = child<QAction>("Stoprecording1");
    EXPECT_TRUE(record->isEnabled());
    EXPECT_FALSE(stop->isEnabled());
    record->trigger();
    EXPECT_FALSE(record->isEnabled());
    EXPECT_TRUE(stop->isEnabled());
    openInWindow();
    for (const Row& row : rows())
        if (std::string(row.name) != "save")
            row.window();
    child<QAction>("Speichernals1")->trigger();
    stop->trigger();
    EXPECT_TRUE(record->isEnabled());
    EXPECT_TRUE(failures.empty()) << failures.front();

    const QByteArray saved = bytesOf(path(QStringLiteral("win/OUT.KWT")));
    ASSERT_FALSE(saved.isEmpty());
    QFile::remove(path(QStringLiteral("win/OUT.KWT")));
    std::vector<ScriptProblem> problems;
    const QByteArray recorded = bytesOf(path(QStringLiteral("script.txt")));
    const Script script = parseScript(scriptText(recorded.toStdString()), problems);
    ASSERT_TRUE(problems.empty()) << problems.front().text;
    EXPECT_TRUE(recorded.startsWith("# $FILE was " + path(QStringLiteral("w.kwt")).toUtf8() + "\nopen $FILE\n"))
        << recorded.toStdString();
    ScriptRun run;
    const RunFile file{stdPath(QStringLiteral("w.kwt"))};
    const auto stopped = runScript(script, &file, run);
    EXPECT_FALSE(stopped) << stopped->line << ": " << stopped->message;
    EXPECT_EQ(storeDifference(run.store, store), "") << recorded.toStdString();
    EXPECT_EQ(bytesOf(path(QStringLiteral("win/OUT.KWT"))), saved);
}

} // namespace
