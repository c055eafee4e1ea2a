#pragma once

// JPEG reading and writing through libjpeg. Library failures raise
// KurvixError "JPEG-Fehler #n" with the library's message number; nothing is
// printed on the console.

#include <QByteArray>
#include <QImage>

#include <string>

// libjpeg's default compression with quality 90 and baseline tables,
// sequential, full colour (YCbCr, 2x2 chroma subsampling). The image is taken
// as opaque RGB.
QByteArray encodeJpeg(const QImage& image, int quality = 90);

// Decodes the whole picture at full size in full colour with the library's
// default, accurate settings, as an opaque RGB32 image. Refused:
// - a file that cannot be opened (FileError);
// - anything libjpeg rejects, and data that end or break off before the
//   picture does (truncated files, corrupt entropy-coded data), which the
//   library would otherwise paint grey: "JPEG-Fehler #n";
// - a picture larger than the canvas takes (see ImageFile.h) before any pixel
//   memory is taken, and a progressive file with more scans than any encoder
//   writes (an old way to make decoding take minutes).
QImage readJpegFile(const std::string& path);
QImage decodeJpeg(const QByteArray& bytes, const std::string& nameForMessages);
