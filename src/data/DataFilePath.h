#pragma once

// Name rules shared by the data file reader and writer. Paths use "/" between
// directories; a "\" also counts as a separator wherever a directory is cut
// off a name, so names that came from elsewhere lose their folders as well.
// Directory parts are never changed.

#include <string>
#include <string_view>

// Everything after the last "/" or "\" (the whole text when there is none).
std::string_view fileNamePart(std::string_view path);

// Everything up to and including the last "/" or "\" (empty when there is none).
std::string_view directoryPart(std::string_view path);

// The letters a to z upper-cased; every other byte kept, so Windows-1252 and
// UTF-8 text pass unchanged.
std::string upperAscii(std::string_view text);

// The file name the image open dialog proposes after reading `path`: the
// directory unchanged, then the upper-cased file name cut at its first point,
// then ".BMP" ("/home/u/my.dir/data.txt" gives "/home/u/my.dir/DATA.BMP").
std::string imageOpenNameFor(std::string_view path);
