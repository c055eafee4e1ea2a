#include "print/PrinterStream.h"

PrinterStream::PrinterStream(PageSurface& surface) : surface_(surface) {}

void PrinterStream::write(QStringView text)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\f'))
            continue;
        writeRun(text.mid(start, i - start));
        if (c == QLatin1Char('\n'))
            lineEnd();
        else
            formFeed();
        start = i + 1;
    }
    writeRun(text.mid(start));
}

void PrinterStream::writeRun(QStringView run)
{
    const int pageWidth = surface_.pageSize().width();
    while (!run.isEmpty()) {
        // Mostly the whole run fits. Otherwise the longest start that fits the
        // rest of the line is found by halving; widths grow with the length,
        // whatever the font.
        const QString whole = run.toString();
        const int wholeWidth = surface_.textWidth(whole);
        if (x_ + wholeWidth <= pageWidth) {
            surface_.drawText(x_, y_, whole);
            x_ += wholeWidth;
            lineHasText_ = true;
            return;
        }
        qsizetype fits = 0;
        qsizetype low = 1, high = run.size() - 1;
        while (low <= high) {
            const qsizetype mid = (low + high) / 2;
            if (x_ + surface_.textWidth(run.left(mid).toString()) <= pageWidth) {
                fits = mid;
                low = mid + 1;
            } else {
                high = mid - 1;
            }
        }
        if (fits == 0 && x_ == 0)
            fits = 1;
        if (fits > 0) {
            const QString part = run.left(fits).toString();
            surface_.drawText(x_, y_, part);
            x_ += surface_.textWidth(part);
            lineHasText_ = true;
            run = run.mid(fits);
        }
        if (!run.isEmpty())
            lineEnd();
    }
}

void PrinterStream::lineEnd()
{
    const int height = lineHasText_ ? textLineHeight() : surface_.fontHeight();
    x_ = 0;
    y_ += height;
    lineHasText_ = false;
    const int next = textLineHeight();
    if (y_ + next > surface_.pageSize().height() - 2 * next) {
        surface_.newPage();
        y_ = 0;
    }
}

void PrinterStream::formFeed()
{
    surface_.newPage();
    x_ = 0;
    y_ = 0;
    lineHasText_ = false;
}
