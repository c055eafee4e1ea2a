#pragma once

// The printed listing of the current set ("&Print data"): eleven header lines
// (the program name with date, time and file name, heading and comment, the
// regression line, the axis labels) and then the points, numbered, four
// columns of 64 rows a page. As text for a PrinterStream: "\n" ends a line,
// "\f" a page.

#include "data/DataStore.h"

#include <QDateTime>
#include <QFont>
#include <QString>

class QPagedPaintDevice;

// Runs computeRegression on the current set first, so a set whose line cannot
// be computed prints the values kept from the last computation.
//
// Header lines 1 to 3 hold one blank each, 5, 7, 9 and 11 are empty; the
// others start with 40 blanks. A point entry is the number right-aligned in
// 3, ": ", X and Y right-aligned in 8 with their shown decimals, 2 blanks
// between; entries after the first of a row follow 20 blanks. Row r of page p
// shows the points 256 (p - 1) + r, + 64, + 128, + 192 as far as they exist;
// after every 64th row a form feed and a line end follow, so a page filled to
// its 64th row is followed by a page that holds one empty line.
QString dataListing(DataStore& store, const QString& dateText, const QString& timeText);

// The date in the system's short format with a four-digit year, the time as
// hh:mm:ss: the same texts the plot writes.
QString listingDateText(const QDateTime& when);
QString listingTimeText(const QDateTime& when);

// The font of the listing: Arial, regular, black, 8 points.
QFont listingFont();

// Prints the listing on `device` through a PrinterStream and ends the
// document. KurvixError when the device cannot start.
void printDataListing(DataStore& store, QPagedPaintDevice& device, const QDateTime& when);
