#include "print/DataListing.h"

#include "data/Cp1252.h"
#include "data/Numbers.h"
#include "ops/Regression.h"
#include "print/PainterSurface.h"
#include "print/PrinterStream.h"

#include <QFile>
#include <QLocale>
#include <QPagedPaintDevice>

namespace {

constexpr int kRowsPerPage = 64;
constexpr int kColumns = 4;

QString fromStore(const std::string& bytes)
{
    return QString::fromUtf8(utf8FromCp1252(bytes));
}

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

QString shown(double value, int width, int extraDecimals = 0)
{
    return QString::fromStdString(formatValue(value, width, displayDecimals(value) + extraDecimals));
}

void appendEntry(QString& out, const DataStore& store, int set, int point)
{
    out += QStringLiteral("%1: ").arg(point, 3);
    out += shown(store.x(set, point), 8);
    out += blanks(2);
    out += shown(store.y(set, point), 8);
}

} // namespace

QString dataListing(DataStore& store, const QString& dateText, const QString& timeText)
{
    const int c = store.currentSet;
    const int n = store.pointCount[static_cast<size_t>(c)];
    const QString indent = blanks(40);
    QString out;
    out.reserve(200 + n * 34);
    out += QStringLiteral(" \n \n \n");
    out += indent + QStringLiteral("Kurvix ") + blanks(10) + dateText + blanks(10) + timeText + blanks(10)
        + QFile::decodeName(QByteArray::fromStdString(store.currentFileName)) + QLatin1Char('\n');
    out += QLatin1Char('\n');
    out += indent + fromStore(store.plot.heading) + blanks(10) + fromStore(store.plot.comment) + QLatin1Char('\n');
    out += QLatin1Char('\n');
    computeRegression(store, c);
    const RegressionResult& line = store.regression;
    out += indent + QStringLiteral("y = a x + b    a=") + shown(line.a, 6) + QStringLiteral("   b=") + shown(line.b, 6)
        + QStringLiteral("    n=") + QString::number(n) + QStringLiteral("   r=") + shown(line.r, 6, 1) + QLatin1Char('\n');
    out += QLatin1Char('\n');
    out += indent + QStringLiteral("X: ") + fromStore(store.plot.xLabel) + QStringLiteral("     Y: ")
        + fromStore(store.yLabel[static_cast<size_t>(c)]) + QStringLiteral(" (Set # ") + QString::number(c)
        + QStringLiteral(")\n");
    out += QLatin1Char('\n');

    int i = 0;
    while (i < n) {
        ++i;
        out += indent;
        appendEntry(out, store, c, i);
        for (int column = 1; column < kColumns; ++column) {
            const int j = i + column * kRowsPerPage;
            if (j <= n) {
                out += blanks(20);
                appendEntry(out, store, c, j);
            }
        }
        out += QLatin1Char('\n');
        if (i % kRowsPerPage == 0) {
            i += (kColumns - 1) * kRowsPerPage;
            out += QStringLiteral("\f\n");
        }
    }
    return out;
}

QString listingDateText(const QDateTime& when)
{
    const QLocale locale = QLocale::system();
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(when.date(), format);
}

QString listingTimeText(const QDateTime& when)
{
    return when.time().toString(QStringLiteral("hh:mm:ss"));
}

QFont listingFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    return font;
}

void printDataListing(DataStore& store, QPagedPaintDevice& device, const QDateTime& when)
{
    // The device is started first: when it fails, nothing is computed either.
    PainterSurface surface(device, listingFont());
    const QString text = dataListing(store, listingDateText(when), listingTimeText(when));
    PrinterStream stream(surface);
    stream.write(text);
    surface.close();
}
