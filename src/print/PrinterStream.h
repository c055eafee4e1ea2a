#pragma once

// A text stream to a printer, as a line printer would take it:
// - text is drawn at the current position of the current line, left to right,
//   from the left edge of the printable area;
// - a line end ("\n") moves to the left edge one line lower: the line height
//   is the font height plus 2 device pixels for a line that holds text, the
//   font height alone for an empty one;
// - a form feed ("\f") ends the page; the next text starts at the top of a new
//   page;
// - a new page starts by itself at a line end when the next line would reach
//   past the page height less twice the line height;
// - text that does not fit the page width continues on the next line (at
//   least one character goes on each line, however narrow the page).

#include "print/PageSurface.h"

#include <QString>
#include <QStringView>

class PrinterStream {
public:
    explicit PrinterStream(PageSurface& surface);

    // Writes text; "\n" and "\f" in it act as lineEnd and formFeed.
    void write(QStringView text);
    void lineEnd();
    void formFeed();

    int x() const { return x_; }
    int y() const { return y_; }

private:
    void writeRun(QStringView run);
    int textLineHeight() const { return surface_.fontHeight() + 2; }

    PageSurface& surface_;
    int x_ = 0;
    int y_ = 0;
    bool lineHasText_ = false;
};
