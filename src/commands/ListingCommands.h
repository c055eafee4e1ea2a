#pragma once

// The data listing of the current set written to a file, as a script's
// `listing` and the command line's --listing do it: the listing's own lines,
// or the printed pages as a PDF file.

#include "commands/Workspace.h"

#include <QDateTime>

#include <string>

namespace commands {

// ".PDF" anywhere in the upper-cased name asks for a PDF file; every other
// name for the listing's lines.
enum class ListingKind { Text, Pdf };
ListingKind listingKindOf(const std::string& path);

// The listing's lines as the store's Windows-1252 bytes, each ended by a line
// feed; a page's end is a form feed followed by the line feed. No line is
// wrapped and no page starts by itself: those belong to a printer.
std::string listingBytes(DataStore& store, const QDateTime& when);

// The listing of the current set written under exactly the name given; the
// file is replaced only once it is whole. Pdf prints the pages through the
// printer stream onto A4 pages (fonts need a QGuiApplication). Like the
// printout it recomputes the current set's regression first.
Outcome writeListing(Workspace& ws, const std::string& path, ListingKind kind, const QDateTime& when);

} // namespace commands
