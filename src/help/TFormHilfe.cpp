#include "help/TFormHilfe.h"

#include "help/HelpText.h"
#include "widgets/Controls.h"
#include "widgets/OuterSize.h"

#include <QEvent>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QWindow>

using controls::arial;

namespace {

constexpr int kOuterWidth = 515;
constexpr int kOuterHeight = 440;
constexpr int kItemHeight = 16;

} // namespace

TFormHilfe::TFormHilfe(QWidget* parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("FormHilfe"));
    setWindowTitle(QStringLiteral("Hilfe-Text zum Programm KURVIX"));
    resize(kOuterWidth, kOuterHeight);
    setFont(arial(13));
    QPalette face = palette();
    face.setColor(QPalette::Window, face.color(QPalette::Button));
    setPalette(face);
    setAutoFillBackground(true);

    LabelThemen = new QLabel(QStringLiteral("Themen des Hilfe-Textes"), this);
    LabelThemen->setObjectName(QStringLiteral("LabelThemen"));
    LabelThemen->setFont(arial(13, true));
    LabelThemen->move(8, 20);
    LabelThemen->adjustSize();

    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(8, 43, 489, 310);
    ListBox1->setFont(arial(13));
    ListBox1->setToolTip(QStringLiteral("gewünschtes Kapitel anklicken"));
    ListBox1->setUniformItemSizes(true);
    // A click picks a chapter; Enter on the keyboard does the same. Moving
    // through the list with the arrow keys only marks an entry.
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::itemActivated, this, [this] {
        if (ListBox1->isVisible())
            ListBox1Click();
    });

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(8, 42, 489, 311);
    Memo1->setFont(arial(13));
    Memo1->setReadOnly(true);
    // Read-only hides the caret; the keyboard still scrolls and selects.
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The chapter title stays highlighted while the buttons have the focus.
    QPalette selection = Memo1->palette();
    selection.setColor(QPalette::Inactive, QPalette::Highlight, selection.color(QPalette::Active, QPalette::Highlight));
    selection.setColor(QPalette::Inactive, QPalette::HighlightedText,
                       selection.color(QPalette::Active, QPalette::HighlightedText));
    Memo1->setPalette(selection);
    Memo1->setPlainText(helpText());
    Memo1->hide();

    BnThemen = new QPushButton(QStringLiteral("Hilfe-Themen"), this);
    BnThemen->setObjectName(QStringLiteral("BnThemen"));
    BnThemen->setGeometry(64, 376, 121, 25);
    connect(BnThemen, &QPushButton::clicked, this, [this] { BnThemenClick(); });

    Buttonschliessen = new QPushButton(QStringLiteral("Hilfe schließen"), this);
    Buttonschliessen->setObjectName(QStringLiteral("Buttonschliessen"));
    Buttonschliessen->setGeometry(339, 376, 102, 26);
    Buttonschliessen->setToolTip(QStringLiteral("der Hilfeanzeige"));
    connect(Buttonschliessen, &QPushButton::clicked, this, [this] { ButtonschliessenClick(); });

    FormCreate();
}

TFormHilfe::~TFormHilfe() = default;

void TFormHilfe::FormCreate()
{
    lieshelpfile();
    BnThemen->hide();
}

void TFormHilfe::FormActivate()
{
    lieshelpfile();
    BnThemenClick();
}

bool TFormHilfe::event(QEvent* event)
{
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate)
        fitFrameToOuterSize();
    // Every activation, from another window of the program or from another
    // application, starts again at the freshly built list of titles.
    if (event->type() == QEvent::WindowActivate)
        FormActivate();
    return QWidget::event(event);
}

void TFormHilfe::fitFrameToOuterSize()
{
    if (!frameFitted_)
        frameFitted_ = ::fitFrameToOuterSize(*this, QSize(kOuterWidth, kOuterHeight));
}

void TFormHilfe::lieshelpfile()
{
    ListBox1->clear();
    std::uint16_t offset = 0;
    int entries = 0;
    const QTextDocument* document = Memo1->document();
    for (QTextBlock line = document->begin(); line.isValid(); line = line.next()) {
        const QString text = line.text();
        if (text.contains(QLatin1String("[]")) && entries < kMaxChapters) {
            chapterStart_[static_cast<std::size_t>(entries)] = offset;
            auto* item = new QListWidgetItem(text, ListBox1);
            item->setSizeHint(QSize(0, kItemHeight));
            ++entries;
        }
        offset = static_cast<std::uint16_t>(offset + text.size() + 2);
    }
}

int TFormHilfe::documentPosition(std::uint16_t memoOffset) const
{
    const QTextDocument* document = Memo1->document();
    int lineStart = 0;
    for (QTextBlock line = document->begin(); line.isValid(); line = line.next()) {
        const int length = line.length() - 1; // without the block separator
        if (memoOffset <= lineStart + length)
            return line.position() + (memoOffset - lineStart);
        lineStart += length + 2;
        if (memoOffset < lineStart)
            return line.position() + length;
    }
    return document->characterCount() - 1;
}

void TFormHilfe::ListBox1Click()
{
    const int index = ListBox1->currentRow();
    if (index < 0)
        return;
    BnThemen->show();
    const QString title = ListBox1->item(index)->text();
    ListBox1->hide();
    Memo1->show();

    const int start = documentPosition(chapterStart_[static_cast<std::size_t>(index)]);
    const int end = std::min(start + static_cast<int>(title.size()), Memo1->document()->characterCount() - 1);
    QTextCursor cursor(Memo1->document());
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    Memo1->setTextCursor(cursor);
    // Scrolls by the least amount that brings the caret, at the end of the
    // title, into view: down to it at the bottom, up to it at the top.
    Memo1->ensureCursorVisible();
}

void TFormHilfe::BnThemenClick()
{
    ListBox1->show();
    Memo1->hide();
    BnThemen->hide();
}

void TFormHilfe::ButtonschliessenClick()
{
    BnThemenClick();
    close();
}
