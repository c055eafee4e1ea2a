// The File menu's dialogs and what a read or save leaves in the window, and
// the commands that need the graphic window.

#include "TForm1Fixture.h"

#include "app/Dialogs.h"
#include "app/FileFilter.h"
#include "app/TForm2.h"
#include "data/Messages.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(FileFilter, PipePairsBecomeQtFiltersInBothCases)
{
    struct Case {
        const char* pipes;
        const char* qt;
    };
    const Case cases[] = {
        {"KWT-File|*.KWT|ASCI-File|*.ASC", "KWT-File (*.KWT *.kwt);;ASCI-File (*.ASC *.asc)"},
        {"Text files|*.txt", "Text files (*.txt *.TXT)"},
        {"All files|*.*", "All files (*)"},
        {"Mixed|*.Kwt", "Mixed (*.Kwt *.KWT *.kwt)"},
        {"Two|*.a;*.B", "Two (*.a *.A *.B *.b)"},
        {"Dangling|*.x|Name", "Dangling (*.x *.X)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(qtFileFilter(c.pipes), QString::fromLatin1(c.qt)) << c.pipes;
}

class TForm1FileTest : public TForm1Test {
protected:
    void SetUp() override
    {
        TForm1Test::SetUp();
        ASSERT_TRUE(dir.isValid());
        form->setFileChooser([this](QFileDialog& dialog) {
            ++dialogRuns;
            filters = dialog.nameFilters();
            proposed = dialog.selectedFiles().value(0);
            saving = dialog.acceptMode() == QFileDialog::AcceptSave;
            asksBeforeReplacing = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
            return answer;
        });
    }

    QString path(const char* name) { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    QString answer;
    int dialogRuns = 0;
    QStringList filters;
    QString proposed;
    bool saving = false;
    bool asksBeforeReplacing = false;
};

TEST_F(TForm1FileTest, OpenReadsIntoSetOneAndShowsIt)
{
    writeFile(path("messung.csv"), "X;Y\r\n3;30\r\n1;10\r\n2,5;25\r\n");
    store.unsavedChanges = true;
    answer = path("messung.csv");
    child<QAction>("ffnen1")->trigger();

    ASSERT_TRUE(failures.empty()) << failures.front();
    EXPECT_FALSE(saving);
    EXPECT_EQ(filters.value(0), "KWT-Files (*.KWT *.kwt)");
    EXPECT_EQ(filters.value(5), "All files (*)");
    EXPECT_EQ(store.loadTargetSet, 1);
    EXPECT_EQ(store.pointCount[1], 3);
    EXPECT_FALSE(store.unsavedChanges);
    EXPECT_EQ(cell(0, 0), "[3]");
    EXPECT_EQ(cell(1, 1), "1.000"); // sorted
    EXPECT_EQ(cell(1, 2), "2.500");
    EXPECT_EQ(text("EdTitel"), "MESSUNG.CSV");
    EXPECT_EQ(text("EdYvon"), "0.0000"); // a plain file leaves the range 0..0

    // The save dialog now proposes the name read; closing asks nothing.
    answer.clear();
    child<QAction>("Speichernals1")->trigger();
    EXPECT_TRUE(saving);
    EXPECT_TRUE(proposed.endsWith(QStringLiteral("/messung.csv"))) << proposed.toStdString();
    answerNextMessageBox(QMessageBox::Cancel);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(messageBoxShown);
}

TEST_F(TForm1FileTest, CancelledDialogReadsNothing)
{
    store.unsavedChanges = true;
    child<QAction>("ffnen1")->trigger();
    EXPECT_EQ(dialogRuns, 1);
    EXPECT_TRUE(store.unsavedChanges);
    EXPECT_TRUE(failures.empty());
}

TEST_F(TForm1FileTest, FailedReadIsReportedAndChangesNothing)
{
    typeIntoGrid("");
    store.x(1, 1) = 4;
    store.y(1, 1) = 5;
    store.pointCount[1] = 1;
    store.unsavedChanges = true;
    answer = path("missing.kwt");
    child<QAction>("ffnen1")->trigger();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("missing.kwt"), std::string::npos) << failures[0];
    EXPECT_EQ(store.pointCount[1], 1);
    EXPECT_TRUE(store.unsavedChanges);
}

TEST_F(TForm1FileTest, SecondFileTakesOnlySetNumbersOneToNine)
{
    writeFile(path("two.txt"), "1 2\n3 4\n");
    answer = path("two.txt");
    struct Case {
        const char* typed;
        std::string failure; // empty: the dialog runs and the file is read
        int target;
    };
    const std::string range(Messages::SecondFileSetRange);
    const Case cases[] = {
        {"abc", "'abc' ist kein gültiger Integerwert", 0},
        {"2.5", "'2.5' ist kein gültiger Integerwert", 0},
        {"0", range, 0},
        {"10", range, 0},
        {"-3", range, 0},
        {"3", "", 3},
        {" 9", "", 9},
        {"1", "", 1},
    };
    for (const Case& c : cases) {
        failures.clear();
        dialogRuns = 0;
        for (int s = 1; s <= 9; ++s)
            store.pointCount[static_cast<size_t>(s)] = 0;
        child<QAction>("Open2nd1")->trigger();
        auto* box = child<QGroupBox>("GB2ndfile");
        EXPECT_FALSE(box->isHidden());
        child<QLineEdit>("Ed2nd")->setText(QString::fromLatin1(c.typed));
        click("Bn2ndok");
        EXPECT_TRUE(box->isHidden()) << c.typed;
        if (!c.failure.empty()) {
            EXPECT_EQ(dialogRuns, 0) << c.typed;
            ASSERT_EQ(failures.size(), 1u) << c.typed;
            EXPECT_EQ(failures[0], c.failure);
        } else {
            EXPECT_EQ(dialogRuns, 1) << c.typed;
            EXPECT_TRUE(failures.empty()) << c.typed;
            EXPECT_EQ(store.pointCount[static_cast<size_t>(c.target)], 2) << c.typed;
        }
    }
}

TEST_F(TForm1FileTest, SecondFileCancelHidesTheBox)
{
    child<QAction>("Open2nd1")->trigger();
    EXPECT_EQ(text("Ed2nd"), "2");
    click("Bn2ndcancel");
    EXPECT_TRUE(child<QGroupBox>("GB2ndfile")->isHidden());
    EXPECT_EQ(dialogRuns, 0);
}

TEST_F(TForm1FileTest, SaveWritesAndClearsTheFlag)
{
    typeIntoGrid("");
    form->gridModel().setCellText(1, 1, "1.5");
    form->gridModel().setCellText(2, 1, "-2");
    store.unsavedChanges = true;
    form->readGridIntoSet();
    answer = path("out.asc");
    child<QAction>("Speichernals1")->trigger();
    ASSERT_TRUE(failures.empty()) << failures.front();
    EXPECT_EQ(filters, QStringList({"KWT-File (*.KWT *.kwt)", "ASCI-File (*.ASC *.asc)"}));
    EXPECT_FALSE(asksBeforeReplacing) << "saving replaces a file of the chosen name without a question";
    EXPECT_FALSE(store.unsavedChanges);
    QFile written(path("OUT.ASC"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("1.500000000;-2.000000000\r\n"));

    // The next save proposes the name chosen last.
    answer.clear();
    child<QAction>("Speichernals1")->trigger();
    EXPECT_EQ(proposed, path("out.asc"));
}

TEST_F(TForm1FileTest, ReadSetsTheImageNamesOfTheGraphicWindow)
{
    TForm2 graphic(store);
    form->setGraphicWindow(&graphic);
    graphic.state().imageFileName = "/somewhere/OLD.BMP";
    writeFile(path("scan.v2.txt"), "1 2\n");
    ASSERT_TRUE(form->openDataFile(path("scan.v2.txt")));
    EXPECT_EQ(graphic.state().imageFileName, "");
    EXPECT_EQ(QString::fromStdString(graphic.state().imageOpenName), dir.path() + QStringLiteral("/SCAN.BMP"));
}

TEST_F(TForm1FileTest, SymbolTableLeavesSetAndAxisAsTheyWere)
{
    TForm2 graphic(store);
    form->setGraphicWindow(&graphic);
    store.currentSet = 4;
    store.plot.xFrom = 2;
    store.plot.xTo = 7;
    graphic.state().toolState = ToolState::RoundBox;
    child<QAction>("Symbole1")->trigger();
    EXPECT_TRUE(failures.empty());
    EXPECT_EQ(store.currentSet, 4);
    EXPECT_EQ(store.plot.xFrom, 2);
    EXPECT_EQ(store.plot.xTo, 7);
    EXPECT_EQ(graphic.state().toolState, ToolState::RoundBox);
    EXPECT_EQ(store.yTo[0], graphic.state().canvasHeight);
    graphic.hide();
}

TEST_F(TForm1FileTest, GraphicButtonStoresFlagsThenShowsThePlot)
{
    TForm2 graphic(store);
    form->setGraphicWindow(&graphic);
    child<QCheckBox>("CBGerade")->setChecked(true);
    click("BnPlotstart");
    EXPECT_TRUE(store.hasFlag(1, drawRegressionLine));
    EXPECT_TRUE(graphic.isVisible());
    graphic.hide();
}

// A name typed into the dialog and accepted with Enter leaves no completion
// list on screen to swallow the next click in the window below.
TEST(FileDialog, NoPopupOutlivesTheDialog)
{
    QTemporaryDir dir;
    for (const char* name : {"messung1.kwt", "messung2.kwt"})
        QFile(dir.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly);
    QFileDialog dialog(nullptr, QStringLiteral("Open"), dir.path());
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    bool popupSeen = false;
    QTimer::singleShot(0, &dialog, [&] {
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_TRUE(name);
        name->setFocus();
        // The dialog lists the folder in the background; the list opens once
        // it is read.
        for (int attempt = 0; attempt < 20 && !popupSeen; ++attempt) {
            name->clear();
            QTest::keyClicks(name, QStringLiteral("messung1"));
            popupSeen = QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }, 250);
        }
        QTest::keyClicks(name, QStringLiteral(".kwt"));
        QTest::keyClick(name, Qt::Key_Return);
        if (dialog.isVisible())
            QMetaObject::invokeMethod(&dialog, "accept");
    });
    EXPECT_EQ(runFileDialog(dialog), dir.filePath(QStringLiteral("messung1.kwt")));
    QApplication::processEvents();
    if (!popupSeen)
        GTEST_SKIP() << "the completion list did not open here";
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    for (QWidget* w : QApplication::topLevelWidgets())
        EXPECT_FALSE(w->isVisible() && (w->windowFlags() & Qt::Popup) == Qt::Popup) << w->metaObject()->className();
}
