#pragma once

// Every text the program shows in a message box or prints on a failure, in
// one place, so the help text can list them. The German texts are those the
// program has always shown for platform-style failures; "%1", "%2" are filled
// in by message().

#include <string>
#include <string_view>

namespace Messages {

// Conversion and floating-point failures.
inline constexpr std::string_view NotAnInteger = "'%1' ist kein gültiger Integerwert";
inline constexpr std::string_view InvalidFloatOperation = "Ungültige Gleitkommaoperation";
inline constexpr std::string_view FloatDivisionByZero = "Gleitkommadivision durch Null";
inline constexpr std::string_view FloatOverflow = "Gleitkommaüberlauf";
inline constexpr std::string_view OutOfMemory = "Zu wenig Arbeitsspeicher";

// File input and output.
inline constexpr std::string_view InvalidNumericInput = "Ungültige numerische Eingabe";
inline constexpr std::string_view InvalidNumericInputAt = "Ungültige numerische Eingabe\nDatei: %1\nZeile: %2";
inline constexpr std::string_view CannotOpenFile = "Datei kann nicht geöffnet werden: %1\n%2";
inline constexpr std::string_view CannotCreateFile = "Datei kann nicht erstellt werden: %1\n%2";
inline constexpr std::string_view CannotWriteFile = "Fehler beim Schreiben der Datei: %1\n%2";
inline constexpr std::string_view SetCountTooLarge = "Set %1 of file %2 (line %3) claims %4 points; a set holds at most 10000";
inline constexpr std::string_view DataFileTooLarge = "File %1 is larger than 256 MB; it cannot be a data file.";

// Image files and printing.
inline constexpr std::string_view InvalidBitmap = "Bitmap ist ungültig";
inline constexpr std::string_view JpegError = "JPEG-Fehler #%1";
// The same with the file's name on the line below.
inline constexpr std::string_view InvalidBitmapIn = "Bitmap ist ungültig\n%1";
inline constexpr std::string_view JpegErrorIn = "JPEG-Fehler #%1\n%2";
inline constexpr std::string_view ImageTooLarge =
    "The image %1 is %2 x %3 pixels; the graphic window takes at most 65535 pixels a side and 67108864 in all. It was not opened.";
inline constexpr std::string_view ImageTooSparse =
    "The image %1 claims %2 x %3 pixels in a file of %4 bytes; no picture is stored that densely. It was not opened.";
inline constexpr std::string_view ImageFileTooLarge = "File %1 is larger than 512 MB; it cannot be an image the graphic window takes.";
inline constexpr std::string_view NotARegularFile = "not a regular file";
inline constexpr std::string_view ImageNotEncoded = "the image could not be encoded";
inline constexpr std::string_view JpegTooManyScans = "The JPEG file %1 holds more than %2 scans; it was not opened.";
inline constexpr std::string_view NoDefaultPrinter = "No default printer is set up; nothing was printed.";
inline constexpr std::string_view PrinterNotStarted = "The printer could not start the print job; nothing was printed.";
inline constexpr std::string_view VectorNotOpened =
    "%1 is not a bitmap or JPEG file; SVG, PDF and PNG images are written, not opened. Nothing was opened.";
inline constexpr std::string_view DrawingsAsPixels =
    "The drawings made since the last plot are pixels: %1 holds them as an image over the plot.";
inline constexpr std::string_view PictureAsPixels =
    "There is no plot behind this picture: %1 holds it as an image of %2 x %3 pixels.";

// The program's own questions and notices.
inline constexpr std::string_view CloseQuery = "UNSAVED CHANGES - Close anyway?";
inline constexpr std::string_view SecondFileSetRange = "The set number must be 1 to 9; no file was read.";
inline constexpr std::string_view LogarithmQuery =
    "Do you really think this program will calculate logarithms of numbers <= 0?";
inline constexpr std::string_view InsertTooLarge =
    "Set %1 (%2 points) and set %3 (%4 points) together hold more than the 10000 points of a set; nothing was inserted.";
inline constexpr std::string_view ThinningFactor =
    "The factor must be a whole number of at least 1; no point was removed.";
// A script's `point` line names a row the grid of the set does not offer.
inline constexpr std::string_view NoSuchGridRow =
    "There is no row %1 to type into: set %2 holds %3 points, so rows 1 to %4 take a point.";
inline constexpr std::string_view FollowingStopped = "Following %1 stopped: the data were changed.";
inline constexpr std::string_view OnlyFirstFileOpened = "Only the first of %1 files was opened.";
inline constexpr std::string_view ClipboardHoldsNoData = "The clipboard holds no X/Y data; nothing was pasted.";

// What the reader's messages name as the file when it reads pasted text.
inline constexpr std::string_view ClipboardAsFile = "Zwischenablage";

// Every message above, for the help text's chapter on failures. The second
// form of the numeric-input message only adds the file and line.
inline constexpr std::string_view all[] = {
    NotAnInteger, InvalidFloatOperation, FloatDivisionByZero, FloatOverflow, OutOfMemory,
    InvalidNumericInput, CannotOpenFile, CannotCreateFile, CannotWriteFile, SetCountTooLarge, DataFileTooLarge,
    InvalidBitmap, JpegError, ImageTooLarge, ImageTooSparse, ImageFileTooLarge, NotARegularFile, ImageNotEncoded, JpegTooManyScans,
    NoDefaultPrinter, PrinterNotStarted, VectorNotOpened, DrawingsAsPixels, PictureAsPixels,
    CloseQuery, SecondFileSetRange, LogarithmQuery, InsertTooLarge, ThinningFactor, NoSuchGridRow,
    FollowingStopped, OnlyFirstFileOpened, ClipboardHoldsNoData,
};

// Replaces %1, %2, ... in order by the given arguments.
std::string message(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace Messages
