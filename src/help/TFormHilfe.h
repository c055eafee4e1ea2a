#pragma once

// The help window: a list of the help text's chapter titles and, in the same
// place, the whole text in a read-only memo. A click on a title shows the
// text with that title selected and scrolled into view; "Hilfe-Themen" goes
// back to the list; "Hilfe schließen" goes back and hides the window.
// Whenever the window becomes the active window coming from another window
// of the program, the list is rebuilt and shown again.
//
// Every control carries its program name as object name, so it can be found
// with findChild.

#include <QWidget>

#include <array>
#include <cstdint>

class QEvent;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

class TFormHilfe : public QWidget {
    Q_OBJECT
public:
    // Room for 1001 chapters; the help text has 55.
    static constexpr int kMaxChapters = 1001;

    explicit TFormHilfe(QWidget* parent = nullptr);
    ~TFormHilfe() override;

    // Rebuilds ListBox1 and chapterStart from the memo's lines: every line
    // that contains "[]" is a title. An offset counts each line break as two
    // characters and is summed in 16 bits (wrapping), as the memo's text
    // length is counted.
    void lieshelpfile();

    // Handlers, callable from tests.
    void ListBox1Click();
    void BnThemenClick();
    void ButtonschliessenClick();

    // Offset of the title line of list entry `index` in the memo's text.
    std::uint16_t chapterStart(int index) const { return chapterStart_.at(static_cast<std::size_t>(index)); }

protected:
    bool event(QEvent* event) override;

private:
    void FormCreate();
    void FormActivate();
    // The document position of a memo offset that counts line breaks as two
    // characters; an offset inside a line break gives the end of that line.
    int documentPosition(std::uint16_t memoOffset) const;
    void fitFrameToOuterSize();

    std::array<std::uint16_t, kMaxChapters> chapterStart_{};
    bool frameFitted_ = false;

    QLabel* LabelThemen = nullptr;
    QListWidget* ListBox1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* BnThemen = nullptr;
    QPushButton* Buttonschliessen = nullptr;
};
