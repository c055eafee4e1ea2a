// The main window with other programs: a file followed while it grows, the
// report of how a file was read, the set as text through the clipboard, and
// files dropped on both windows.

#include "TForm1Fixture.h"

#include "app/TForm2.h"
#include "commands/FollowCommands.h"
#include "data/Messages.h"
#include "data/ReadExplain.h"
#include "editor/ImageFile.h"
#include "plot/PlotCanvas.h"

#include <QAction>
#include <QClipboard>
#include <QDropEvent>
#include <QFile>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QUrl>

namespace {

void writeFile(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode = QIODevice::WriteOnly)
{
    QFile file(path);
    ASSERT_TRUE(file.open(mode));
    file.write(bytes);
}

// Drags the files over `target` and drops them there, as a file manager
// does; returns whether the drop was taken.
bool dropFiles(QWidget* target, const QStringList& paths, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QMimeData mime;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    mime.setUrls(urls);
    const QPointF at(5, 5);
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, modifiers);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

class TForm1Transfer : public TForm1Test {
protected:
    void SetUp() override
    {
        TForm1Test::SetUp();
        ASSERT_TRUE(dir.isValid());
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
};

TEST_F(TForm1Transfer, FollowedFileGrowsInTheWindowUntilTheUserChangesData)
{
    showActive();
    const QString base = form->windowTitle();
    writeFile(path("messung.csv"), "Zeit;Wert\r\n1;10\r\n");
    ASSERT_TRUE(form->followDataFile(path("messung.csv")));
    EXPECT_EQ(form->windowTitle(), base + " - following messung.csv");
    EXPECT_TRUE(child<QAction>("Stopfollowing1")->isEnabled());

    // The watcher or the timer notices the new lines by itself.
    writeFile(path("messung.csv"), "2;20\r\n3;3", QIODevice::Append);
    EXPECT_TRUE(QTest::qWaitFor([&] { return store.pointCount[1] == 2; }, 3000));
    EXPECT_EQ(cell(0, 0), "[2]");
    EXPECT_FALSE(store.unsavedChanges);
    EXPECT_NE(text("EdYBis"), "0") << "autoscaled while following";

    // A value typed into the grid ends following, with the message.
    answerNextMessageBox(QMessageBox::No);
    typeIntoGrid("7\n");
    EXPECT_TRUE(QTest::qWaitFor([&] { return messageBoxShown; }, 3000));
    EXPECT_EQ(messageBoxText.toStdString(), Messages::message(Messages::FollowingStopped, {"messung.csv"}));
    EXPECT_EQ(form->windowTitle(), base);
    EXPECT_FALSE(child<QAction>("Stopfollowing1")->isEnabled());
    const int count = store.pointCount[1];
    writeFile(path("messung.csv"), "0\r\n4;40\r\n", QIODevice::Append);
    QTest::qWait(400);
    EXPECT_EQ(store.pointCount[1], count) << "no longer followed";
}

TEST_F(TForm1Transfer, StopFollowingAndOpenEndIt)
{
    writeFile(path("a.csv"), "1;1\r\n");
    for (const char* end : {"Stopfollowing1", "ffnen1"}) {
        SCOPED_TRACE(end);
        ASSERT_TRUE(form->followDataFile(path("a.csv")));
        form->setFileChooser([this](QFileDialog&) { return path("a.csv"); });
        child<QAction>(end)->trigger();
        QApplication::processEvents();
        EXPECT_FALSE(form->following().active());
        EXPECT_FALSE(form->windowTitle().contains(QStringLiteral("following")));
    }
}

TEST_F(TForm1Transfer, ReportWindowAndCommandLineShowHowTheFileWasRead)
{
    writeFile(path("wetter.csv"), "Zeit;Temp\r\n09:30:00;12,5\r\n1;2;3\r\n");
    ASSERT_TRUE(form->openDataFile(path("wetter.csv"), 3));
    child<QAction>("Howthefilewasread1")->trigger();
    ASSERT_TRUE(failures.empty()) << failures.front();
    auto* report = form->findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->isVisible());
    const std::string expected = explainDataFile(path("wetter.csv").toStdString(), 3).text;
    EXPECT_EQ(report->toPlainText().toStdString(), expected);

    QProcess kurvix;
    kurvix.start(QStringLiteral(KURVIX_BINARY), {"--explain", path("wetter.csv"), "--into", "3"});
    ASSERT_TRUE(kurvix.waitForFinished(30000));
    EXPECT_EQ(kurvix.exitCode(), 0);
    EXPECT_EQ(kurvix.readAllStandardOutput().toStdString(), expected);

    writeFile(path("kaputt.csv"), "1\r\nzwei\r\n");
    kurvix.start(QStringLiteral(KURVIX_BINARY), {"--explain", path("kaputt.csv")});
    ASSERT_TRUE(kurvix.waitForFinished(30000));
    EXPECT_EQ(kurvix.exitCode(), 1);
    EXPECT_TRUE(kurvix.readAllStandardOutput().contains("reading stops here"));
    EXPECT_TRUE(kurvix.readAllStandardError().contains("Zeile: 2"));
}

TEST_F(TForm1Transfer, SetAsTextPastesBackIntoAnotherSet)
{
    writeFile(path("m.csv"), "0,5;-1e-7\r\n2;1234.0123456789\r\n3;-0\r\n");
    ASSERT_TRUE(form->openDataFile(path("m.csv"), 1));
    child<QAction>("Copysetastext1")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "0.5\t-1e-07\n2\t1234.0123456789\n3\t-0\n");
    click("BnSatzplus");
    child<QAction>("Pastedata1")->trigger();
    ASSERT_TRUE(failures.empty()) << failures.front();
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(store.x(2, i), store.x(1, i));
        EXPECT_EQ(store.y(2, i), store.y(1, i));
    }
    EXPECT_EQ(cell(0, 0), "[3]");
    EXPECT_EQ(child<QAction>("Undo1")->text(), "&Undo Paste data");
}

TEST_F(TForm1Transfer, DroppedFilesOpenAsTheMenuOpensThem)
{
    writeFile(path("eins.csv"), "1;1\r\n2;2\r\n");
    writeFile(path("zwei.csv"), "5;5\r\n");
    showActive();
    // Onto an edit field, which would take a file's name as text.
    ASSERT_TRUE(dropFiles(child<QLineEdit>("EdTitel"), {path("eins.csv")}));
    EXPECT_EQ(store.plot.heading, "EINS.CSV");
    EXPECT_EQ(store.pointCount[1], 2);

    // With Ctrl into the current set, the others kept.
    click("BnSatzplus");
    click("BnSatzplus");
    ASSERT_TRUE(dropFiles(form->grid(), {path("zwei.csv")}, Qt::ControlModifier));
    EXPECT_EQ(store.pointCount[3], 1);
    EXPECT_EQ(store.pointCount[1], 2);

    answerNextMessageBox(QMessageBox::No);
    ASSERT_TRUE(dropFiles(form.get(), {path("zwei.csv"), path("eins.csv"), path("m.csv")}));
    EXPECT_TRUE(messageBoxShown);
    EXPECT_EQ(messageBoxText.toStdString(), Messages::message(Messages::OnlyFirstFileOpened, {"3"}));
    EXPECT_EQ(store.pointCount[1], 1) << "the first file only";
}

TEST_F(TForm1Transfer, ImagesDroppedOnTheGraphicWindowOpenThere)
{
    TForm2 graphic(store);
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    writeImageFile(image, path("bild.bmp").toStdString(), ImageFormat::Bmp);
    writeFile(path("daten.csv"), "1;1\r\n");
    EXPECT_FALSE(dropFiles(&graphic, {path("daten.csv")})) << "no data files here";
    ASSERT_TRUE(dropFiles(&graphic, {path("bild.bmp")}));
    EXPECT_EQ(graphic.plotCanvas().canvas().image().size(), QSize(40, 30));
    EXPECT_EQ(graphic.plotCanvas().canvas().image().pixel(3, 3), qRgb(255, 0, 0));
}

} // namespace
