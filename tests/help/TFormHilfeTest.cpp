// The help window: its chapter list and offsets, the jump to a chapter, the
// return to the list on activation and on closing, and the text itself.

#include "data/Messages.h"
#include "help/HelpText.h"
#include "help/TFormHilfe.h"

#include <QFontMetrics>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <array>
#include <string_view>

namespace {

const std::array<const char*, 55> kTitles = {
    "[] Allgemeines", "[] Installation", "[] Entfernen des Programm", "[] Freeware",
    "[] Öffnen einer Datei", "[] Datenformate", "[] Speichern", "[] Daten ausdrucken", "[] Programmende",
    "[] Options", "[] Symbole", "[] Gitter (Grid)", "[] Hilfe", "[] X-Achse", "[] Y-Achse",
    "[] Lineare Regression ", "[] Formeln", "[] Beispiel für Regression:", "[] Daten eintippen (Data)",
    "[] Satz kopieren (Copy set)", "[] Satz einfügen (Insert set)", "[] Sätze vertauschen (Exchange)",
    "[] Berechnungen (X,Y,+,-,*/...)", "[] X und Y eines Satzes vertauschen (X <=> Y)",
    "[] Kurve Addieren (Add Curve)", "[] Ableitung (Derivative)", "[] Integral ",
    "[] Steigung ändern (Slope)", "[] Glättung (Smooth)", "[] Filter", "[] Datenpunkte entfernen (Delete data)",
    "[] Graphic", "[] Ausdruck der Grafik", "[] Grafik-Formate", "[] Exit", "[] Edit",
    "[] Schrift auswählen (Font)", "[] Schreibrichtung horizontal oder vertikal", "[] Linien",
    "[] Farben (Color)", "[] Füllen von Rechtecken und Kreisen", "[] Flächen auswählen (Select)",
    "[] Position", "[] Text", "[] Löschen ", "[] Freihand-Zeichnen ('~')", "[] Gerade Linien",
    "[] Rechtecke, abgerundete Rechtecke, Ellipsen, Kreise", "[]   Rechteck",
    "([]) Rechteck mit abgerundeten Ecken", "[] Plot", "[] Grafik löschen ('Clear')", "[] Memo ",
    "[] Fehler", "[] Zum guten Schluss...",
};

int titleIndex(std::string_view title)
{
    for (std::size_t i = 0; i < kTitles.size(); ++i)
        if (title == kTitles[i])
            return static_cast<int>(i);
    return -1;
}

bool activate(QWidget& w)
{
    w.activateWindow();
    return QTest::qWaitForWindowActive(&w);
}

class HelpWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        help.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
        list = help.findChild<QListWidget*>("ListBox1");
        memo = help.findChild<QPlainTextEdit*>("Memo1");
        topics = help.findChild<QPushButton*>("BnThemen");
        close = help.findChild<QPushButton*>("Buttonschliessen");
        ASSERT_TRUE(list && memo && topics && close);
    }

    void clickTitle(std::string_view title)
    {
        const int row = titleIndex(title);
        ASSERT_GE(row, 0) << title;
        list->setCurrentRow(row);
        help.ListBox1Click();
    }

    // The caret's line, at the end of the selection, lies wholly inside the
    // memo's view.
    bool caretLineVisible() const
    {
        return memo->viewport()->rect().contains(memo->cursorRect());
    }

    TFormHilfe help;
    QListWidget* list = nullptr;
    QPlainTextEdit* memo = nullptr;
    QPushButton* topics = nullptr;
    QPushButton* close = nullptr;
};

TEST_F(HelpWindow, ListHoldsEveryTitleLineInOrderWithItsOffset)
{
    ASSERT_EQ(list->count(), static_cast<int>(kTitles.size()));
    for (int i = 0; i < list->count(); ++i)
        EXPECT_EQ(list->item(i)->text(), QString::fromUtf8(kTitles[static_cast<std::size_t>(i)])) << "entry " << i;

    // Offsets as the memo counts its text: each line and its two-character
    // line break.
    const QStringList lines = helpText().split(QLatin1Char('\n'));
    int offset = 0;
    int entry = 0;
    for (const QString& line : lines) {
        if (line.contains(QLatin1String("[]"))) {
            ASSERT_LT(entry, list->count());
            EXPECT_EQ(help.chapterStart(entry), offset) << line.toStdString();
            ++entry;
        }
        offset += static_cast<int>(line.size()) + 2;
    }
    EXPECT_EQ(help.chapterStart(0), 0);
    EXPECT_LT(offset - 2, 65536) << "the 16-bit chapter offsets would wrap";
}

TEST_F(HelpWindow, ClickingATitleSelectsTheWholeTitleLine)
{
    for (const char* title : {"[] Allgemeines", "[] Lineare Regression ", "[]   Rechteck",
                              "([]) Rechteck mit abgerundeten Ecken", "[] Zum guten Schluss..."}) {
        help.BnThemenClick();
        clickTitle(title);
        EXPECT_TRUE(memo->isVisible()) << title;
        EXPECT_FALSE(list->isVisible()) << title;
        EXPECT_TRUE(topics->isVisible()) << title;
        const QTextCursor cursor = memo->textCursor();
        EXPECT_EQ(cursor.selectedText(), QString::fromUtf8(title));
        EXPECT_EQ(cursor.block().text(), QString::fromUtf8(title)) << "selection starts inside another line";
        EXPECT_TRUE(caretLineVisible()) << title;
    }
}

TEST_F(HelpWindow, ScrollsByTheLeastAmountAndKeepsItsPlaceBetweenVisits)
{
    QScrollBar* bar = memo->verticalScrollBar();
    const int lineHeight = QFontMetrics(memo->font()).lineSpacing();

    clickTitle("[] Fehler");
    ASSERT_GT(bar->value(), 0);
    EXPECT_GT(memo->cursorRect().bottom(), memo->viewport()->height() - 2 * lineHeight)
        << "scrolling down leaves the title at the bottom of the view";
    const int down = bar->value();

    // A title already in view leaves the text where it is.
    help.BnThemenClick();
    clickTitle("[] Fehler");
    EXPECT_EQ(bar->value(), down);

    help.BnThemenClick();
    clickTitle("[] Exit");
    EXPECT_LT(bar->value(), down);
    EXPECT_LT(memo->cursorRect().top(), 2 * lineHeight) << "scrolling up puts the title at the top";
    EXPECT_TRUE(caretLineVisible());
}

TEST_F(HelpWindow, ReturningFromAnotherProgramWindowShowsTheListAgain)
{
    QWidget mainWindow;
    mainWindow.resize(200, 100);
    mainWindow.show();
    ASSERT_TRUE(activate(mainWindow));
    ASSERT_TRUE(activate(help));

    clickTitle("[] Filter");
    ASSERT_TRUE(memo->isVisible());
    ASSERT_TRUE(activate(mainWindow));
    ASSERT_TRUE(activate(help));
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(memo->isVisible());
    EXPECT_FALSE(topics->isVisible());
    EXPECT_EQ(list->count(), static_cast<int>(kTitles.size())) << "the list is rebuilt, not appended to";
}

TEST_F(HelpWindow, TopicsAndCloseReturnToTheList)
{
    clickTitle("[] Text");
    QTest::mouseClick(topics, Qt::LeftButton);
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(memo->isVisible());
    EXPECT_FALSE(topics->isVisible());

    clickTitle("[] Text");
    QTest::mouseClick(close, Qt::LeftButton);
    EXPECT_FALSE(help.isVisible());
    help.show();
    EXPECT_TRUE(list->isVisible());
    EXPECT_FALSE(memo->isVisible());
    EXPECT_FALSE(topics->isVisible());
}

TEST_F(HelpWindow, ControlsHaveTheirPlacesTextsAndFonts)
{
    struct Row {
        const char* name;
        QRect place;
        const char* text;
        const char* hint;
        int fontPixels;
    };
    const Row rows[] = {
        {"ListBox1", {8, 43, 489, 310}, nullptr, "gewünschtes Kapitel anklicken", 13},
        {"Memo1", {8, 42, 489, 311}, nullptr, "", 13},
        {"BnThemen", {64, 376, 121, 25}, "Hilfe-Themen", "", 0},
        {"Buttonschliessen", {339, 376, 102, 26}, "Hilfe schließen", "der Hilfeanzeige", 0},
    };
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Hilfe-Text zum Programm KURVIX"));
    auto* label = help.findChild<QLabel*>("LabelThemen");
    ASSERT_TRUE(label);
    EXPECT_EQ(label->text(), QStringLiteral("Themen des Hilfe-Textes"));
    EXPECT_LT(label->geometry().bottom(), list->geometry().top());
    for (const Row& row : rows) {
        auto* w = help.findChild<QWidget*>(row.name);
        ASSERT_TRUE(w) << row.name;
        EXPECT_EQ(w->geometry(), row.place) << row.name;
        EXPECT_EQ(w->toolTip(), QString::fromUtf8(row.hint)) << row.name;
        if (row.text) {
            EXPECT_EQ(qobject_cast<QPushButton*>(w)->text(), QString::fromUtf8(row.text));
        }
        if (row.fontPixels) {
            EXPECT_EQ(w->font().family(), QStringLiteral("Arial")) << row.name;
            EXPECT_EQ(w->font().pixelSize(), row.fontPixels) << row.name;
        }
    }
    EXPECT_EQ(list->visualItemRect(list->item(0)).height(), 16);
}

// Every line fits the memo's width, so the hand-made line breaks are the
// only ones.
TEST_F(HelpWindow, EveryLineFitsTheMemo)
{
    clickTitle("[] Allgemeines");
    const QFontMetrics metrics(memo->font());
    const int room = memo->viewport()->width() - 2 * static_cast<int>(memo->document()->documentMargin());
    for (const QString& line : helpText().split(QLatin1Char('\n')))
        EXPECT_LE(metrics.horizontalAdvance(line), room) << line.toStdString();
}

// The help explains the program as its user sees it: no build tools, no
// distribution.
TEST(HelpText, NamesNoBuildTools)
{
    for (const char* word : {"make ", "cmake", "build/", "Debian", "apt"})
        EXPECT_FALSE(helpText().contains(QString::fromLatin1(word))) << word;
}

// The chapter on failures names every message the program shows; the
// placeholders of a message stand for whatever the text shows there.
TEST(HelpText, FailureChapterListsTheMessages)
{
    const QString text = helpText();
    const qsizetype start = text.indexOf(QStringLiteral("[] Fehler"));
    ASSERT_GE(start, 0);
    // Line breaks and indents of the chapter read as single blanks.
    const QString chapter = text.mid(start).simplified();
    for (std::string_view message : Messages::all) {
        for (const QString& piece :
             QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size()))
                 .split(QRegularExpression(QStringLiteral("%\\d|\\n")), Qt::SkipEmptyParts)) {
            const QString words = piece.simplified();
            if (words.size() > 2) {
                EXPECT_TRUE(chapter.contains(words)) << words.toStdString();
            }
        }
    }
}

} // namespace
